// One "go": iterative deepening over the root search, with its limits and its report.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "movegen/move.h"

void Iterative_Deepening(Board* bitboard, uint8_t movestogo, uint8_t infinite, double wtime, double btime,
                         double winc, double binc, double movetime, uint8_t depth, uint64_t node_limit = 0);

// True after a root search when at least one legal root move was searched to its end (or there was none).
extern bool root_has_result;

int32_t Root_Search_White(Move_List* list, Board* bitboard, uint8_t depth);
int32_t Root_Search_Black(Move_List* list, Board* bitboard, uint8_t depth);
