// Cost of one static evaluation, as the quiescence search pays it at every node.
#include <benchmark/benchmark.h>

#include <string>

#include "eval/eval.h"

namespace {

// A board from a FEN with the material fields set from its pieces.
Board Eval_Board(const char* fen) {
    Board b{};
    Set_Fen(&b, (std::string("fen ") + fen).c_str());
    for (int s = 0; s < 64; ++s) {
        b.value_white_material += material_value[b.white_name_from_coord[s]];
        b.value_black_material += material_value[b.black_name_from_coord[s]];
    }
    return b;
}

void Evaluate_Position(benchmark::State& state, const char* fen) {
    const Board b = Eval_Board(fen);
    for (auto _ : state) benchmark::DoNotOptimize(Evaluate(&b));
}

BENCHMARK_CAPTURE(Evaluate_Position, start, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
BENCHMARK_CAPTURE(Evaluate_Position, middlegame,
                  "r2q1rk1/pp1nbppp/2p1pn2/3p4/2PP1B2/2N1PN2/PP3PPP/R2QKB1R w KQ - 0 1");
BENCHMARK_CAPTURE(Evaluate_Position, open_middlegame,
                  "r4rk1/1b3ppp/pq2p3/1p1nP3/3N4/P1B5/1P3PPP/R2Q1RK1 w - - 0 1");
BENCHMARK_CAPTURE(Evaluate_Position, rook_endgame, "3r2k1/5ppp/8/2p5/2P1R3/1P4P1/5P1P/6K1 b - - 0 1");
BENCHMARK_CAPTURE(Evaluate_Position, pawn_endgame, "8/5pk1/6p1/3P4/1p3P2/1P4P1/6K1/8 w - - 0 1");

}  // namespace
