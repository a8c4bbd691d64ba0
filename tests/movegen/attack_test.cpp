#include <gtest/gtest.h>

#include "movegen/generate.h"
#include "movegen/list_text.h"

namespace {

struct Check_Case {
    const char* name;
    const char* fen;
    uint8_t white;  // King_Attacked_White
    uint8_t black;  // King_Attacked_Black
};

const Check_Case check_cases[] = {
    {"rook on the open file", "k3r3/8/8/8/8/8/8/4K3 w - - 0 1", ROOK, 0},
    {"own piece blocks", "k3r3/8/8/8/4N3/8/8/4K3 w - - 0 1", 0, 0},
    {"enemy piece blocks", "k3r3/8/8/8/4n3/8/8/4K3 w - - 0 1", 0, 0},
    {"pawn on the diagonal", "k7/8/8/3p4/4K3/8/8/8 w - - 0 1", PAWN, 0},
    {"pawn in front", "k7/8/8/4p3/4K3/8/8/8 w - - 0 1", 0, 0},
    {"pawn on the second rank", "k7/8/8/8/8/8/3p4/4K3 w - - 0 1", PAWN, 0},
    {"a4 does not see h4", "k7/8/8/8/K6p/8/8/8 w - - 0 1", 0, 0},
    {"h4 does not see a6", "k7/8/p7/8/7K/8/8/8 w - - 0 1", 0, 0},
    {"h5 does not see a4", "8/8/8/7k/P7/8/8/K7 w - - 0 1", 0, 0},
    {"a5 does not see h3", "8/8/8/k7/8/7P/8/K7 w - - 0 1", 0, 0},
    {"white pawn checks black", "8/8/3k4/4P3/8/8/8/K7 w - - 0 1", 0, PAWN},
    {"rook rays come before the knight", "k3r3/8/8/8/8/3n4/8/4K3 w - - 0 1", ROOK, 0},
    {"queen on the long diagonal", "4k3/8/8/8/Q7/8/8/4K3 w - - 0 1", 0, QUEEN},
    {"queen in front of a bishop", "7k/8/8/8/8/2b5/1q6/K7 w - - 0 1", QUEEN, 0},
    {"knight", "k7/8/8/8/8/5n2/8/4K3 w - - 0 1", KNIGHT, 0},
    {"kings side by side", "8/8/8/8/8/8/8/3kK3 w - - 0 1", KING, KING},
    {"no white king", "k7/8/8/8/8/8/8/r7 w - - 0 1", 0, 0},
};

TEST(Attacks, KingAttacked) {
    for (const Check_Case& c : check_cases) {
        SCOPED_TRACE(c.name);
        const Board b = Board_From(c.fen);
        EXPECT_EQ(King_Attacked_White(&b), c.white);
        EXPECT_EQ(King_Attacked_Black(&b), c.black);
    }
}

struct Square_Case {
    const char* fen;
    uint8_t square;
    uint8_t by_black;  // Square_Attacked_By_Black for a rank-1 square, By_White for a rank-8 one
};

// The first attacker found, in the fixed order straight rays, diagonals, knight, king, pawn.
const Square_Case square_cases[] = {
    {"k7/8/8/8/8/8/8/4K3 w - - 0 1", 3, 0},
    {"k2q4/8/8/8/8/8/8/4K3 w - - 0 1", 3, QUEEN},
    {"k7/8/8/8/8/8/8/r3K3 w - - 0 1", 2, ROOK},
    {"k7/8/8/8/8/8/8/4K2r w - - 0 1", 6, ROOK},
    {"k7/8/8/8/7b/8/8/4K3 w - - 0 1", 4, BISHOP},
    {"k7/8/8/8/8/8/4n3/4K3 w - - 0 1", 2, KNIGHT},
    {"k7/8/8/8/8/8/3p4/4K3 w - - 0 1", 2, PAWN},
    {"k7/8/8/8/8/8/3p4/4K3 w - - 0 1", 4, PAWN},
    {"k7/8/8/8/8/8/3p4/4K3 w - - 0 1", 3, 0},
    {"k2r4/8/8/8/8/8/5n2/4K3 w - - 0 1", 3, ROOK},
    {"4k3/8/8/8/8/8/8/K5R1 b - - 0 1", 62, ROOK},
    {"4k3/8/8/B7/8/8/8/K7 b - - 0 1", 59, BISHOP},
    {"4k3/5P2/8/8/8/8/8/K7 b - - 0 1", 60, PAWN},
    {"4k3/5P2/8/8/8/8/8/K7 b - - 0 1", 62, PAWN},
    {"4k3/3N4/8/8/8/8/8/K7 b - - 0 1", 61, KNIGHT},
};

TEST(Attacks, CastlingSquareAttacked) {
    for (const Square_Case& c : square_cases) {
        SCOPED_TRACE(testing::Message() << c.fen << " square " << int(c.square));
        const Board b = Board_From(c.fen);
        const uint8_t found = c.square < 8 ? Square_Attacked_By_Black(&b, c.square) : Square_Attacked_By_White(&b, c.square);
        EXPECT_EQ(found, c.by_black);
    }
}

}  // namespace
