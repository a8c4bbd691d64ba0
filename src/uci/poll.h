// The input poll and clock check at the horizon of the search.
#pragma once

#include <cstdint>

#include "board/board.h"

int32_t Leaf_Poll_White(Board* bitboard, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node);
int32_t Leaf_Poll_Black(Board* bitboard, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node);
