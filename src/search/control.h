// State shared by the driver, the root search, the search core and the input poll during one search.
#pragma once

#include <cstdint>

inline constexpr int32_t INFINITE_SCORE = 9999999;
inline constexpr int32_t MATE_SCORE = 1000000;

// Per-ply tables hold plies 0..100.
inline constexpr int MAX_PLY = 100;

struct Search_Control {
    uint16_t poll_count;
    uint8_t stop;
    uint64_t nodes;
    char input_line[65536];
    uint8_t null_move_on;
    double time_limit;
};

extern Search_Control search_control;
extern uint64_t root_nodes;
extern int32_t iteration_start;
extern uint8_t best_from;
extern uint8_t best_to;

// Milliseconds of wall time since the process started.
int32_t Clock_Milliseconds();
