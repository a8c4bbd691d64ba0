// Square numbering, bit scans and the constant square tables, built from their rules at compile time.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

// a1 = 0, h1 = 7, a8 = 56, h8 = 63.
constexpr int File_Of(int square) { return square & 7; }
constexpr int Rank_Of(int square) { return square >> 3; }

// Lowest and highest set square; the set must not be empty.
inline int First_One(uint64_t set) { return std::countr_zero(set); }
inline int Last_One(uint64_t set) { return 63 - std::countl_zero(set); }
inline int Pop_Count(uint64_t set) { return std::popcount(set); }

using Square_Table = std::array<uint64_t, 64>;

namespace square_rules {

constexpr bool On_Board(int file, int rank) { return file >= 0 && file < 8 && rank >= 0 && rank < 8; }

// Squares reached by single steps (df, dr) from each square.
template <std::size_t N>
constexpr Square_Table Steps(const int (&df)[N], const int (&dr)[N]) {
    Square_Table table{};
    for (int s = 0; s < 64; ++s)
        for (std::size_t i = 0; i < N; ++i)
            if (On_Board(File_Of(s) + df[i], Rank_Of(s) + dr[i]))
                table[s] |= uint64_t{1} << ((Rank_Of(s) + dr[i]) * 8 + File_Of(s) + df[i]);
    return table;
}

// Every square from s (excluded) in direction (df, dr) until the ray leaves the board.
constexpr Square_Table Ray(int df, int dr) {
    Square_Table table{};
    for (int s = 0; s < 64; ++s)
        for (int f = File_Of(s) + df, r = Rank_Of(s) + dr; On_Board(f, r); f += df, r += dr)
            table[s] |= uint64_t{1} << (r * 8 + f);
    return table;
}

// Pawn captures exist only from ranks 2 to 7.
constexpr Square_Table Pawn_Attacks(int dr) {
    Square_Table table = Steps({-1, 1}, {dr, dr});
    for (int s = 0; s < 64; ++s)
        if (Rank_Of(s) == 0 || Rank_Of(s) == 7) table[s] = 0;
    return table;
}

constexpr Square_Table Single_Squares() {
    Square_Table table{};
    for (int s = 0; s < 64; ++s) table[s] = uint64_t{1} << s;
    return table;
}

}  // namespace square_rules

inline constexpr Square_Table square_mask = square_rules::Single_Squares();
inline constexpr Square_Table king_attacks =
    square_rules::Steps({-1, 0, 1, -1, 1, -1, 0, 1}, {-1, -1, -1, 0, 0, 1, 1, 1});
inline constexpr Square_Table knight_attacks =
    square_rules::Steps({-2, -1, 1, 2, -2, -1, 1, 2}, {-1, -2, -2, -1, 1, 2, 2, 1});
inline constexpr Square_Table ray_north = square_rules::Ray(0, 1);
inline constexpr Square_Table ray_south = square_rules::Ray(0, -1);
inline constexpr Square_Table ray_west = square_rules::Ray(-1, 0);
inline constexpr Square_Table ray_east = square_rules::Ray(1, 0);
inline constexpr Square_Table ray_north_east = square_rules::Ray(1, 1);
inline constexpr Square_Table ray_north_west = square_rules::Ray(-1, 1);
inline constexpr Square_Table ray_south_east = square_rules::Ray(1, -1);
inline constexpr Square_Table ray_south_west = square_rules::Ray(-1, -1);
inline constexpr Square_Table white_pawn_attacks = square_rules::Pawn_Attacks(1);
inline constexpr Square_Table black_pawn_attacks = square_rules::Pawn_Attacks(-1);

// Increasing rays meet their nearest piece at the lowest square, decreasing rays at the highest.
enum class Ray_Direction : uint8_t { Increasing, Decreasing };

template <Ray_Direction D>
inline int Nearest(uint64_t blockers) {
    if constexpr (D == Ray_Direction::Increasing) return First_One(blockers); else return Last_One(blockers);
}
