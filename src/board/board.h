// The one record of a chess position and the operations on it as a whole.
#pragma once

#include <cstdint>

// Side to move and Zobrist colour index: 1 white, 0 black.
enum Colour : uint8_t { BLACK = 0, WHITE = 1 };

constexpr Colour Opposite(Colour c) { return c == WHITE ? BLACK : WHITE; }

enum Piece_Type : uint8_t { NONE = 0, PAWN = 1, KNIGHT = 2, BISHOP = 3, ROOK = 4, QUEEN = 5, KING = 6 };

struct Board {
    uint64_t all_piece;
    uint64_t all_white_piece;
    uint64_t all_black_piece;
    uint64_t white_piece[7];
    uint64_t black_piece[7];
    uint8_t white_name_from_coord[64];
    uint8_t black_name_from_coord[64];
    uint8_t colour_move;
    uint8_t taking_passage_yes;
    uint8_t taking_passage_x;
    uint8_t taking_passage_y;
    uint8_t castling_Q;
    uint8_t castling_K;
    uint8_t castling_q;
    uint8_t castling_k;
    uint64_t hash_key;
    uint16_t value_white_material;
    uint16_t value_black_material;
    uint64_t saved_targets;
};

// Centipawn value of each piece type; the king counts nothing.
inline constexpr uint16_t material_value[7] = {0, 100, 400, 400, 600, 1200, 0};

// Colour-generic access to the fields that exist once per colour, for code written once for both sides.
template <Colour C> constexpr uint64_t& Occupancy(Board& b) {
    if constexpr (C == WHITE) return b.all_white_piece; else return b.all_black_piece;
}
template <Colour C> constexpr uint64_t Occupancy(const Board& b) {
    if constexpr (C == WHITE) return b.all_white_piece; else return b.all_black_piece;
}
template <Colour C> constexpr uint64_t* Pieces(Board& b) {
    if constexpr (C == WHITE) return b.white_piece; else return b.black_piece;
}
template <Colour C> constexpr const uint64_t* Pieces(const Board& b) {
    if constexpr (C == WHITE) return b.white_piece; else return b.black_piece;
}
template <Colour C> constexpr uint8_t* Names(Board& b) {
    if constexpr (C == WHITE) return b.white_name_from_coord; else return b.black_name_from_coord;
}
template <Colour C> constexpr const uint8_t* Names(const Board& b) {
    if constexpr (C == WHITE) return b.white_name_from_coord; else return b.black_name_from_coord;
}
template <Colour C> constexpr uint16_t& Material(Board& b) {
    if constexpr (C == WHITE) return b.value_white_material; else return b.value_black_material;
}
template <Colour C> constexpr uint16_t Material(const Board& b) {
    if constexpr (C == WHITE) return b.value_white_material; else return b.value_black_material;
}

// Every field zero: no pieces, black to move, no rights, key 0, material 0.
void Clear_Board(Board* bitboard);

// Sets pieces, side, castling and en-passant state from "fen <placement> <side> <castling> <ep> ...".
void Set_Fen(Board* bitboard, const char* text);

// Snapshot of every field but the quiescence scratch word.
void Copy_Board(Board* destination, const Board* source);

// Writes one diagnostic line for every field in which the live board differs from the snapshot.
void Test_Board(const Board* bitboard, const Board* test);

int32_t White_Material_Sum(const Board* bitboard);
int32_t Black_Material_Sum(const Board* bitboard);

// True when both sides have a king: the search and evaluation rely on it.
inline bool Both_Kings_Present(const Board* bitboard) {
    return bitboard->white_piece[KING] != 0 && bitboard->black_piece[KING] != 0;
}
