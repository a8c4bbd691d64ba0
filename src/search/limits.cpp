#include "search/limits.h"

#include <algorithm>

#include "search/control.h"
#include "search/driver.h"

Search_Guard search_guard;

namespace {

constexpr double NO_BUDGET = -1;
// Time kept back from a hard limit for the reply to reach the other side.
constexpr double MOVETIME_MARGIN = 0.05;
constexpr double CLOCK_MARGIN = 0.05;
// Never spend more than this share of the time left on the clock on one move.
constexpr double CLOCK_SHARE = 0.25;
constexpr double SHORTEST_LIMIT = 0.001;

// Base time per move from the side to move's clock: fewer moves are expected to remain as the game goes on.
double Side_To_Move_Time(const Go_Parameters& go, uint8_t colour_move, uint16_t game_key_count) {
    const int moves_left = std::max(20, 80 - game_key_count / 2);
    return colour_move == 1 ? go.wtime / moves_left + go.winc : go.btime / moves_left + go.binc;
}

// Lowers the hard limit to at most the given time (a limit not above 0 means there was none).
void Cap_Time_Limit(Search_Limits* limits, double most) {
    const double current = limits->time_limit > 0 ? limits->time_limit : most;
    limits->time_limit = std::max(SHORTEST_LIMIT, std::min(current, most));
}

}  // namespace

Search_Limits Compute_Limits(const Go_Parameters& go, uint8_t colour_move, uint16_t game_key_count) {
    Search_Limits limits{50, NO_BUDGET, 0, false};
    double base = NO_BUDGET;
    bool timed = true;
    if (go.depth != 255) {
        limits.max_depth = go.depth;
        timed = false;
    } else if (go.infinite) {
        timed = false;
    } else if (go.movetime != -1) {
        base = go.movetime;
    } else if (go.movestogo != 255 || go.wtime != -1 || go.btime != -1) {
        base = Side_To_Move_Time(go, colour_move, game_key_count);
    } else {
        timed = false;  // a bare "go" searches like "go infinite"
    }
    limits.open_ended = go.depth == 255 && !timed && go.nodes == 0;
    if (timed && base != NO_BUDGET) limits.time_budget = base / 3;
    limits.time_limit = limits.time_budget * 30;
    if (!timed) return limits;

    // The reply must arrive in time whatever the budget says.
    const double own_clock = colour_move == 1 ? go.wtime : go.btime;
    if (go.movetime != -1) Cap_Time_Limit(&limits, go.movetime - std::min(MOVETIME_MARGIN, go.movetime / 5));
    if (own_clock != -1) Cap_Time_Limit(&limits, own_clock * CLOCK_SHARE - std::min(CLOCK_MARGIN, own_clock * CLOCK_SHARE / 2));
    return limits;
}

void Check_Search_Limits() {
    Search_Guard& g = search_guard;
    const uint64_t nodes = g.nodes_before + search_control.nodes + root_nodes;
    if (g.node_limit != 0 && nodes >= g.node_limit) search_control.stop = 1;
    if (search_control.time_limit <= 0) return;
    // The answer should come from a search: the clock lets the first root move of the first iteration finish,
    // unless it runs past twice the limit, when the first legal move is the answer.
    const double elapsed = (Clock_Milliseconds() - g.go_start) / 1000.0;
    const bool searched = g.first_iteration_done || root_has_result;
    if (elapsed > search_control.time_limit * (searched ? 1 : 2)) search_control.stop = 1;
}
