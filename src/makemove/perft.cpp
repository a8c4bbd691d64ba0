// Counting legal move sequences with the engine's own generators, make, check test and unmake.
#include "makemove/perft.h"

#include "makemove/make.h"
#include "movegen/generate.h"

namespace {

// Each colour's generators and make pair, so the walk is written once.
template <Colour Us> struct Mover;
template <> struct Mover<WHITE> {
    static void generate(Move_List* l, const Board* b) { Generate_Captures_White(l, b); Generate_Quiet_White(l, b); }
    static void make(Board* b, Undo_Record* u, const Move_List* l, uint8_t i) { Make_Move_White(b, u, l, i); }
    static void unmake(Board* b, const Undo_Record* u, const Move_List* l, uint8_t i) { Unmake_Move_White(b, u, l, i); }
    static bool in_check(const Board* b) { return King_Attacked_White(b) != 0; }
};
template <> struct Mover<BLACK> {
    static void generate(Move_List* l, const Board* b) { Generate_Captures_Black(l, b); Generate_Quiet_Black(l, b); }
    static void make(Board* b, Undo_Record* u, const Move_List* l, uint8_t i) { Make_Move_Black(b, u, l, i); }
    static void unmake(Board* b, const Undo_Record* u, const Move_List* l, uint8_t i) { Unmake_Move_Black(b, u, l, i); }
    static bool in_check(const Board* b) { return King_Attacked_Black(b) != 0; }
};

template <Colour Us>
uint64_t perft(Board* b, int depth) {
    using M = Mover<Us>;
    Move_List list;
    M::generate(&list, b);
    uint64_t nodes = 0;
    for (int i = 0; i < list.move_count; ++i) {
        const uint8_t index = static_cast<uint8_t>(i);
        Undo_Record undo;
        M::make(b, &undo, &list, index);
        if (!M::in_check(b)) nodes += depth == 1 ? 1 : perft<Opposite(Us)>(b, depth - 1);
        M::unmake(b, &undo, &list, index);
    }
    return nodes;
}

template <Colour Us>
int legal_moves(Board* b, Move_List* legal) {
    using M = Mover<Us>;
    Move_List list;
    M::generate(&list, b);
    int n = 0;
    legal->capture_count = 0;
    for (int i = 0; i < list.move_count; ++i) {
        const uint8_t index = static_cast<uint8_t>(i);
        Undo_Record undo;
        M::make(b, &undo, &list, index);
        if (!M::in_check(b)) {
            legal->move[n] = list.move[i];
            legal->score[n++] = list.score[i];
            if (i < list.capture_count) legal->capture_count = static_cast<uint8_t>(n);
        }
        M::unmake(b, &undo, &list, index);
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

void Coordinate_Text(Move m, char* text) {
    const int from = Move_From(m);
    const int to = Move_To(m);
    int n = 0;
    text[n++] = static_cast<char>('a' + from % 8);
    text[n++] = static_cast<char>('1' + from / 8);
    text[n++] = static_cast<char>('a' + to % 8);
    text[n++] = static_cast<char>('1' + to / 8);
    const int kind = Move_Kind_Of(m);
    if (kind > KIND_EN_PASSANT) text[n++] = " pnbrqk"[Promoted_Type(kind)];
    text[n] = 0;
}
