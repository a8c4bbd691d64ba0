// Making and unmaking moves on the board.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "movegen/move.h"

// En-passant and castling bytes as they were before a move.
struct Undo_Record {
    uint8_t taking_passage_yes;
    uint8_t taking_passage_x;
    uint8_t taking_passage_y;
    uint8_t castling_Q;
    uint8_t castling_K;
    uint8_t castling_q;
    uint8_t castling_k;
};

void Make_Move_White(Board* bitboard, Undo_Record* undo, const Move_List* list, uint8_t index);
void Make_Move_Black(Board* bitboard, Undo_Record* undo, const Move_List* list, uint8_t index);
void Unmake_Move_White(Board* bitboard, const Undo_Record* undo, const Move_List* list, uint8_t index);
void Unmake_Move_Black(Board* bitboard, const Undo_Record* undo, const Move_List* list, uint8_t index);
