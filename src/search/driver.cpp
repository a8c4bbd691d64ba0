// Iterative deepening: the whole search of one "go", its limits, its self-tests and its answer.
#include <cstdio>
#include <cstring>

#include "makemove/perft.h"
#include "makemove/zobrist.h"
#include "search/colour_calls.h"
#include "search/driver.h"
#include "search/limits.h"
#include "search/pv.h"
#include "search/repetition.h"
#include "uci/output.h"

namespace {

constexpr uint8_t DEEPEST_ITERATION = 50;

// The result of the last iteration that searched at least one root move to its end.
struct Iteration_Result {
    bool valid;
    int32_t score;
    PV_Record line;
    uint8_t from;
    uint8_t to;
};

void Keep_Result(Iteration_Result* result, int32_t score) {
    result->valid = true;
    result->score = score;
    std::memcpy(&result->line, &pv, sizeof pv);
    result->from = best_from;
    result->to = best_to;
}

void Restore_Result(const Iteration_Result& result) {
    std::memcpy(&pv, &result.line, sizeof pv);
    best_from = result.from;
    best_to = result.to;
}

void Report_Key_Error(const Board* b, uint64_t key) {
    if (b->hash_key != key) std::fputs("\nERROR HESH Test_Deepening(in Iterative_Deepening) \n", stdout);
}

template <Colour Us>
void Deepen(Board* b, const Search_Limits& limits) {
    // 2-5. Material, key, the search path's keys and the stop flag.
    b->value_white_material = static_cast<uint16_t>(White_Material_Sum(b));
    b->value_black_material = static_cast<uint16_t>(Black_Material_Sum(b));
    const int32_t material = b->value_white_material - b->value_black_material;
    Compute_Hash_Key(b);
    const uint64_t key = b->hash_key;
    for (int i = 0; i <= MAX_PLY; ++i) search_keys[i] = static_cast<uint64_t>(i);
    search_keys[0] = key;
    search_control.poll_count = 0;
    search_control.stop = 0;

    // 6. The root moves, generated once for every iteration.
    Move_List list;
    Generate_All<Us>(&list, b);

    // 7-8. Iterate until the depth limit, a mate, the soft budget or a stop.
    Iteration_Result last{};
    bool mate = false;
    for (uint8_t d = 1; d <= limits.max_depth && !mate && d <= DEEPEST_ITERATION && search_control.stop == 0; ++d) {
        root_nodes = 0;
        search_control.nodes = 0;
        iteration_start = Clock_Milliseconds();
        int32_t score = Us == WHITE ? Root_Search_White(&list, b, d) : Root_Search_Black(&list, b, d);
        double elapsed = (Clock_Milliseconds() - iteration_start) / 1000.0;
        if (elapsed < 0.01) elapsed = 0.01;
        const uint64_t nodes = search_control.nodes + root_nodes;
        search_guard.nodes_before += nodes;
        search_guard.first_iteration_done = true;

        // A stopped iteration that finished no root move leaves the last finished result standing.
        if (root_has_result) {
            Keep_Result(&last, score);
        } else if (last.valid) {
            Restore_Result(last);
            score = last.score;
        } else {
            pv.length = 0;
            score = 0;
        }

        if (material != b->value_white_material - b->value_black_material)
            std::fputs("ERROR test_eval != bitboard->eval(in Iterative_Deepening)\n", stdout);
        Report_Key_Error(b, key);
        mate = Print_Iteration_Info(static_cast<uint64_t>(nodes / elapsed), d, &pv, score, b->colour_move, nodes);
        if (limits.time_budget != -1 && elapsed > limits.time_budget && d >= 4) break;
    }

    // 9-11. The answer: the line's first move, else the first legal move, else none.
    Report_Key_Error(b, key);
    Move_List legal;
    if (Legal_Moves(b, &legal) == 0) {
        std::fputs("bestmove (none)\n", stdout);
        return;
    }
    if (!last.valid) {
        Print_Bestmove(legal.move[0]);
        return;
    }
    Print_Bestmove(pv.move[0]);
    if (Move_From(pv.move[0]) != best_from) std::fputs("ERROR from(in Iterative_Deepening)\n", stdout);
    if (Move_To(pv.move[0]) != best_to) std::fputs("ERROR to(in Iterative_Deepening)\n", stdout);
}

}  // namespace

void Iterative_Deepening(Board* bitboard, uint8_t movestogo, uint8_t infinite, double wtime, double btime,
                         double winc, double binc, double movetime, uint8_t depth, uint64_t node_limit) {
    // 1. Limits.
    Go_Parameters go;
    go.movestogo = movestogo;
    go.infinite = infinite;
    go.wtime = wtime;
    go.btime = btime;
    go.winc = winc;
    go.binc = binc;
    go.movetime = movetime;
    go.depth = depth;
    go.nodes = node_limit;
    const Search_Limits limits = Compute_Limits(go, bitboard->colour_move, game_key_count);
    search_control.time_limit = limits.time_limit;
    search_guard = Search_Guard{Clock_Milliseconds(), node_limit, 0, limits.open_ended, false, 0};

    // Without both kings there is no game to search.
    if (!Both_Kings_Present(bitboard)) {
        std::fputs("WARNING ! no king on the board\nbestmove (none)\n", stdout);
        std::fflush(stdout);
        return;
    }
    if (bitboard->colour_move == 1) Deepen<WHITE>(bitboard, limits); else Deepen<BLACK>(bitboard, limits);
    std::fflush(stdout);
}
