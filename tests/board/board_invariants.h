// Checks of the board record's structural invariants, shared by the board tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "board/board.h"

// Occupancy words are the unions of their piece sets, the piece sets are disjoint with set 0 empty, and the
// square tables agree with the piece sets.
inline testing::AssertionResult Board_Invariants_Hold(const Board& b) {
    uint64_t white = 0, black = 0, seen = 0;
    if (b.white_piece[NONE] != 0 || b.black_piece[NONE] != 0) return testing::AssertionFailure() << "set 0 not empty";
    for (int type = PAWN; type <= KING; ++type) {
        for (const uint64_t set : {b.white_piece[type], b.black_piece[type]}) {
            if ((seen & set) != 0) return testing::AssertionFailure() << "piece sets overlap at type " << type;
            seen |= set;
        }
        white |= b.white_piece[type];
        black |= b.black_piece[type];
    }
    if (b.all_white_piece != white) return testing::AssertionFailure() << "all_white_piece is not the union";
    if (b.all_black_piece != black) return testing::AssertionFailure() << "all_black_piece is not the union";
    if (b.all_piece != (white | black)) return testing::AssertionFailure() << "all_piece is not the union";
    for (int s = 0; s < 64; ++s) {
        const uint8_t w = b.white_name_from_coord[s];
        const uint8_t k = b.black_name_from_coord[s];
        if (w > KING || k > KING || (w != 0 && k != 0)) return testing::AssertionFailure() << "bad names at " << s;
        for (int type = PAWN; type <= KING; ++type) {
            if (((b.white_piece[type] >> s & 1) != 0) != (w == type))
                return testing::AssertionFailure() << "white name and set disagree at " << s;
            if (((b.black_piece[type] >> s & 1) != 0) != (k == type))
                return testing::AssertionFailure() << "black name and set disagree at " << s;
        }
    }
    return testing::AssertionSuccess();
}
