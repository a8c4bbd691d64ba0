// Null-move pruning: if passing still keeps the score beyond the far bound, the node is cut off.
#include "hash/table.h"
#include "makemove/zobrist.h"
#include "search/colour_calls.h"
#include "search/repetition.h"
#include "search/search.h"

namespace {

// The side to move passes: the side flips, the en-passant chance is gone, castling rights stay.
struct Null_Undo {
    uint8_t taking_passage_yes;
    uint8_t taking_passage_x;
    uint8_t taking_passage_y;
};

uint8_t Flip_Side(uint8_t colour_move) { return colour_move == 0 ? 1 : 0; }

Null_Undo Make_Null_Move(Board* b, uint64_t node_key) {
    const Null_Undo undo{b->taking_passage_yes, b->taking_passage_x, b->taking_passage_y};
    uint64_t key = node_key;
    if (b->taking_passage_yes) key ^= En_Passant_Key(b->taking_passage_x, b->taking_passage_y);
    b->hash_key = key ^ KEY_WHITE_TO_MOVE;
    b->colour_move = Flip_Side(b->colour_move);
    b->taking_passage_yes = b->taking_passage_x = b->taking_passage_y = 0;
    return undo;
}

void Unmake_Null_Move(Board* b, const Null_Undo& undo, uint64_t node_key) {
    b->taking_passage_yes = undo.taking_passage_yes;
    b->taking_passage_x = undo.taking_passage_x;
    b->taking_passage_y = undo.taking_passage_y;
    b->colour_move = Flip_Side(b->colour_move);
    b->hash_key = node_key;
}

template <Colour Us>
int32_t Null_Move_Test(Search_Control* control, Board* b, Window w, uint8_t depth, uint8_t ply,
                       int32_t last_move_kind, uint8_t pv_node, uint8_t in_check, uint8_t no_null,
                       uint64_t node_key) {
    using Side = Side_Window<Us>;
    constexpr Colour Them = Opposite(Us);

    // 1. Not after a plain capture, not in check, not on the principal variation, not too near the horizon.
    const int remaining = depth - ply;
    if (control->null_move_on != 1 || no_null || depth <= 4 || remaining < 2 || pv_node ||
        last_move_kind == KIND_CAPTURE || in_check)
        return NO_RESULT;

    // 2-5. Pass, let the opponent search shallower with the null window at the far bound, and take it back.
    const Null_Undo undo = Make_Null_Move(b, node_key);
    search_keys[ply + 1] = b->hash_key;  // the child's repetition test looks at its own position
    const uint64_t nodes = control->nodes;
    const int32_t s = Search<Them>(control, b, Side::Null_Window(Side::Near(w)), depth - 4, ply + 1,
                                   last_move_kind, 0, 0, 1);
    control->nodes = nodes;
    Unmake_Null_Move(b, undo, node_key);

    // 6-8. Far from the horizon a cut-off must be confirmed by a shallower search of the node itself.
    if (!Side::Reaches(s, Side::Far(w))) return NO_RESULT;
    if (remaining < 6) return Side::Far(w);
    const int32_t v = Search<Us>(control, b, Side::Verify_Window(Side::Far(w)), depth - 5, ply, last_move_kind, 0,
                                 0, 1);
    return Side::Reaches(v, Side::Far(w)) ? Side::Far(w) : NO_RESULT;
}

}  // namespace

int32_t Null_Move_White(Search_Control* control, Board* bitboard, int32_t alpha, int32_t beta, uint8_t depth,
                        uint8_t ply, int32_t last_move_kind, uint8_t pv_node, uint8_t in_check, uint8_t no_null,
                        uint64_t node_key) {
    return Null_Move_Test<WHITE>(control, bitboard, {alpha, beta}, depth, ply, last_move_kind, pv_node, in_check,
                                 no_null, node_key);
}

int32_t Null_Move_Black(Search_Control* control, Board* bitboard, int32_t alpha, int32_t beta, uint8_t depth,
                        uint8_t ply, int32_t last_move_kind, uint8_t pv_node, uint8_t in_check, uint8_t no_null,
                        uint64_t node_key) {
    return Null_Move_Test<BLACK>(control, bitboard, {alpha, beta}, depth, ply, last_move_kind, pv_node, in_check,
                                 no_null, node_key);
}
