// The one place where the two colours of the search differ: white raises alpha, black lowers beta.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "search/control.h"

struct Window {
    int32_t alpha;
    int32_t beta;
};

// The near bound is the one the side to move pushes (alpha for white, beta for black); reaching the far
// bound (beta for white, alpha for black) is a cut-off.
template <Colour Us>
struct Side_Window {
    // +1 when scores grow in the side's favour, -1 for black.
    static constexpr int32_t dir = Us == WHITE ? 1 : -1;
    // The score a node starts from before any move: the worst possible for the side.
    static constexpr int32_t worst = -dir * INFINITE_SCORE;

    // a is strictly better than b for the side to move.
    static constexpr bool Better(int32_t a, int32_t b) {
        if constexpr (Us == WHITE) return a > b; else return a < b;
    }
    // a lies at b or beyond it, in the side's favour.
    static constexpr bool Reaches(int32_t a, int32_t b) {
        if constexpr (Us == WHITE) return a >= b; else return a <= b;
    }
    static constexpr int32_t& Near(Window& w) {
        if constexpr (Us == WHITE) return w.alpha; else return w.beta;
    }
    static constexpr int32_t& Far(Window& w) {
        if constexpr (Us == WHITE) return w.beta; else return w.alpha;
    }
    // The one-point window just beyond the near bound n: (n, n + 1) for white, (n - 1, n) for black.
    static constexpr Window Null_Window(int32_t n) {
        if constexpr (Us == WHITE) return {n, n + 1}; else return {n - 1, n};
    }
    // The one-point window just short of the far bound f, used to verify a cut-off.
    static constexpr Window Verify_Window(int32_t f) {
        if constexpr (Us == WHITE) return {f - 1, f}; else return {f, f + 1};
    }
    // Score of the side to move mated at the given ply.
    static constexpr int32_t Mated(uint8_t ply) { return -dir * (MATE_SCORE - 1000 * ply); }
};
