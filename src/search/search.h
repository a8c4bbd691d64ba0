// The search below the root: alpha-beta, quiescence and the null-move test, one routine per colour.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "search/control.h"

// Every position the search enters, quiescence included: the count other engines report as nodes.
extern uint64_t positions_visited;

int32_t Search_White(Search_Control* control, Board* bitboard, int32_t alpha, int32_t beta, uint8_t depth,
                     uint8_t ply, int32_t last_move_kind, uint8_t pv_node, uint8_t in_check, uint8_t no_null);
int32_t Search_Black(Search_Control* control, Board* bitboard, int32_t alpha, int32_t beta, uint8_t depth,
                     uint8_t ply, int32_t last_move_kind, uint8_t pv_node, uint8_t in_check, uint8_t no_null);

int32_t Quiescence_White(Board* bitboard, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node);
int32_t Quiescence_Black(Board* bitboard, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node);

int32_t Null_Move_White(Search_Control* control, Board* bitboard, int32_t alpha, int32_t beta, uint8_t depth,
                        uint8_t ply, int32_t last_move_kind, uint8_t pv_node, uint8_t in_check, uint8_t no_null,
                        uint64_t node_key);
int32_t Null_Move_Black(Search_Control* control, Board* bitboard, int32_t alpha, int32_t beta, uint8_t depth,
                        uint8_t ply, int32_t last_move_kind, uint8_t pv_node, uint8_t in_check, uint8_t no_null,
                        uint64_t node_key);
