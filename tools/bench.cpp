// orlem-bench: a fixed set of positions searched to a fixed depth; the node total is the engine's signature.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "board/board.h"
#include "hash/table.h"
#include "search/limits.h"
#include "search/search.h"
#include "uci/go.h"
#include "uci/loop.h"
#include "uci/position.h"

namespace {

constexpr int DEFAULT_DEPTH = 10;

// Openings, middlegames, endgames and the standard move-generation test positions.
constexpr const char* bench_positions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1",
    "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3",
    "rnbqkb1r/1p2pppp/p2p1n2/8/3NP3/2N5/PPP2PPP/R1BQKB1R w KQkq - 0 6",
    "rnbqkb1r/ppp2ppp/4pn2/3p4/2PP4/2N5/PP2PPPP/R1BQKBNR w KQkq - 2 4",
    "rnbqkbnr/pp3ppp/4p3/2ppP3/3P4/8/PPP2PPP/RNBQKBNR w KQkq c6 0 4",
    "rnbq1rk1/ppp1ppbp/3p1np1/8/2PPP3/2N2N2/PP3PPP/R1BQKB1R w KQ - 0 6",
    "rnbqkbnr/pp2pppp/2p5/3p4/3PP3/8/PPP2PPP/RNBQKBNR w KQkq d6 0 3",
    "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3",
    "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP3PPP/R2QKB1R w KQ - 0 8",
    "2rq1rk1/pp1bppbp/2np1np1/8/3NP3/1BN1BP2/PPPQ2PP/R3K2R w KQ - 0 11",
    "r1b2rk1/2q1bppp/p2p1n2/np2p3/3PP3/5N1P/PPBN1PP1/R1BQR1K1 w - - 0 13",
    "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4",
    "r3k2r/pppq1ppp/2npbn2/2b1p3/2B1P3/2NPBN2/PPPQ1PPP/R3K2R w KQkq - 0 1",
    "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3",
    "6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1",
    "r5k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1",
    "8/8/8/4k3/8/8/4P3/4K3 w - - 0 1",
    "1K1k4/1P6/8/8/8/8/r7/2R5 w - - 0 1",
    "4k3/8/8/3PK3/8/8/8/r6R b - - 0 1",
    "8/8/8/3k4/8/8/3r4/3QK3 w - - 0 1",
    "8/3k4/2n5/8/3P4/2B5/3K4/8 w - - 0 1",
    "8/pp3k2/2p2p2/8/2P1B3/1P4P1/P4K2/8 w - - 0 30",
    "8/k7/3p4/p2P1p2/P2P1P2/8/8/K7 w - - 0 1",
    "8/1p3k2/p1p5/P1P5/1P3K2/8/8/8 w - - 0 1",
    "8/4P3/8/8/8/2k5/8/4K3 w - - 0 1",
    "6k1/8/8/8/8/1r6/r7/5K2 w - - 0 1",
};

// The search writes its lines to standard output; the bench keeps them out of its own report.
struct Silenced_Output {
    int saved;
    Silenced_Output() {
        std::fflush(stdout);
        saved = dup(1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~Silenced_Output() {
        std::fflush(stdout);
        dup2(saved, 1);
        close(saved);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int depth = argc > 1 ? std::atoi(argv[1]) : DEFAULT_DEPTH;
    if (depth < 1 || depth > 50) {
        std::fprintf(stderr, "usage: orlem-bench [DEPTH 1..50, default %d]\n", DEFAULT_DEPTH);
        return 2;
    }
    static Board board;
    Clear_Board(&board);
    Prepare_Engine();
    const std::string go = "go depth " + std::to_string(depth);

    uint64_t total_nodes = 0;
    uint64_t total_visited = 0;
    double total_seconds = 0;
    int index = 0;
    for (const char* fen : bench_positions) {
        Hash_Clear();  // every position starts from an empty table, as after "ucinewgame"
        hash_age = 0;
        const std::string position = std::string("position fen ") + fen;
        const uint64_t visited_before = positions_visited;
        const auto start = std::chrono::steady_clock::now();
        {
            Silenced_Output silence;
            Position_Command(&board, position.c_str());
            Go_Command(&board, go.c_str());
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const uint64_t nodes = search_guard.nodes_before;
        const uint64_t visited = positions_visited - visited_before;
        total_nodes += nodes;
        total_visited += visited;
        total_seconds += seconds;
        std::printf("Position %2d: nodes %12llu  visited %12llu  %s\n", ++index,
                    static_cast<unsigned long long>(nodes), static_cast<unsigned long long>(visited), fen);
    }
    if (total_seconds <= 0) total_seconds = 1e-9;
    std::printf("Depth: %d\n", depth);
    std::printf("Time: %.3f s\n", total_seconds);
    std::printf("Nodes: %llu\n", static_cast<unsigned long long>(total_nodes));
    std::printf("NPS: %llu\n", static_cast<unsigned long long>(total_nodes / total_seconds));
    std::printf("Positions visited: %llu\n", static_cast<unsigned long long>(total_visited));
    std::printf("Visited per second: %llu\n", static_cast<unsigned long long>(total_visited / total_seconds));
    Hash_Release();
    return 0;
}
