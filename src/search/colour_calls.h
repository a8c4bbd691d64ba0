// The named colour routines of other subsystems, reachable from code written once for both colours.
#pragma once

#include "board/board.h"
#include "hash/table.h"
#include "makemove/make.h"
#include "movegen/generate.h"
#include "search/window.h"
#include "uci/poll.h"

template <Colour Us> void Generate_Captures(Move_List* list, const Board* b) {
    if constexpr (Us == WHITE) Generate_Captures_White(list, b); else Generate_Captures_Black(list, b);
}
template <Colour Us> void Generate_Quiet(Move_List* list, const Board* b) {
    if constexpr (Us == WHITE) Generate_Quiet_White(list, b); else Generate_Quiet_Black(list, b);
}
template <Colour Us> void Make_Move(Board* b, Undo_Record* undo, const Move_List* list, uint8_t index) {
    if constexpr (Us == WHITE) Make_Move_White(b, undo, list, index); else Make_Move_Black(b, undo, list, index);
}
template <Colour Us> void Unmake_Move(Board* b, const Undo_Record* undo, const Move_List* list, uint8_t index) {
    if constexpr (Us == WHITE) Unmake_Move_White(b, undo, list, index); else Unmake_Move_Black(b, undo, list, index);
}
// The king of colour Us stands attacked.
template <Colour Us> uint8_t King_Attacked(const Board* b) {
    if constexpr (Us == WHITE) return King_Attacked_White(b); else return King_Attacked_Black(b);
}
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
