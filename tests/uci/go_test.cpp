// The tokens of a "go" line and the age of the table.
#include <gtest/gtest.h>

#include <string>

#include "board/board.h"
#include "hash/table.h"
#include "uci/go.h"
#include "uci/loop.h"
#include "uci/position.h"

namespace {

TEST(Go_Line, Tokens) {
    struct Case {
        const char* line;
        uint8_t depth;
        double wtime, btime, winc, binc, movetime;
        uint8_t movestogo, infinite;
        uint64_t nodes;
    } cases[] = {
        {"go", 255, -1, -1, 0, 0, -1, 255, 0, 0},
        {"go depth 3 wtime 1000 depth 7", 7, 1, -1, 0, 0, -1, 255, 0, 0},
        {"go depth 256", 0, -1, -1, 0, 0, -1, 255, 0, 0},
        {"go depth -1", 255, -1, -1, 0, 0, -1, 255, 0, 0},
        {"go searchmoves e2e4 d2d4 depth 5", 5, -1, -1, 0, 0, -1, 255, 0, 0},
        {"go  wtime 300000   btime 299000 winc 2000 binc 1000 movestogo 40 ", 255, 300, 299, 2, 1, -1, 40, 0, 0},
        {"go movetime 250 infinite", 255, -1, -1, 0, 0, 0.25, 255, 1, 0},
        {"go ponder mate 3 nodes 5000", 255, -1, -1, 0, 0, -1, 255, 0, 5000},
        {"go depth x", 0, -1, -1, 0, 0, -1, 255, 0, 0},
        {"go wtime", 255, -1, -1, 0, 0, -1, 255, 0, 0},  // a keyword without its value counts as absent
        {"go depth 4 movetime", 4, -1, -1, 0, 0, -1, 255, 0, 0},
        {"gowhatever depth 2", 2, -1, -1, 0, 0, -1, 255, 0, 0},
    };
    for (const auto& c : cases) {
        const Go_Parameters go = Parse_Go(c.line);
        EXPECT_EQ(go.depth, c.depth) << c.line;
        EXPECT_DOUBLE_EQ(go.wtime, c.wtime) << c.line;
        EXPECT_DOUBLE_EQ(go.btime, c.btime) << c.line;
        EXPECT_DOUBLE_EQ(go.winc, c.winc) << c.line;
        EXPECT_DOUBLE_EQ(go.binc, c.binc) << c.line;
        EXPECT_DOUBLE_EQ(go.movetime, c.movetime) << c.line;
        EXPECT_EQ(go.movestogo, c.movestogo) << c.line;
        EXPECT_EQ(go.infinite, c.infinite) << c.line;
        EXPECT_EQ(go.nodes, c.nodes) << c.line;
    }
}

TEST(Go_Line, EveryGoAgesTheTableAndTheAgeWrapsAfter251) {
    static Board board;
    Clear_Board(&board);
    Prepare_Engine();
    hash_age = 0;
    Position_Command(&board, "position startpos");
    testing::internal::CaptureStdout();
    for (int i = 0; i < 251; ++i) Go_Command(&board, "go depth 0");
    EXPECT_EQ(hash_age, 251);
    Go_Command(&board, "go depth 0");
    EXPECT_EQ(hash_age, 1);
    const std::string output = testing::internal::GetCapturedStdout();
    // No iteration runs: the answer is the first legal move of the list.
    EXPECT_EQ(output.substr(0, 14), "bestmove b1a3\n");
}

}  // namespace
