// Counting legal move sequences: the check on generation, make and unmake.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "movegen/move.h"

// Number of legal move sequences of the given length from the position, side to move from colour_move.
uint64_t Perft(Board* bitboard, int depth);

// Legal moves of the side to move in generation order, captures first as generated; returns their number.
int Legal_Moves(Board* bitboard, Move_List* legal);
