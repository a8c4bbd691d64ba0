// Taking back the last move made, from the move word and the bytes make saved.
#include "board/board.h"
#include "makemove/board_edit.h"
#include "makemove/make.h"
#include "movegen/bits.h"
#include "movegen/side.h"

namespace {

using namespace board_edit;

// Where a colour's two rights were saved.
template <Colour Us> struct Saved_Rights;
template <> struct Saved_Rights<WHITE> {
    static constexpr uint8_t Undo_Record::* long_right = &Undo_Record::castling_Q;
    static constexpr uint8_t Undo_Record::* short_right = &Undo_Record::castling_K;
};
template <> struct Saved_Rights<BLACK> {
    static constexpr uint8_t Undo_Record::* long_right = &Undo_Record::castling_q;
    static constexpr uint8_t Undo_Record::* short_right = &Undo_Record::castling_k;
};

template <Colour C>
void restore_long(Board& b, const Undo_Record& undo) { b.*Side<C>::long_right = undo.*Saved_Rights<C>::long_right; }
template <Colour C>
void restore_short(Board& b, const Undo_Record& undo) { b.*Side<C>::short_right = undo.*Saved_Rights<C>::short_right; }

// Gives back what a king move, or a rook leaving its corner, may have cost.
template <Colour Us>
void restore_own_rights(Board& b, const Undo_Record& undo, int t, int from) {
    using C = Castling_Squares<Us>;
    if (t == KING) {
        restore_short<Us>(b, undo);
        restore_long<Us>(b, undo);
    }
    if (t == ROOK && from == C::a) restore_long<Us>(b, undo);
    if (t == ROOK && from == C::h) restore_short<Us>(b, undo);
}

// Gives back the opponent's right lost when its rook was taken on a corner.
template <Colour Us>
void restore_captured_rights(Board& b, const Undo_Record& undo, int captured, int to) {
    constexpr Colour Them = Side<Us>::them;
    using C = Castling_Squares<Them>;
    if (captured == ROOK && to == C::a) restore_long<Them>(b, undo);
    if (captured == ROOK && to == C::h) restore_short<Them>(b, undo);
}

// Puts the opponent's piece of type c back on square e; the type comes from the move word.
template <Colour Them>
void put_back_victim(Board& b, int e, int c, int value) {
    Names<Them>(b)[e] = static_cast<uint8_t>(c);
    toggle<Them>(b, e, c);
    add_material<Them>(b, value);
}

// The promoted piece on to turns back into the pawn on from.
template <Colour Us>
void unpromote(Board& b, int from, int to) {
    uint8_t* names = Names<Us>(b);
    const int p = names[to];
    toggle<Us>(b, to, p);
    add_material<Us>(b, material_value[PAWN] - material_value[p]);
    names[from] = PAWN;
    names[to] = 0;
    toggle<Us>(b, from, PAWN);
}

template <Colour Us>
void unmake_move(Board& b, const Undo_Record& undo, Move m) {
    using S = Side<Us>;
    constexpr Colour Them = S::them;
    using C = Castling_Squares<Us>;
    const int captured = Move_Captured(m);
    const int kind = Move_Kind_Of(m);
    const int from = Move_From(m);
    const int to = Move_To(m);
    b.taking_passage_yes = undo.taking_passage_yes;
    b.colour_move = Us;
    switch (kind) {
        case KIND_QUIET: {
            const int t = Names<Us>(b)[to];
            if (t == PAWN && to - from == 2 * S::push) {
                b.taking_passage_x = undo.taking_passage_x;
                b.taking_passage_y = undo.taking_passage_y;
            } else {
                restore_own_rights<Us>(b, undo, t, from);
            }
            relocate<Us>(b, to, from);
            break;
        }
        case KIND_CAPTURE:
            restore_own_rights<Us>(b, undo, Names<Us>(b)[to], from);
            restore_captured_rights<Us>(b, undo, captured, to);
            relocate<Us>(b, to, from);
            put_back_victim<Them>(b, to, captured, material_value[captured]);
            break;
        case KIND_CASTLE_LONG:
            restore_long<Us>(b, undo);
            restore_short<Us>(b, undo);
            relocate<Us>(b, to, from);
            relocate<Us>(b, C::d, C::a);
            break;
        case KIND_CASTLE_SHORT:
            restore_long<Us>(b, undo);
            restore_short<Us>(b, undo);
            relocate<Us>(b, to, from);
            relocate<Us>(b, C::f, C::h);
            break;
        case KIND_EN_PASSANT:
            relocate<Us>(b, to, from);
            // En passant always gives back a pawn's worth.
            put_back_victim<Them>(b, to - S::push, captured, material_value[PAWN]);
            break;
        case KIND_PROMOTE_KNIGHT:
        case KIND_PROMOTE_BISHOP:
        case KIND_PROMOTE_ROOK:
        case KIND_PROMOTE_QUEEN:
            unpromote<Us>(b, from, to);
            break;
        case KIND_CAPTURE_PROMOTE_KNIGHT:
        case KIND_CAPTURE_PROMOTE_BISHOP:
        case KIND_CAPTURE_PROMOTE_ROOK:
        case KIND_CAPTURE_PROMOTE_QUEEN:
            restore_captured_rights<Us>(b, undo, captured, to);
            unpromote<Us>(b, from, to);
            put_back_victim<Them>(b, to, captured, material_value[captured]);
            break;
        default:
            return;  // make left the pieces alone for this word, so there is nothing to take back
    }
    b.all_piece = b.all_white_piece | b.all_black_piece;
}

}  // namespace

void Unmake_Move_White(Board* bitboard, const Undo_Record* undo, const Move_List* list, uint8_t index) {
    unmake_move<WHITE>(*bitboard, *undo, list->move[index]);
}
void Unmake_Move_Black(Board* bitboard, const Undo_Record* undo, const Move_List* list, uint8_t index) {
    unmake_move<BLACK>(*bitboard, *undo, list->move[index]);
}
