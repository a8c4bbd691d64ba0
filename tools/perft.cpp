// orlem-perft: counts legal move sequences from a position, optionally split by root move.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "board/board.h"
#include "makemove/make.h"
#include "makemove/perft.h"
#include "uci/output.h"

namespace {

constexpr const char* START_PLACEMENT = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

int Usage() {
    std::fprintf(stderr,
                 "usage: orlem-perft [--divide] DEPTH FEN...\n"
                 "  DEPTH     number of plies to count (1 or more)\n"
                 "  FEN       the position, as one argument or as its separate words; 'startpos' for the start\n"
                 "  --divide  also print the count under each legal root move (e2e4: 20), in generation order;\n"
                 "            it may stand anywhere on the line\n");
    return 2;
}

void Play(Board* b, Move m) {
    Move_List one{};
    one.move[0] = m;
    one.move_count = 1;
    Undo_Record undo;
    if (b->colour_move) Make_Move_White(b, &undo, &one, 0); else Make_Move_Black(b, &undo, &one, 0);
}

}  // namespace

int main(int argc, char** argv) {
    bool divide = false;
    int depth = -1;
    std::string fen;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--divide") == 0) {
            divide = true;
        } else if (depth < 0) {
            char* end = nullptr;
            const long value = std::strtol(argv[i], &end, 10);
            if (*end != 0 || value < 1 || value > 64) return Usage();
            depth = static_cast<int>(value);
        } else {
            if (!fen.empty()) fen += ' ';
            fen += argv[i];
        }
    }
    if (depth < 0 || fen.empty()) return Usage();
    if (fen == "startpos") fen = START_PLACEMENT;

    Board board{};
    Set_Fen(&board, ("fen " + fen).c_str());

    const auto start = std::chrono::steady_clock::now();
    uint64_t nodes = 0;
    if (divide) {
        Move_List roots;
        const int count = Legal_Moves(&board, &roots);
        for (int i = 0; i < count; ++i) {
            Board child = board;
            Play(&child, roots.move[i]);
            const uint64_t below = Perft(&child, depth - 1);
            nodes += below;
            char text[6];
            Move_Text(roots.move[i], Suffix::Promotions, text);
            std::printf("%s: %llu\n", text, static_cast<unsigned long long>(below));
        }
        std::printf("\n");
    } else {
        nodes = Perft(&board, depth);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("nodes %llu\n", static_cast<unsigned long long>(nodes));
    std::printf("time %.3f s\n", seconds);
    std::printf("nps %.0f\n", seconds > 0 ? nodes / seconds : 0.0);
    return 0;
}
