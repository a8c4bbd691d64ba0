// The search's output lines and the text of move words, byte for byte.
#include "uci/output.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

constexpr Move PROMOTE_KNIGHT = Compose_Move(1, 60, 52, KIND_PROMOTE_KNIGHT, 0);       // e7e8n
constexpr Move PROMOTE_QUEEN = Compose_Move(1, 60, 52, KIND_PROMOTE_QUEEN, 0);         // e7e8q
constexpr Move TAKE_PROMOTE_ROOK = Compose_Move(1, 2, 11, KIND_CAPTURE_PROMOTE_ROOK, 4);  // d2c1r
constexpr Move EN_PASSANT = Compose_Move(1, 43, 36, KIND_EN_PASSANT, 1);               // e5d6
constexpr Move CASTLE = Compose_Move(6, 6, 4, KIND_CASTLE_SHORT, 0);                    // e1g1
constexpr Move CAPTURE = Compose_Move(5, 63, 0, KIND_CAPTURE, 3);                       // a1h8
constexpr Move KING_STEP = Compose_Move(6, 27, 18, KIND_QUIET, 0);                      // c3d4

PV_Record Line_Of(std::initializer_list<Move> moves, int32_t score) {
    PV_Record record{};
    for (Move m : moves) record.move[record.length++] = m;
    record.score_move = score;
    return record;
}

TEST(MoveText, SuffixVariants) {
    struct Row { Move move; const char* none; const char* promotions; const char* all_but_en_passant; };
    const Row rows[] = {
        {PROMOTE_KNIGHT, "e7e8", "e7e8n", "e7e8n"},
        {PROMOTE_QUEEN, "e7e8", "e7e8q", "e7e8q"},
        {TAKE_PROMOTE_ROOK, "d2c1", "d2c1r", "d2c1r"},
        {EN_PASSANT, "e5d6", "e5d6", "e5d6"},
        {CASTLE, "e1g1", "e1g1", "e1g1 "},
        {CAPTURE, "a1h8", "a1h8", "a1h8 "},
        {0, "a1a1", "a1a1", "a1a1 "},  // the empty word
    };
    for (const Row& r : rows) {
        char text[6];
        EXPECT_EQ(Move_Text(r.move, Suffix::None, text), 4);
        EXPECT_STREQ(text, r.none);
        Move_Text(r.move, Suffix::Promotions, text);
        EXPECT_STREQ(text, r.promotions);
        const int length = Move_Text(r.move, Suffix::All_But_En_Passant, text);
        EXPECT_STREQ(text, r.all_but_en_passant);
        EXPECT_EQ(length, static_cast<int>(std::string(r.all_but_en_passant).size()));
    }
}

