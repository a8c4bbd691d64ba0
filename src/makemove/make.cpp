// Playing a move on the board with incremental updates of every field it changes.
#include "makemove/make.h"

#include "board/board.h"
#include "makemove/board_edit.h"
#include "movegen/bits.h"
#include "movegen/side.h"

namespace {

using namespace board_edit;

// A king move gives up both rights; a rook leaving its corner gives up that corner's right.
template <Colour Us>
void drop_own_rights(Board& b, int t, int from) {
    using S = Side<Us>;
    using C = Castling_Squares<Us>;
    if (t == KING) b.*S::long_right = b.*S::short_right = 0;
    if (t == ROOK && from == C::a) b.*S::long_right = 0;
    if (t == ROOK && from == C::h) b.*S::short_right = 0;
}

// Taking a rook on the opponent's corner removes the opponent's right there; only the move word says rook.
template <Colour Us>
void drop_captured_rights(Board& b, int captured, int to) {
    using Them = Side<Side<Us>::them>;
    using C = Castling_Squares<Side<Us>::them>;
    if (captured == ROOK && to == C::a) b.*Them::long_right = 0;
    if (captured == ROOK && to == C::h) b.*Them::short_right = 0;
}

// Takes the opponent's piece off square e, lowering the opponent's material by value.
template <Colour Them>
void remove_victim(Board& b, int e, int value) {
    toggle<Them>(b, e, Names<Them>(b)[e]);
    add_material<Them>(b, -value);
    Names<Them>(b)[e] = 0;
}

// The pawn on from becomes a piece of type p on to.
template <Colour Us>
void promote(Board& b, int from, int to, int p) {
    uint8_t* names = Names<Us>(b);
    toggle<Us>(b, from, names[from]);
    names[to] = static_cast<uint8_t>(p);
    names[from] = 0;
    add_material<Us>(b, material_value[p] - material_value[PAWN]);
    toggle<Us>(b, to, p);
}

// The rook's half of castling, from its corner to its square beside the king.
template <Colour Us>
void castle_rook(Board& b, int corner, int beside) {
    using S = Side<Us>;
    relocate<Us>(b, corner, beside);
    b.*S::long_right = b.*S::short_right = 0;
}

template <Colour Us>
void make_move(Board& b, Undo_Record& undo, Move m) {
    using S = Side<Us>;
    constexpr Colour Them = S::them;
    using C = Castling_Squares<Us>;
    undo = {b.taking_passage_yes, b.taking_passage_x, b.taking_passage_y,
            b.castling_Q,         b.castling_K,       b.castling_q,       b.castling_k};
    b.taking_passage_yes = 0;
    b.colour_move = Them;
    const int kind = Move_Kind_Of(m);
    const int from = Move_From(m);
    const int to = Move_To(m);
    const int captured = Move_Captured(m);
    switch (kind) {
        case KIND_QUIET: {
            const int t = relocate<Us>(b, from, to);
            if (t == PAWN && to - from == 2 * S::push) {
                // The target square is the one the pawn passed over.
                b.taking_passage_yes = 1;
                b.taking_passage_x = static_cast<uint8_t>(from % 8);
                b.taking_passage_y = static_cast<uint8_t>(from / 8 + S::push / 8);
            }
            drop_own_rights<Us>(b, t, from);
            break;
        }
        case KIND_CAPTURE:
            remove_victim<Them>(b, to, material_value[Names<Them>(b)[to]]);
            drop_own_rights<Us>(b, relocate<Us>(b, from, to), from);
            drop_captured_rights<Us>(b, captured, to);
            break;
        case KIND_CASTLE_LONG:
            relocate<Us>(b, from, to);
            castle_rook<Us>(b, C::a, C::d);
            break;
        case KIND_CASTLE_SHORT:
            relocate<Us>(b, from, to);
            castle_rook<Us>(b, C::h, C::f);
            break;
        case KIND_EN_PASSANT:
            relocate<Us>(b, from, to);
            // The victim stands behind the target square; en passant always takes a pawn's worth.
            remove_victim<Them>(b, to - S::push, material_value[PAWN]);
            break;
        case KIND_PROMOTE_KNIGHT:
        case KIND_PROMOTE_BISHOP:
        case KIND_PROMOTE_ROOK:
        case KIND_PROMOTE_QUEEN:
            promote<Us>(b, from, to, kind - 10);
            break;
        case KIND_CAPTURE_PROMOTE_KNIGHT:
        case KIND_CAPTURE_PROMOTE_BISHOP:
        case KIND_CAPTURE_PROMOTE_ROOK:
        case KIND_CAPTURE_PROMOTE_QUEEN:
            promote<Us>(b, from, to, kind - 20);
            remove_victim<Them>(b, to, material_value[Names<Them>(b)[to]]);
            drop_captured_rights<Us>(b, captured, to);
            break;
        default:
            return;  // not a move this engine generates: nothing moves
    }
    b.all_piece = b.all_white_piece | b.all_black_piece;
}

}  // namespace

void Make_Move_White(Board* bitboard, Undo_Record* undo, const Move_List* list, uint8_t index) {
    make_move<WHITE>(*bitboard, *undo, list->move[index]);
}
void Make_Move_Black(Board* bitboard, Undo_Record* undo, const Move_List* list, uint8_t index) {
    make_move<BLACK>(*bitboard, *undo, list->move[index]);
}
