// How the parameters of a "go" become the depth limit, the soft budget per iteration and the hard limit.
#include <gtest/gtest.h>

#include "search/limits.h"

namespace {

struct Limits_Case {
    const char* name;
    Go_Parameters go;
    uint8_t colour_move;
    uint16_t game_key_count;
    uint8_t max_depth;
    double budget;
    double limit;  // hard limit in seconds from the "go"; not above 0: none
    bool open_ended;
};

Go_Parameters Go(double wtime, double btime, double winc, double binc) {
    Go_Parameters go;
    go.wtime = wtime;
    go.btime = btime;
    go.winc = winc;
    go.binc = binc;
    return go;
}

TEST(Limits, FromTheGoParameters) {
    Go_Parameters movetime;
    movetime.movetime = 3;
    Go_Parameters depth_and_clocks = Go(300, 300, 0, 0);
    depth_and_clocks.depth = 5;
    Go_Parameters depth_zero;
    depth_zero.depth = 0;
    Go_Parameters infinite;
    infinite.infinite = 1;
    Go_Parameters movestogo;
    movestogo.movestogo = 40;
    Go_Parameters nodes;
    nodes.nodes = 1000;
    Go_Parameters short_movetime;
    short_movetime.movetime = 0.1;
    const Limits_Case cases[] = {
        // 80 moves expected at the start: 300 s / 80 = 3.75 s, a third of it per iteration, ten times it at most.
        {"game start", Go(300, 300, 0, 0), 1, 0, 50, 1.25, 37.5, false},
        // From move 120 on, 20 moves are expected; the hard limit keeps to a quarter of the 60 s left.
        {"late game", Go(100, 60, 0, 2), 0, 130, 50, 5.0 / 3, 60 * 0.25 - 0.05, false},
        {"movetime", movetime, 1, 0, 50, 1, 3 - 0.05, false},
        {"short movetime", short_movetime, 1, 0, 50, 0.1 / 3, 0.1 - 0.02, false},
        {"depth with clocks", depth_and_clocks, 1, 0, 5, -1, -30, false},
        {"depth 0", depth_zero, 1, 0, 0, -1, -30, false},
        {"infinite", infinite, 1, 0, 50, -1, -30, true},
        {"bare go searches like infinite", Go_Parameters{}, 1, 0, 50, -1, -30, true},
        {"node limit", nodes, 1, 0, 50, -1, -30, false},
        // Without clocks the formula divides the missing clock: a tiny negative budget, no hard limit.
        {"movestogo without clocks", movestogo, 1, 0, 50, (-1.0 / 80) / 3, (-1.0 / 80) * 10, false},
        {"only the other side's clock", Go(-1, 60, 0, 0), 1, 0, 50, (-1.0 / 80) / 3, (-1.0 / 80) * 10, false},
        // Little time and a large increment: the budget says seconds, the clock allows a fifth of one.
        {"large increment", Go(1, 1, 5, 5), 1, 0, 50, (1.0 / 80 + 5) / 3, 1 * 0.25 - 0.05, false},
        {"no time left", Go(0, 0, 0, 0), 1, 0, 50, 0, 0.001, false},
        // A tenth of a second left: a quarter of it, less half of that for the reply to arrive.
        {"little time left", Go(0.1, 5, 0, 0), 1, 0, 50, 0.1 / 80 / 3, 0.025 - 0.0125, false},
        {"negative clock", Go(-0.5, 10, 0, 0), 1, 0, 50, -0.5 / 80 / 3, 0.001, false},
    };
    for (const Limits_Case& c : cases) {
        const Search_Limits limits = Compute_Limits(c.go, c.colour_move, c.game_key_count);
        EXPECT_EQ(limits.max_depth, c.max_depth) << c.name;
        EXPECT_NEAR(limits.time_budget, c.budget, 1e-9) << c.name;
        EXPECT_NEAR(limits.time_limit, c.limit, 1e-9) << c.name;
        EXPECT_EQ(limits.open_ended, c.open_ended) << c.name;
    }
}

}  // namespace
