#include <gtest/gtest.h>

#include <string>

#include "movegen/generate.h"
#include "movegen/list_text.h"

namespace {

struct Order_Case {
    const char* name;
    const char* fen;
    const char* expected;  // captures | quiet moves, in list order
};

const Order_Case order_cases[] = {
    {"start white", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
     "| b1a3 b1c3 g1f3 g1h3 a2a3 a2a4 b2b3 b2b4 c2c3 c2c4 d2d3 d2d4 e2e3 e2e4 f2f3 f2f4 g2g3 g2g4 h2h3 h2h4"},
    {"start black: double push first", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1",
     "| b8a6 b8c6 g8f6 g8h6 a7a5 a7a6 b7b5 b7b6 c7c5 c7c6 d7d5 d7d6 e7e5 e7e6 f7f5 f7f6 g7g5 g7g6 h7h5 h7h6"},
    {"promotion blocks queen rook bishop knight", "r1n4k/1P6/8/8/8/8/8/K7 w - - 0 1",
     "b7b8q=15 b7b8r=14 b7b8b=13 b7b8n=12 b7a8qxr=25 b7a8rxr=24 b7a8bxr=23 b7a8nxr=22 "
     "b7c8qxn=25 b7c8rxn=24 b7c8bxn=23 b7c8nxn=22 | a1b1 a1a2 a1b2"},
    {"blocked promotion square", "3brn1k/4P3/8/8/8/8/8/K7 w - - 0 1",
     "e7d8qxb=25 e7d8rxb=24 e7d8bxb=23 e7d8nxb=22 e7f8qxn=25 e7f8rxn=24 e7f8bxn=23 e7f8nxn=22 | a1b1 a1a2 a1b2"},
    {"black promotion", "k7/8/8/8/8/8/6p1/K4B1R b - - 0 1",
     "g2g1q=15 g2g1r=14 g2g1b=13 g2g1n=12 g2f1qxb=25 g2f1rxb=24 g2f1bxb=23 g2f1nxb=22 "
     "g2h1qxr=25 g2h1rxr=24 g2h1bxr=23 g2h1nxr=22 | a8a7 a8b7 a8b8"},
    {"white en passant from both sides", "4k3/8/8/2PpP3/8/8/8/4K3 w - d6 0 1",
     "c5d6xp=5 e5d6xp=5 | e1d1 e1f1 e1d2 e1e2 e1f2 c5c6 e5e6"},
    {"black en passant from both sides", "4k3/8/8/8/3pPp2/8/8/4K3 b - e3 0 1",
     "d4e3xp=5 f4e3xp=5 | e8d7 e8e7 e8f7 e8d8 e8f8 d4d3 f4f3"},
    {"ray targets ascending, not nearest first", "7k/8/8/8/8/8/7P/K1n4R w - - 0 1",
     "h1c1xn=16 | a1b1 a1a2 a1b2 h1d1 h1e1 h1f1 h1g1 h2h3 h2h4"},
    {"piece order and capture values", "4k3/8/8/8/8/1p1r3R/nPP5/QBNK4 w - - 0 1",
     "c2b3xp=9 c2d3xr=39 c1a2xn=18 c1b3xp=8 c1d3xr=38 b1a2xn=17 h3d3xr=36 a1a2xn=15 | "
     "d1e1 d1d2 d1e2 h3h4 h3h5 h3h6 h3h7 h3h8 h3e3 h3f3 h3g3 h3h1 h3h2 c1e2 c2c3 c2c4"},
    {"pawn push blocked two squares ahead", "4k3/8/8/8/4p3/8/4P3/4K3 w - - 0 1",
     "| e1d1 e1f1 e1d2 e1f2 e2e3"},
};

TEST(Generation, ListOrder) {
    for (const Order_Case& c : order_cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(List_Text(Generate_All(Board_From(c.fen))), c.expected);
    }
}

}  // namespace

