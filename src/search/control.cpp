// State shared by the driver, the root search, the search core and the input poll during one search.
#include "search/control.h"

#include <chrono>

Search_Control search_control;
uint64_t root_nodes;
int32_t iteration_start;
uint8_t best_from;
uint8_t best_to;

namespace {

using Wall_Clock = std::chrono::steady_clock;

// Taken during static initialisation, before the command loop starts.
const Wall_Clock::time_point process_start = Wall_Clock::now();

}  // namespace

// Milliseconds of wall time since the process started.
int32_t Clock_Milliseconds() {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Wall_Clock::now() - process_start);
    return static_cast<int32_t>(elapsed.count());
}
