// The move word and the move list.
#pragma once

#include <cstdint>

// bits 0-5 captured type, 6-11 kind, 12-17 from, 18-23 to, 24-26 moving piece type.
using Move = int32_t;

enum Move_Kind : uint8_t {
    KIND_QUIET = 1,
    KIND_CAPTURE = 2,
    KIND_CASTLE_LONG = 3,
    KIND_CASTLE_SHORT = 4,
    KIND_EN_PASSANT = 5,
    KIND_PROMOTE_KNIGHT = 12,
    KIND_PROMOTE_BISHOP = 13,
    KIND_PROMOTE_ROOK = 14,
    KIND_PROMOTE_QUEEN = 15,
    KIND_CAPTURE_PROMOTE_KNIGHT = 22,
    KIND_CAPTURE_PROMOTE_BISHOP = 23,
    KIND_CAPTURE_PROMOTE_ROOK = 24,
    KIND_CAPTURE_PROMOTE_QUEEN = 25,
};

constexpr int Move_Captured(Move m) { return m & 63; }
constexpr int Move_Kind_Of(Move m) { return (m >> 6) & 63; }
constexpr int Move_From(Move m) { return (m >> 12) & 63; }
constexpr int Move_To(Move m) { return (m >> 18) & 63; }
constexpr int Move_Piece(Move m) { return (m >> 24) & 7; }

constexpr Move Compose_Move(int piece, int to, int from, int kind, int captured) {
    return (piece << 24) | (to << 18) | (from << 12) | (kind << 6) | captured;
}

// Type a promotion turns the pawn into, from kinds 12..15 and 22..25.
constexpr int Promoted_Type(int kind) { return kind > 15 ? kind - 20 : kind - 10; }

// The counters are 8-bit, so a list never holds more than 255 entries; generators stop there.
inline constexpr int MOVE_LIST_CAPACITY = 255;

struct Move_List {
    Move move[256];
    int32_t score[256];
    uint8_t capture_count;
    uint8_t move_count;
};
