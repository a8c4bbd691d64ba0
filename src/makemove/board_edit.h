// The small edits that make and unmake are built from, written once for either colour.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "movegen/bits.h"

namespace board_edit {

// Flips square s in a colour's occupancy word and in its set of type t.
template <Colour C>
inline void toggle(Board& b, int s, int t) {
    Occupancy<C>(b) ^= square_mask[s];
    Pieces<C>(b)[t] ^= square_mask[s];
}

// Moves the piece of colour C standing on from to the empty square to; returns its type.
template <Colour C>
inline int relocate(Board& b, int from, int to) {
    uint8_t* names = Names<C>(b);
    const int t = names[from];
    Occupancy<C>(b) ^= square_mask[from] | square_mask[to];
    Pieces<C>(b)[t] ^= square_mask[from] | square_mask[to];
    names[to] = static_cast<uint8_t>(t);
    names[from] = 0;
    return t;
}

// Material is 16-bit unsigned and wraps like it.
template <Colour C>
inline void add_material(Board& b, int amount) {
    Material<C>(b) = static_cast<uint16_t>(Material<C>(b) + amount);
}

}  // namespace board_edit
