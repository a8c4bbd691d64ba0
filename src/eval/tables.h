// Placement tables of the evaluation, typed in as printed: rank 8 in the first row, files a to h.
#pragma once

#include <array>
#include <cstdint>

template <typename T>
using Eval_Table = std::array<T, 64>;

// Turns a table written rank 8 first into one indexed by square (a1 = 0, h8 = 63).
template <typename T>
constexpr Eval_Table<T> From_Printed(const Eval_Table<T>& printed) {
    Eval_Table<T> table{};
    for (int row = 0; row < 8; ++row)
        for (int file = 0; file < 8; ++file) table[8 * (7 - row) + file] = printed[8 * row + file];
    return table;
}

// Black's table is white's reflected across the middle of the board: a1 <-> a8, e2 <-> e7.
template <typename T>
constexpr Eval_Table<T> Mirrored(const Eval_Table<T>& white) {
    Eval_Table<T> table{};
    for (int s = 0; s < 64; ++s) table[s] = white[s ^ 56];
    return table;
}

// clang-format off
inline constexpr Eval_Table<int8_t> king_middle_white = From_Printed<int8_t>({
    -20, -20, -20, -20, -20, -20, -20, -20,
    -20, -20, -20, -20, -20, -20, -20, -20,
    -20, -20, -20, -20, -20, -20, -20, -20,
    -20, -20, -20, -20, -20, -20, -20, -20,
    -20, -20, -20, -20, -20, -20, -20, -20,
    -20, -20, -20, -20, -20, -20, -20, -20,
    -15, -15, -15, -10, -10, -10, -15, -15,
     30,  30,  30,   0,   0,   0,  30,  30,
});

inline constexpr Eval_Table<int8_t> king_end_white = From_Printed<int8_t>({
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 1, 1, 1, 1, 1, 1, 0,
    0, 1, 2, 2, 2, 2, 1, 0,
    0, 1, 2, 3, 3, 2, 1, 0,
    0, 1, 2, 3, 3, 2, 1, 0,
    0, 1, 2, 2, 2, 2, 1, 0,
    0, 1, 1, 1, 1, 1, 1, 0,
    0, 0, 0, 0, 0, 0, 0, 0,
});

// White's bishop earns 10 on h5, h6 and h7; black's earns nothing on those squares.
inline constexpr Eval_Table<int8_t> bishop_white = From_Printed<int8_t>({
    11,  0,  0,  0,  0,  0,  0, 11,
     0, 13, 11, 11, 11, 11, 13, 10,
     0, 11, 12, 12, 12, 12, 11, 10,
     0, 12, 13, 14, 14, 13, 12, 10,
     0, 12, 13, 14, 14, 13, 12,  0,
     0, 11, 12, 12, 12, 12, 11,  0,
     0, 13, 11, 11, 11, 11, 13,  0,
    11,  0,  0,  0,  0,  0,  0, 11,
});

inline constexpr Eval_Table<int8_t> bishop_black = From_Printed<int8_t>({
    11,  0,  0,  0,  0,  0,  0, 11,
     0, 13, 11, 11, 11, 11, 13,  0,
     0, 11, 12, 12, 12, 12, 11,  0,
     0, 12, 13, 14, 14, 13, 12,  0,
     0, 12, 13, 14, 14, 13, 12,  0,
     0, 11, 12, 12, 12, 12, 11,  0,
     0, 13, 11, 11, 11, 11, 13,  0,
    11,  0,  0,  0,  0,  0,  0, 11,
});

inline constexpr Eval_Table<int8_t> knight_white = From_Printed<int8_t>({
    11, 11, 11, 11, 11, 11, 11, 11,
    11, 12, 12, 12, 12, 12, 12, 11,
    11, 12, 13, 13, 13, 13, 12, 11,
    11, 12, 13, 14, 14, 13, 12, 11,
     0, 11, 12, 13, 13, 12, 11,  0,
     0, 11, 12, 12, 12, 12, 11,  0,
     0, 11, 11, 11, 11, 11, 11,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
});

inline constexpr Eval_Table<int8_t> pawn_centre_white = From_Printed<int8_t>({
    0, 0, 0,  0,  0, 0, 0, 0,
    0, 0, 0,  0,  0, 0, 0, 0,
    0, 0, 0,  0,  0, 0, 0, 0,
    0, 0, 0,  0,  0, 0, 0, 0,
    0, 0, 0, 16, 16, 0, 0, 0,
    0, 0, 0, 15, 15, 0, 0, 0,
    0, 0, 0,  0,  0, 0, 0, 0,
    0, 0, 0,  0,  0, 0, 0, 0,
});

inline constexpr Eval_Table<int8_t> pawn_kingside_white = From_Printed<int8_t>({
    0, 0, 0,  0,  0, 0, 0, 0,
    5, 5, 5, 19, 19, 0, 0, 0,
    4, 4, 4, 18, 18, 0, 0, 0,
    3, 3, 3, 17, 17, 0, 0, 0,
    2, 2, 2, 16, 16, 0, 0, 0,
    1, 1, 1, 15, 15, 0, 0, 0,
    0, 0, 0,  0,  0, 0, 0, 0,
    0, 0, 0,  0,  0, 0, 0, 0,
});

inline constexpr Eval_Table<int8_t> pawn_queenside_white = From_Printed<int8_t>({
    0, 0, 0,  0,  0, 0, 0, 0,
    0, 0, 0, 19, 19, 5, 5, 5,
    0, 0, 0, 18, 18, 4, 4, 4,
    0, 0, 0, 17, 17, 3, 3, 3,
    0, 0, 0, 16, 16, 2, 2, 2,
    0, 0, 0, 15, 15, 1, 1, 1,
    0, 0, 0,  0,  0, 0, 0, 0,
    0, 0, 0,  0,  0, 0, 0, 0,
});

inline constexpr Eval_Table<int8_t> pawn_end_white = From_Printed<int8_t>({
     0,  0,  0,  0,  0,  0,  0,  0,
    50, 50, 50, 50, 50, 50, 50, 50,
    25, 25, 25, 25, 25, 25, 25, 25,
    20, 20, 20, 20, 20, 20, 20, 20,
    15, 15, 15, 15, 15, 15, 15, 15,
    10, 10, 10, 10, 10, 10, 10, 10,
     0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
});

inline constexpr Eval_Table<int16_t> passed_bonus_white = From_Printed<int16_t>({
      0,   0,   0,   0,   0,   0,   0,   0,
    100, 100, 100, 100, 100, 100, 100, 100,
     50,  50,  50,  50,  50,  50,  50,  50,
     40,  40,  40,  40,  40,  40,  40,  40,
     30,  30,  30,  30,  30,  30,  30,  30,
     20,  20,  20,  20,  20,  20,  20,  20,
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
});
// clang-format on

inline constexpr Eval_Table<int8_t> king_middle_black = Mirrored(king_middle_white);
inline constexpr Eval_Table<int8_t> king_end_black = Mirrored(king_end_white);
inline constexpr Eval_Table<int8_t> knight_black = Mirrored(knight_white);
inline constexpr Eval_Table<int8_t> pawn_centre_black = Mirrored(pawn_centre_white);
inline constexpr Eval_Table<int8_t> pawn_kingside_black = Mirrored(pawn_kingside_white);
inline constexpr Eval_Table<int8_t> pawn_queenside_black = Mirrored(pawn_queenside_white);
inline constexpr Eval_Table<int8_t> pawn_end_black = Mirrored(pawn_end_white);
inline constexpr Eval_Table<int16_t> passed_bonus_black = Mirrored(passed_bonus_white);
