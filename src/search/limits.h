// How the parameters of a "go" become the limits of the search, and the state that enforces them.
#pragma once

#include <cstdint>

// The parameters as the "go" line gives them; 255 and -1 mark absent values.
struct Go_Parameters {
    uint8_t movestogo = 255;
    uint8_t infinite = 0;
    double wtime = -1;
    double btime = -1;
    double winc = 0;
    double binc = 0;
    double movetime = -1;
    uint8_t depth = 255;
    uint64_t nodes = 0;  // 0: no node limit
};

struct Search_Limits {
    uint8_t max_depth;   // deepest iteration allowed
    double time_budget;  // seconds; an iteration from depth 4 on that takes longer is the last; -1 none
    double time_limit;   // seconds from the "go" after which the search is stopped; not above 0 means none
    bool open_ended;     // nothing but "stop" ends it: so does the end of input
};

Search_Limits Compute_Limits(const Go_Parameters& go, uint8_t colour_move, uint16_t game_key_count);

// Watches the limits that the input poll does not: the clock from the "go" and the node budget.
struct Search_Guard {
    int32_t go_start;          // clock reading when the "go" arrived
    uint64_t node_limit;       // 0: none
    uint64_t nodes_before;     // nodes of the iterations already finished
    bool open_ended;
    bool first_iteration_done; // until then the clock waits for the first root move to be searched
    uint16_t leaf_count;       // horizon and quiescence positions since the last check
};

extern Search_Guard search_guard;

// Raises the stop flag once the hard time limit or the node budget has passed.
void Check_Search_Limits();

// Counts one position towards the next check of the limits; a long capture sequence is checked too.
inline void Count_Toward_Limits() {
    constexpr uint16_t LIMIT_INTERVAL = 1024;
    if (++search_guard.leaf_count >= LIMIT_INTERVAL) {
        search_guard.leaf_count = 0;
        Check_Search_Limits();
    }
}
