// What differs between the two colours for generation, attack tests and make: one record per colour.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "movegen/bits.h"

template <Colour Us> struct Side;

template <> struct Side<WHITE> {
    static constexpr Colour them = BLACK;
    static constexpr int push = 8;  // one step forward
    // Rank indices: the home rank, where pawns double-step, promote when they move, take en passant,
    // and the far rank.
    static constexpr int back_rank = 0, start_rank = 1, promotion_rank = 6, en_passant_rank = 4, last_rank = 7;
    // The forward diagonal steps and the file each may not start from (it would wrap round the board).
    static constexpr int step_9 = 9, step_9_edge = 7;
    static constexpr int step_7 = 7, step_7_edge = 0;
    static constexpr const Square_Table& pawn_attacks = white_pawn_attacks;
    static constexpr uint8_t Board::* long_right = &Board::castling_Q;
    static constexpr uint8_t Board::* short_right = &Board::castling_K;
};

template <> struct Side<BLACK> {
    static constexpr Colour them = WHITE;
    static constexpr int push = -8;
    static constexpr int back_rank = 7, start_rank = 6, promotion_rank = 1, en_passant_rank = 3, last_rank = 0;
    static constexpr int step_9 = -9, step_9_edge = 0;
    static constexpr int step_7 = -7, step_7_edge = 7;
    static constexpr const Square_Table& pawn_attacks = black_pawn_attacks;
    static constexpr uint8_t Board::* long_right = &Board::castling_q;
    static constexpr uint8_t Board::* short_right = &Board::castling_k;
};

// The back-rank squares castling names, for the given colour.
template <Colour Us> struct Castling_Squares {
    static constexpr int base = 8 * Side<Us>::back_rank;
    static constexpr int a = base, b = base + 1, c = base + 2, d = base + 3;
    static constexpr int e = base + 4, f = base + 5, g = base + 6, h = base + 7;
};
