// Counting legal move sequences with the engine's own generators, make, check test and unmake.
#include "makemove/perft.h"

#include "makemove/colour_moves.h"

namespace {

template <Colour Us>
uint64_t perft(Board* b, int depth) {
    Move_List list;
    Generate_All<Us>(&list, b);
    uint64_t nodes = 0;
    for (int i = 0; i < list.move_count; ++i) {
        const uint8_t index = static_cast<uint8_t>(i);
        Undo_Record undo;
        Make_Move<Us>(b, &undo, &list, index);
        if (!King_Attacked<Us>(b)) nodes += depth == 1 ? 1 : perft<Opposite(Us)>(b, depth - 1);
        Unmake_Move<Us>(b, &undo, &list, index);
    }
    return nodes;
}

template <Colour Us>
int legal_moves(Board* b, Move_List* legal) {
    Move_List list;
    Generate_All<Us>(&list, b);
    int n = 0;
    legal->capture_count = 0;
    for (int i = 0; i < list.move_count; ++i) {
        const uint8_t index = static_cast<uint8_t>(i);
        Undo_Record undo;
        Make_Move<Us>(b, &undo, &list, index);
        if (!King_Attacked<Us>(b)) {
            legal->move[n] = list.move[i];
            legal->score[n++] = list.score[i];
            if (i < list.capture_count) legal->capture_count = static_cast<uint8_t>(n);
        }
        Unmake_Move<Us>(b, &undo, &list, index);
    }
    legal->move_count = static_cast<uint8_t>(n);
    return n;
}

}  // namespace

uint64_t Perft(Board* bitboard, int depth) {
    if (depth <= 0) return 1;
    return bitboard->colour_move ? perft<WHITE>(bitboard, depth) : perft<BLACK>(bitboard, depth);
}

int Legal_Moves(Board* bitboard, Move_List* legal) {
    return bitboard->colour_move ? legal_moves<WHITE>(bitboard, legal) : legal_moves<BLACK>(bitboard, legal);
}
