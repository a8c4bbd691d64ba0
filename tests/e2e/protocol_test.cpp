// The engine process as a GUI sees it: replies, line handling and exit status, through pipes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/engine_pipe.h"
#include "protocol_replies.h"

namespace {

struct Session_Case {
    const char* name;
    std::string input;
    std::string output;
    int exit_status;
};

TEST(Engine_Process, RepliesAndExitStatus) {
    const std::string longest(65533, 'x');
    const Session_Case cases[] = {
        {"handshake", "uci\nisready\n", UCI_REPLY + READY, 0},
        {"no input", "", "", 0},
        {"quit ends with 1 at once", "isready\nquit\nisready\n", READY, 1},
        {"last line without line feed", "isready\nisready", READY + READY, 0},
        {"carriage returns", "uci\r\nisready\r\n", UCI_REPLY + READY, 0},
        {"near misses", "uci \ndebug\nucinewgamex\n\nisreadyy\nstop now\nquit \n", [] {
             std::string all;
             for (int i = 0; i < 7; ++i) all += UNKNOWN;
             return all;
         }(), 0},
        {"accepted silently", "debug on\ndebug off\nponderhit\nstop\nsetoption name Ponder value true\n", "", 0},
        {"longest line is read", "isready\n" + longest + "\nisready\n", READY + UNKNOWN + READY, 0},
        {"longest line with carriage return", longest + "\r\nisready\n", UNKNOWN + READY, 0},
        {"overlong line ends the loop", "isready\n" + longest + "y\nisready\n", READY, 0},
        {"overlong last line", "isready\n" + std::string(100000, 'x'), READY, 0},
        {"commands before uci",
         "setoption name Hash value 2\nucinewgame\nposition startpos moves e2e4 e7e5\nsetoption name Hash value 0\n"
         "isready\nuci\nisready\n",
         READY + UCI_REPLY + READY, 0},
        {"quit before uci", "quit\n", "", 1},
        {"second uci", "uci\nuci\nucinewgame\nisready\n", UCI_REPLY + UCI_REPLY + READY, 0},
    };
    for (const Session_Case& c : cases) {
        const Engine_Result r = Run_Engine(c.input, {.timeout_ms = 30000});
        EXPECT_FALSE(r.timed_out) << c.name;
        EXPECT_EQ(r.output, c.output) << c.name;
        EXPECT_EQ(r.exit_status, c.exit_status) << c.name;
        EXPECT_EQ(r.errors, "") << c.name;
    }
}

// A line that arrives in pieces is read whole, and every reply is on the pipe before more input comes:
// a reply held back in a buffer would leave the next piece waiting until the deadline.
TEST(Engine_Process, ReadsLinesInPiecesAndAnswersAtOnce) {
    const std::vector<Input_Piece> pieces = {
        {"is"}, {"rea", 50}, {"dy\nu", 50}, {"ci\r", 50}, {"\n", 50},
        {"isready\n", 0, UCI_REPLY}, {"quit\n", 0, UCI_REPLY + READY},
    };
    const Engine_Result r = Run_Engine(pieces, {.timeout_ms = 30000, .close_input = false});
    EXPECT_FALSE(r.timed_out);
    EXPECT_EQ(r.output, READY + UCI_REPLY + READY);
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_EQ(r.errors, "");
}

// The position command's only output is its warning; the moves around a bad one are still played.
TEST(Engine_Process, PositionWarnings) {
    const Engine_Result r = Run_Engine(
        "uci\nposition startpos moves e2e4 e9e4 e7e5 e1h1\nposition fen 7k/4P3/8/8/8/8/8/4K3 w - - moves e7e8Q\n"
        "position startpos moves   \nisready\n",
        {.timeout_ms = 30000});
    EXPECT_EQ(r.output, UCI_REPLY + "WARNING ! moves error\nWARNING ! moves error\nWARNING ! moves error\n" + READY);
    EXPECT_EQ(r.exit_status, 0);
}

}  // namespace
