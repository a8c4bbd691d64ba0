// Searches as a GUI runs them: answers, stops, quits, lines sent during a search, limits and odd positions.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "board/board.h"
#include "e2e/engine_pipe.h"
#include "makemove/perft.h"
#include "uci/output.h"
#include "uci/position.h"

namespace {

// The legal moves of the position a "position" line sets up, in coordinate text.
std::set<std::string> Legal_Moves(const std::string& position_line) {
    static Board b;
    Clear_Board(&b);
    Position_Command(&b, position_line.c_str());
    Move_List legal;
    std::set<std::string> texts;
    for (int i = 0, n = Legal_Moves(&b, &legal); i < n; ++i) {
        char text[8];
        Move_Text(legal.move[i], Suffix::Promotions, text);
        texts.insert(text);
    }
    return texts;
}

std::vector<std::string> Bestmoves(const std::string& output) {
    std::vector<std::string> moves;
    for (size_t at = 0; (at = output.find("bestmove ", at)) != std::string::npos; at += 9)
        moves.push_back(output.substr(at + 9, output.find('\n', at) - at - 9));
    return moves;
}

int Count(const std::string& text, const std::string& piece) {
    int n = 0;
    for (size_t at = 0; (at = text.find(piece, at)) != std::string::npos; at += piece.size()) ++n;
    return n;
}

const std::string MIDDLEGAME = "position fen r1b2rk1/2q1bppp/p2p1n2/np2p3/3PP3/5N1P/PPBN1PP1/R1BQR1K1 w - - 0 13";

TEST(Search_Session, StopEndsAnInfiniteSearchWithALegalMove) {
    const Engine_Result r = Run_Engine(
        {{"uci\n" + MIDDLEGAME + "\ngo infinite\n"}, {"stop\n", 400}, {"quit\n", 0, "bestmove"}},
        {.timeout_ms = 30000, .close_input = false});
    EXPECT_FALSE(r.timed_out);
    const std::vector<std::string> moves = Bestmoves(r.output);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_TRUE(Legal_Moves(MIDDLEGAME).count(moves[0])) << moves[0];
    EXPECT_EQ(r.exit_status, 1);
}

TEST(Search_Session, StopInTheSameWriteAsGoIsSeenByTheFirstPoll) {
    const Engine_Result r = Run_Engine({{"uci\n" + MIDDLEGAME + "\ngo infinite\nstop\n"}, {"quit\n", 0, "bestmove"}},
                                       {.timeout_ms = 30000, .close_input = false});
    EXPECT_FALSE(r.timed_out);
    ASSERT_EQ(Bestmoves(r.output).size(), 1u);
    EXPECT_TRUE(Legal_Moves(MIDDLEGAME).count(Bestmoves(r.output)[0]));
}

TEST(Search_Session, QuitDuringASearchEndsAtOnceWithoutAnAnswer) {
    const Engine_Result r = Run_Engine({{"uci\n" + MIDDLEGAME + "\ngo infinite\n"}, {"quit\n", 300}},
                                       {.timeout_ms = 30000, .close_input = false});
    EXPECT_FALSE(r.timed_out);
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_EQ(Bestmoves(r.output).size(), 0u);
}

// isready is answered during the search; a position and a go sent before the answer are carried out after it.
TEST(Search_Session, LinesDuringASearchAreAnsweredOrKept) {
    const std::string next = "position startpos moves e2e4";
    const Engine_Result r = Run_Engine(
        {{"uci\n" + MIDDLEGAME + "\ngo infinite\n"},
         {"isready\n", 300},
         {"stop\n" + next + "\ngo depth 3\n", 0, "readyok"},
         {"quit\n", 0, "bestmove"}},
        {.timeout_ms = 30000, .close_input = false});
    EXPECT_FALSE(r.timed_out);
    const size_t ready = r.output.find("readyok \n\n");
    ASSERT_NE(ready, std::string::npos);
    EXPECT_LT(ready, r.output.find("bestmove"));
    const std::vector<std::string> moves = Bestmoves(r.output);
    // The quit waits for the first answer only; the second search may still be running when it arrives.
    ASSERT_GE(moves.size(), 1u);
    EXPECT_TRUE(Legal_Moves(MIDDLEGAME).count(moves[0]));
    if (moves.size() > 1) {
        EXPECT_TRUE(Legal_Moves(next).count(moves[1]));
    }
}

TEST(Search_Session, KeptLinesRunAfterTheAnswer) {
    const std::string next = "position startpos moves e2e4";
    const Engine_Result r = Run_Engine({{"uci\n" + MIDDLEGAME + "\ngo infinite\n"}, {"stop\n" + next + "\ngo depth 3\n", 300}},
                                       {.timeout_ms = 30000});
    EXPECT_FALSE(r.timed_out);
    const std::vector<std::string> moves = Bestmoves(r.output);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_TRUE(Legal_Moves(MIDDLEGAME).count(moves[0]));
    EXPECT_TRUE(Legal_Moves(next).count(moves[1]));
    EXPECT_EQ(r.exit_status, 0);
}

// Time and nodes end a search by themselves; the end of input ends one that has no limit.
TEST(Search_Session, SearchesThatEndByThemselves) {
    struct Case {
        const char* name;
        std::string go;
        bool keep_input_open;
        int within_ms;
    } cases[] = {
        {"movetime", "go movetime 200\n", true, 2000},
        {"clock", "go wtime 800 btime 800 winc 0 binc 0\n", true, 3000},
        {"zero clock", "go wtime 0 btime 5000\n", true, 2000},
        {"nodes", "go nodes 20000\n", true, 10000},
        {"end of input during an infinite search", "go infinite\n", false, 5000},
        {"end of input during a bare go", "go\n", false, 5000},
    };
    for (const Case& c : cases) {
        std::vector<Input_Piece> pieces = {{"uci\n" + MIDDLEGAME + "\n" + c.go}};
        if (c.keep_input_open) pieces.push_back({"quit\n", 0, "bestmove"});
        const auto start = std::chrono::steady_clock::now();
        const Engine_Result r = Run_Engine(pieces, {.timeout_ms = 30000, .close_input = !c.keep_input_open});
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        EXPECT_FALSE(r.timed_out) << c.name;
        EXPECT_LT(ms, c.within_ms) << c.name;
        ASSERT_EQ(Bestmoves(r.output).size(), 1u) << c.name;
        EXPECT_TRUE(Legal_Moves(MIDDLEGAME).count(Bestmoves(r.output)[0])) << c.name;
    }
}

TEST(Search_Session, AnswersWithoutASearchableMove) {
    struct Case {
        const char* name;
        std::string input;
        std::string expected_in_output;
        std::string bestmove;
    } cases[] = {
        {"checkmated", "position fen R5k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1\ngo depth 5\n",
         "info  nps # depth 1 seldepth 0 score mate 0 nodes 0 pv \n", "(none)"},
        {"stalemate", "position fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1\ngo depth 3\n", " depth 3 seldepth 0 score cp 0 nodes 0 pv \n",
         "(none)"},
        {"no king", "position fen 8/8/8/8/8/8/8/4K2R w K - 0 1\ngo depth 3\n", "WARNING ! no king on the board\n", "(none)"},
        {"go before any position", "go depth 2\n", "WARNING ! no king on the board\n", "(none)"},
        {"depth 0 answers the first legal move", "position startpos\ngo depth 0\n", "", "b1a3"},
    };
    for (const Case& c : cases) {
        const Engine_Result r = Run_Engine("uci\n" + c.input, {.timeout_ms = 30000});
        const std::string output = Mask_Nps(r.output);
        EXPECT_NE(output.find(c.expected_in_output), std::string::npos) << c.name << "\n" << output;
        ASSERT_EQ(Bestmoves(r.output).size(), 1u) << c.name;
        EXPECT_EQ(Bestmoves(r.output)[0], c.bestmove) << c.name;
        EXPECT_EQ(r.exit_status, 0) << c.name;
    }
}

TEST(Search_Session, DepthSixtyStopsAfterFifty) {
    const Engine_Result r = Run_Engine("uci\nposition fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1\ngo depth 60\n", {.timeout_ms = 30000});
    EXPECT_EQ(Count(r.output, "info  nps"), 50);
    EXPECT_NE(r.output.find(" depth 50 "), std::string::npos);
    EXPECT_EQ(r.output.find(" depth 51 "), std::string::npos);
}

// A mate for the side to move is reported as its line's length, and the search ends with that iteration.
TEST(Search_Session, MateInTwoFoundAtDepthThree) {
    const std::string position = "position fen 7k/8/8/8/8/8/R7/1R4K1 w - - 0 1";
    const Engine_Result r = Run_Engine("uci\n" + position + "\ngo depth 10\n", {.timeout_ms = 30000});
    const size_t line = r.output.find(" depth 3 seldepth 3 score mate 3 ");
    ASSERT_NE(line, std::string::npos) << r.output;
    EXPECT_EQ(r.output.find(" depth 4 "), std::string::npos);
    // Playing the reported line leaves black mated.
    const size_t pv = r.output.find(" pv ", line) + 4;
    const std::string moves = r.output.substr(pv, r.output.find('\n', pv) - pv);
    EXPECT_TRUE(Legal_Moves(position + " moves " + moves).empty()) << moves;
    EXPECT_EQ(Bestmoves(r.output)[0], moves.substr(0, 4));
}

TEST(Search_Session, SameInputSameOutput) {
    const std::string input = "uci\nposition startpos moves e2e4 c7c5 g1f3\ngo depth 6\nposition startpos moves d2d4\ngo depth 5\n";
    const Engine_Result first = Run_Engine(input, {.timeout_ms = 60000});
    const Engine_Result second = Run_Engine(input, {.timeout_ms = 60000});
    EXPECT_EQ(Bestmoves(first.output).size(), 2u);
    EXPECT_EQ(Mask_Nps(first.output), Mask_Nps(second.output));
}

// Seven queens a side make a capture tree of seconds even at depth 1: the clock still ends the search, with the
// first legal move when not even one root move could be searched.
TEST(Search_Session, TheClockHoldsOnAnExplodingCaptureTree) {
    const std::string position = "position fen QQQQQQQ/qq$Kqqqqq/qrbq1k1r/p b - - 0 1";
    for (const char* go : {"go movetime 100\n", "go wtime 400 btime 400\n"}) {
        const auto start = std::chrono::steady_clock::now();
        const Engine_Result r = Run_Engine({{"uci\n" + position + "\n" + go}, {"quit\n", 0, "bestmove"}},
                                           {.timeout_ms = 30000, .close_input = false});
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        EXPECT_LT(ms, 1000) << go;
        ASSERT_EQ(Bestmoves(r.output).size(), 1u) << go;
        EXPECT_TRUE(Legal_Moves(position).count(Bestmoves(r.output)[0])) << go;
    }
}

// Positions far from the usual: more than 218 moves, nine queens, a side to move with a long list of checks.
TEST(Search_Session, CrowdedPositionsGetALegalAnswer) {
    const std::string positions[] = {
        "position fen R6R/3Q4/1Q4Q1/4Q3/2Q4Q/Q4Q2/pp1Q4/kBNN1KB1 w - - 0 1",
        "position fen 4k3/4p3/8/8/8/8/1QQQQQQ1/QQ2K2Q w - - 0 1",
        "position fen 3qk3/8/8/8/8/8/8/3QK3 w - - 0 1 moves d1d8 e8d8",
    };
    for (const std::string& position : positions) {
        const Engine_Result r = Run_Engine("uci\n" + position + "\ngo depth 3\n", {.timeout_ms = 60000});
        EXPECT_FALSE(r.timed_out) << position;
        EXPECT_EQ(r.errors, "") << position;
        const std::vector<std::string> moves = Bestmoves(r.output);
        ASSERT_EQ(moves.size(), 1u) << position;
        EXPECT_TRUE(Legal_Moves(position).count(moves[0])) << position << ": " << moves[0];
    }
}

}  // namespace
