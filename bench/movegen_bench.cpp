// Speed of generation, make, check test and unmake together, through perft.
#include <benchmark/benchmark.h>

#include <string>

#include "board/board.h"
#include "makemove/perft.h"
#include "movegen/generate.h"

namespace {

Board Position(const char* fen) {
    Board b{};
    Set_Fen(&b, (std::string("fen ") + fen).c_str());
    return b;
}

void Perft_Nodes(benchmark::State& state, const char* fen, int depth) {
    Board b = Position(fen);
    uint64_t nodes = 0;
    for (auto _ : state) {
        nodes = Perft(&b, depth);
        benchmark::DoNotOptimize(nodes);
    }
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["nps"] = benchmark::Counter(static_cast<double>(nodes) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_Perft_Start_Depth4(benchmark::State& state) {
    Perft_Nodes(state, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 4);
}
void BM_Perft_Kiwipete_Depth3(benchmark::State& state) {
    Perft_Nodes(state, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 3);
}

// Captures and quiet moves of one middlegame position, without making them.
void BM_Generate_Kiwipete(benchmark::State& state) {
    const Board b = Position("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    Move_List list;
    for (auto _ : state) {
        Generate_Captures_White(&list, &b);
        Generate_Quiet_White(&list, &b);
        benchmark::DoNotOptimize(list.move_count);
    }
}

}  // namespace

BENCHMARK(BM_Perft_Start_Depth4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Perft_Kiwipete_Depth3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generate_Kiwipete);