namespace {

// Only the castling entries of a full generation.
std::string Castling_Text(const Move_List& list) {
    std::string text;
    for (int i = list.capture_count; i < list.move_count; ++i) {
        const int kind = Move_Kind_Of(list.move[i]);
        if (kind != KIND_CASTLE_LONG && kind != KIND_CASTLE_SHORT) continue;
        if (!text.empty()) text += ' ';
        text += Entry_Text(list, i, true);
    }
    return text;
}

struct Castling_Case {
    const char* name;
    const char* fen;
    const char* expected;
};

const Castling_Case castling_cases[] = {
    {"both sides free", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1c1=3 e1g1=4"},
    {"black, long first", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8=3 e8g8=4"},
    {"bishop attacks f1", "r3k2r/8/8/8/8/7b/8/R3K2R w KQkq - 0 1", "e1c1=3"},
    {"rook attacks d1", "3rk3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1g1=4"},
    {"knight attacks g1 (the destination)", "4k3/8/8/8/8/7n/8/R3K2R w KQ - 0 1", "e1c1=3"},
    {"pawn attacks d1", "4k3/8/8/8/8/8/2p5/R3K2R w KQ - 0 1", "e1g1=4"},
    {"attacked b1 does not matter", "1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1c1=3 e1g1=4"},
    {"occupied b1 does", "4k3/8/8/8/8/8/8/RN2K2R w KQ - 0 1", "e1g1=4"},
    {"out of check", "4k3/8/8/8/8/8/4r3/R3K2R w KQ - 0 1", ""},
    {"no rights", "r3k2r/8/8/8/8/8/8/R3K2R w - - 0 1", ""},
    {"white queen attacks f8", "r3k2r/8/8/8/8/8/8/4KQ2 b kq - 0 1", "e8c8=3"},
    {"white pawn attacks c8 and d8", "r3k2r/2P5/8/8/8/8/8/4K3 b kq - 0 1", "e8g8=4"},
};

TEST(Generation, CastlingConditions) {
    for (const Castling_Case& c : castling_cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Castling_Text(Generate_All(Board_From(c.fen))), c.expected);
    }
}

// The rights stand for king and rook being at home: the generator does not look at the corner.
TEST(Generation, CastlingTrustsTheRights) {
    Board b = Board_From("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    b.castling_Q = 1;
    EXPECT_EQ(Castling_Text(Generate_All(b)), "e1c1=3");
}

// En-passant fields that a malformed position can hold must not let a pawn capture round the board edge.
TEST(Generation, EnPassantDoesNotWrap) {
    struct Case {
        const char* fen;
        uint8_t x, y;
    };
    const Case cases[] = {
        {"4k3/8/8/7P/8/8/8/4K3 w - - 0 1", 0, 6},  // a7 is h5 + 9
        {"4k3/8/8/P7/8/8/8/4K3 w - - 0 1", 7, 4},  // h5 is a5 + 7
        {"4k3/8/8/8/p7/8/8/4K3 b - - 0 1", 7, 1},  // h2 is a4 - 9
        {"4k3/8/8/8/7p/8/8/4K3 b - - 0 1", 0, 3},  // a4 is h4 - 7
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fen);
        Board b = Board_From(c.fen);
        b.taking_passage_yes = 1;
        b.taking_passage_x = c.x;
        b.taking_passage_y = c.y;
        Move_List list;
        if (b.colour_move) Generate_Captures_White(&list, &b); else Generate_Captures_Black(&list, &b);
        EXPECT_EQ(list.move_count, 0);
    }
}

// Captures are looked for in the opponent's occupancy word, so a caller can hide victims from them;
// en passant and push promotions do not depend on that word, and a hidden piece still blocks its ray.
TEST(Generation, HiddenVictimsAreNotCaptured) {
    Board b = Board_From("2n1k3/1P6/8/3pP3/8/1pp5/P7/B3K3 w - d6 0 1");
    Move_List list;
    Generate_Captures_White(&list, &b);
    EXPECT_EQ(List_Text(list), "a2b3xp=9 e5d6xp=5 b7b8q=15 b7b8r=14 b7b8b=13 b7b8n=12 "
                               "b7c8qxn=25 b7c8rxn=24 b7c8bxn=23 b7c8nxn=22 a1c3xp=7 |");
    b.all_black_piece &= ~b.black_piece[PAWN];
    Generate_Captures_White(&list, &b);
    EXPECT_EQ(List_Text(list), "e5d6xp=5 b7b8q=15 b7b8r=14 b7b8b=13 b7b8n=12 "
                               "b7c8qxn=25 b7c8rxn=24 b7c8bxn=23 b7c8nxn=22 |");
}

// A malformed position with a ring of queens has 278 pseudo-legal moves: the list keeps its first 255
// entries, the 8-bit counters do not wrap and the captures at the front stay as written.
TEST(Generation, FullListDropsFurtherMoves) {
    const Board b = Board_From("QQQQQQQK/Q6Q/Q6Q/Q6Q/Q6Q/Q6Q/Q6Q/kQQQQQQQ w - - 0 1");
    Move_List captures;
    Generate_Captures_White(&captures, &b);
    const Move_List list = Generate_All(b);
    EXPECT_EQ(list.move_count, MOVE_LIST_CAPACITY);
    ASSERT_EQ(list.capture_count, captures.capture_count);
    for (int i = 0; i < list.capture_count; ++i) EXPECT_EQ(list.move[i], captures.move[i]);
    for (int i = list.capture_count; i < list.move_count; ++i) EXPECT_EQ(Move_Kind_Of(list.move[i]), KIND_QUIET);
}

// Appending to a nearly full list fills it and stops, castling moves included.
TEST(Generation, AppendingStopsAtCapacity) {
    const Board start = Board_From("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    const Move_List fresh = Generate_All(start);
    Move_List list;
    list.capture_count = list.move_count = MOVE_LIST_CAPACITY - 3;
    Generate_Quiet_White(&list, &start);
    EXPECT_EQ(list.move_count, MOVE_LIST_CAPACITY);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list.move[MOVE_LIST_CAPACITY - 3 + i], fresh.move[i]);
    Add_Castling_Move(&list, KIND_CASTLE_SHORT, 4, 6);
    EXPECT_EQ(list.move_count, MOVE_LIST_CAPACITY);
    EXPECT_EQ(list.move[MOVE_LIST_CAPACITY - 1], fresh.move[2]);
}

}  // namespace
