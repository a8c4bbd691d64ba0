// The named colour routines of generation, make and the check test, reachable from code written once for both
// colours.
#pragma once

#include "board/board.h"
#include "makemove/make.h"
#include "movegen/generate.h"

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

// Captures and promotions first, then the quiet moves, as every full list is built.
template <Colour Us> void Generate_All(Move_List* list, const Board* b) {
    Generate_Captures<Us>(list, b);
    Generate_Quiet<Us>(list, b);
}
