// Board snapshot, the consistency test's messages and the material sums.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "board/board.h"
#include "uci/position.h"

namespace {

Board Start_Board() {
    Board b;
    Clear_Board(&b);
    Set_Fen(&b, START_FEN);
    b.hash_key = 0x0123456789ABCDEFULL;
    b.value_white_material = b.value_black_material = 4800;
    return b;
}

std::string Test_Board_Output(const Board& live, const Board& snapshot) {
    testing::internal::CaptureStdout();
    Test_Board(&live, &snapshot);
    return testing::internal::GetCapturedStdout();
}

TEST(Copy_Board, CopiesEverythingButTheScratchWord) {
    const Board live = Start_Board();
    Board snapshot;
    Clear_Board(&snapshot);
    snapshot.saved_targets = 77;
    Copy_Board(&snapshot, &live);
    EXPECT_EQ(snapshot.saved_targets, 77u);
    EXPECT_EQ(Test_Board_Output(live, snapshot), "");
    snapshot.saved_targets = 78;
    EXPECT_EQ(Test_Board_Output(live, snapshot), "");
}

struct Difference_Case {
    const char* name;
    std::function<void(Board&)> change;  // applied to the snapshot
    const char* lines;
};

TEST(Test_Board, WritesOneLinePerDifferingFieldInFieldOrder) {
    const Difference_Case cases[] = {
        {"key", [](Board& b) { b.hash_key ^= 1; }, "white test_hash_key !=  bitboard->hash_key\n"},
        {"side", [](Board& b) { b.colour_move = 0; }, "white test_colour_move != bitboard->colour_move\n"},
        {"passage x", [](Board& b) { b.taking_passage_x = 3; },
         "white test_taking_passage_x != bitboard->taking_passage_x\n"},
        {"black material", [](Board& b) { b.value_black_material = 4700; },
         "white test_value_black_material != bitboard->value_black_material\n"},
        {"bishops", [](Board& b) { b.white_piece[BISHOP] = 0; },
         "white test_white_piece[n] = bitboard->white_piece[n]3\n"},
        {"name table", [](Board& b) { b.black_name_from_coord[63] = 0; },
         "white test_black_name_from_coord[k] = bitboard->black_name_from_coord[k]63\n"},
        {"removed knight",
         [](Board& b) {
             b.all_piece ^= 2;
             b.all_white_piece ^= 2;
             b.white_piece[KNIGHT] ^= 2;
             b.white_name_from_coord[1] = 0;
         },
         "white test_all_piece != bitboard->all_piece\n"
         "white test_all_white_piece != bitboard->all_white_piece\n"
         "white test_white_piece[n] = bitboard->white_piece[n]2\n"
         "white test_white_name_from_coord[k] = bitboard->white_name_from_coord[k]1\n"},
        {"pieces interleave by index",
         [](Board& b) {
             b.black_piece[BISHOP] = 0;
             b.white_piece[BISHOP] = 0;
             b.black_piece[KNIGHT] = 0;
             b.castling_k = 0;
         },
         "white test_castling_k != bitboard->castling_k\n"
         "white test_black_piece[n] = bitboard->black_piece[n]2\n"
         "white test_white_piece[n] = bitboard->white_piece[n]3\n"
         "white test_black_piece[n] = bitboard->black_piece[n]3\n"},
    };
    const Board live = Start_Board();
    for (const Difference_Case& c : cases) {
        Board snapshot;
        Copy_Board(&snapshot, &live);
        c.change(snapshot);
        EXPECT_EQ(Test_Board_Output(live, snapshot), c.lines) << c.name;
    }
}

TEST(Material_Sum, CountsEachSideFromItsPieceSets) {
    struct Row {
        const char* fen;
        int32_t white, black;
    };
    const Row rows[] = {
        {START_FEN, 4800, 4800},
        {"fen 4k3/8/8/8/8/8/8/4K3 w - -", 0, 0},
        {"fen QQQQQQQQ/Q7/8/8/8/8/8/K6k w - -", 10800, 0},
        {"fen k7/8/8/8/8/q7/q7/qqqqqqqK b - -", 0, 10800},
        {"fen 4k3/1p6/8/8/8/8/PN6/RB2K3 w - -", 1500, 100},
    };
    for (const Row& r : rows) {
        Board b;
        Clear_Board(&b);
        Set_Fen(&b, r.fen);
        EXPECT_EQ(White_Material_Sum(&b), r.white) << r.fen;
        EXPECT_EQ(Black_Material_Sum(&b), r.black) << r.fen;
    }
}

}  // namespace
