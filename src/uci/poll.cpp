// The search's only contact with the outside world: input and the clock, checked at its horizon.
#include "uci/poll.h"

#include <cstdio>
#include <cstdlib>

#include "hash/table.h"
#include "search/colour_calls.h"
#include "search/control.h"
#include "search/limits.h"
#include "uci/input.h"
#include "uci/loop.h"

namespace {

constexpr uint16_t POLL_INTERVAL = 50000;

// Reads a waiting line: "quit" ends the process, "stop" the search, "isready" is answered at once,
// and anything else is kept for the command loop after the search.
void Poll_Input() {
    if (Input_Waiting() == 0) return;
    char* line = search_control.input_line;
    if (Read_Line(line) != Read_Status::Line) {
        // With no limit of its own, a search that can no longer receive "stop" ends now.
        if (search_guard.open_ended) search_control.stop = 1;
        return;
    }
    if (Strings_Equal(line, "quit")) {
        Hash_Release();
        std::fflush(stdout);
        std::exit(1);
    }
    if (Strings_Equal(line, "stop")) {
        search_control.stop = 1;
    } else if (Strings_Equal(line, "isready")) {
        std::fputs("readyok \n\n", stdout);
        std::fflush(stdout);
    } else {
        Defer_Line(line);
    }
}

template <Colour Us>
int32_t Leaf(Board* b, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node) {
    if (search_control.poll_count > POLL_INTERVAL) {
        Poll_Input();
        search_control.poll_count = 0;
    }
    ++search_control.poll_count;
    return Quiescence<Us>(b, alpha, beta, ply, pv_node);
}

}  // namespace

int32_t Leaf_Poll_White(Board* bitboard, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node) {
    return Leaf<WHITE>(bitboard, alpha, beta, ply, pv_node);
}

int32_t Leaf_Poll_Black(Board* bitboard, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node) {
    return Leaf<BLACK>(bitboard, alpha, beta, ply, pv_node);
}