TEST(RootInfo, LinesFollowTheLastScoreAndDepthWritten) {
    struct Row {
        const char* what;
        int32_t score;
        uint8_t depth;
        PV_Record record;
        uint8_t colour;
        uint64_t nodes;
        std::string expected;
    };
    const PV_Record promotion = Line_Of({PROMOTE_QUEEN, KING_STEP}, 1197);
    const Row rows[] = {
        {"first line", 1197, 2, promotion, 1, 8,
         "info  depth 2 seldepth 2 score cp 1197 nodes 8 pv e7e8q c3d4  \n"},
        {"same score and depth", 1197, 2, promotion, 1, 9, "\n"},
        {"same score, new depth", 1197, 3, promotion, 1, 20,
         "\ninfo  depth 3 seldepth 2 score cp 1197 nodes 20 pv e7e8q c3d4  \n"},
        {"black to move, en passant and a knight promotion", -35, 3,
         Line_Of({EN_PASSANT, PROMOTE_KNIGHT}, -35), 0, 21,
         "info  depth 3 seldepth 2 score cp 35 nodes 21 pv e5d6 e7e8n \n"},
        {"mate for the side to move", 997000, 3, Line_Of({CAPTURE, KING_STEP, CASTLE}, 997000), 1, 100,
         "info  depth 3 seldepth 3 score mate 3 nodes 100 pv a1h8  c3d4  e1g1  \n"},
        {"mate against black to move", 996000, 4, Line_Of({CAPTURE, KING_STEP, CASTLE, CAPTURE}, 996000), 0, 5,
         "info  depth 4 seldepth 4 score mate -4 nodes 5 pv a1h8  c3d4  e1g1  a1h8  \n"},
        {"mated at the root", -1000000, 1, Line_Of({}, -1000000), 1, 0,
         "info  depth 1 seldepth 0 score mate 0 nodes 0 pv \n"},
        {"threshold is centipawns", 900000, 1, Line_Of({CAPTURE}, 900000), 1, 1,
         "info  depth 1 seldepth 1 score cp 900000 nodes 1 pv a1h8  \n"},
        {"minus the threshold", -900000, 1, Line_Of({CAPTURE}, -900000), 1, 1,
         "info  depth 1 seldepth 1 score cp -900000 nodes 1 pv a1h8  \n"},
        {"nodes in 32 signed bits", 12, 2, Line_Of({CAPTURE}, 12), 1, (uint64_t{1} << 32) + 5,
         "info  depth 2 seldepth 1 score cp 12 nodes 5 pv a1h8  \n"},
        {"nodes past 2^31", 13, 2, Line_Of({CAPTURE}, 13), 1, uint64_t{1} << 31,
         "info  depth 2 seldepth 1 score cp 13 nodes -2147483648 pv a1h8  \n"},
        {"line of another score", 50, 2, Line_Of({CAPTURE}, 40), 1, 7,
         "info  depth 2 seldepth 1 score cp 50 nodes 7\nERROR LINE \n value = 50\n"
         " p_PV_best_point.score_move = 40\n**********************\n  \n\n"},
    };
    last_info_score = 0;
    last_info_depth = 0;
    for (const Row& r : rows) {
        testing::internal::CaptureStdout();
        Print_Root_Info(r.score, r.depth, &r.record, r.colour, r.nodes);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), r.expected) << r.what;
        EXPECT_EQ(last_info_score, r.score) << r.what;
        EXPECT_EQ(last_info_depth, r.depth) << r.what;
    }
}

TEST(RootInfo, ScoreZeroAtDepthZeroMatchesTheStartingState) {
    last_info_score = 0;
    last_info_depth = 0;
    const PV_Record line = Line_Of({KING_STEP}, 0);
    testing::internal::CaptureStdout();
    Print_Root_Info(0, 0, &line, 1, 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n");
}

TEST(SearchLines, CurrmoveIterationAndBestmove) {
    Move_List list{};
    list.move[0] = CASTLE;
    list.move[1] = PROMOTE_KNIGHT;
    list.move_count = 2;
    testing::internal::CaptureStdout();
    Print_Currmove(&list, 2, 1, 7);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "info currmove e7e8 currmovenumber 2 depth 7\n");

    const PV_Record line = Line_Of({PROMOTE_KNIGHT, EN_PASSANT, CASTLE}, 1198);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Print_Iteration_Info(800, 3, &line, 1198, 1, 53));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "info  nps 800 depth 3 seldepth 3 score cp 1198 nodes 53 pv e7e8n e5d6 e1g1 \n");

    const PV_Record mated = Line_Of({CASTLE, KING_STEP}, 998000);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(Print_Iteration_Info((uint64_t{1} << 32) + 6600, 2, &mated, 998000, 0, 66));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "info  nps 6600 depth 2 seldepth 2 score mate -2 nodes 66 pv e1g1 c3d4 \n");

    testing::internal::CaptureStdout();
    Print_Score_Part(-997000, 0, 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " score mate 3");

    testing::internal::CaptureStdout();
    Print_Bestmove(PROMOTE_KNIGHT);
    Print_Bestmove(CASTLE);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "bestmove e7e8n\nbestmove e1g1\n");
}

}  // namespace
