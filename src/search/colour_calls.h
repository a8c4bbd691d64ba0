// The named colour routines of other subsystems, reachable from code written once for both colours.
#pragma once

#include "board/board.h"
#include "hash/table.h"
#include "makemove/colour_moves.h"
#include "search/window.h"
#include "uci/poll.h"

template <Colour Us> int32_t Hash_Probe(uint64_t key, uint8_t ply, uint8_t depth, int32_t alpha, int32_t beta) {
    if constexpr (Us == WHITE) return Hash_Probe_White(key, ply, depth, alpha, beta);
    else return Hash_Probe_Black(key, ply, depth, alpha, beta);
}
template <Colour Us> int32_t Leaf_Poll(Board* b, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node) {
    if constexpr (Us == WHITE) return Leaf_Poll_White(b, alpha, beta, ply, pv_node);
    else return Leaf_Poll_Black(b, alpha, beta, ply, pv_node);
}

#include "search/search.h"

template <Colour Us>
int32_t Search(Search_Control* control, Board* b, Window w, uint8_t depth, uint8_t ply, int32_t last_move_kind,
               uint8_t pv_node, uint8_t in_check, uint8_t no_null) {
    if constexpr (Us == WHITE)
        return Search_White(control, b, w.alpha, w.beta, depth, ply, last_move_kind, pv_node, in_check, no_null);
    else
        return Search_Black(control, b, w.alpha, w.beta, depth, ply, last_move_kind, pv_node, in_check, no_null);
}
template <Colour Us> int32_t Quiescence(Board* b, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node) {
    if constexpr (Us == WHITE) return Quiescence_White(b, alpha, beta, ply, pv_node);
    else return Quiescence_Black(b, alpha, beta, ply, pv_node);
}
template <Colour Us>
int32_t Null_Move(Search_Control* control, Board* b, Window w, uint8_t depth, uint8_t ply, int32_t last_move_kind,
                  uint8_t pv_node, uint8_t in_check, uint8_t no_null, uint64_t node_key) {
    if constexpr (Us == WHITE)
        return Null_Move_White(control, b, w.alpha, w.beta, depth, ply, last_move_kind, pv_node, in_check, no_null,
                               node_key);
    else
        return Null_Move_Black(control, b, w.alpha, w.beta, depth, ply, last_move_kind, pv_node, in_check, no_null,
                               node_key);
}
