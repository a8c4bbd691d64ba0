// Captures, en-passant captures and promotions, in the order the search tries them.
#include "board/board.h"
#include "movegen/append.h"
#include "movegen/bits.h"
#include "movegen/generate.h"
#include "movegen/side.h"

namespace {

using enum Ray_Direction;

// The four promotions of one pawn to one square stand together, queen first: move text relies on it.
template <Colour Us>
void promotions(Move_List& list, int& n, int from, int to, int captured) {
    const int base = captured ? KIND_CAPTURE_PROMOTE_QUEEN : KIND_PROMOTE_QUEEN;
    for (int kind = base; kind > base - 4; --kind) Append_Scored(list, n, Compose_Move(PAWN, to, from, kind, captured), kind);
}

// Captures of a pawn, knight or king onto the enemy squares of a jump table entry.
template <Colour Us>
void jump_captures(Move_List& list, int& n, const Board& b, int from, int piece, uint64_t targets) {
    const uint8_t* victims = Names<Side<Us>::them>(b);
    for (; targets; targets &= targets - 1) {
        const int to = First_One(targets);
        const int captured = victims[to];
        Append_Scored(list, n, Compose_Move(piece, to, from, KIND_CAPTURE, captured), 10 * captured - piece);
    }
}

// At most one capture per ray: of its first piece, when that piece is a capturable enemy.
template <Colour Us, const Square_Table& Ray, Ray_Direction D>
void ray_capture(Move_List& list, int& n, const Board& b, int from, int piece) {
    const uint64_t blockers = Ray[from] & b.all_piece;
    if (!blockers) return;
    const int to = Nearest<D>(blockers);
    if (!(Occupancy<Side<Us>::them>(b) & square_mask[to])) return;
    const int captured = Names<Side<Us>::them>(b)[to];
    Append_Scored(list, n, Compose_Move(piece, to, from, KIND_CAPTURE, captured), 10 * captured - piece);
}

// Rays in the order north, west, south, east.
template <Colour Us>
void rook_ray_captures(Move_List& list, int& n, const Board& b, int from, int piece) {
    ray_capture<Us, ray_north, Increasing>(list, n, b, from, piece);
    ray_capture<Us, ray_west, Decreasing>(list, n, b, from, piece);
    ray_capture<Us, ray_south, Decreasing>(list, n, b, from, piece);
    ray_capture<Us, ray_east, Increasing>(list, n, b, from, piece);
}

// Rays in the order north-east, north-west, south-west, south-east.
template <Colour Us>
void bishop_ray_captures(Move_List& list, int& n, const Board& b, int from, int piece) {
    ray_capture<Us, ray_north_east, Increasing>(list, n, b, from, piece);
    ray_capture<Us, ray_north_west, Increasing>(list, n, b, from, piece);
    ray_capture<Us, ray_south_west, Decreasing>(list, n, b, from, piece);
    ray_capture<Us, ray_south_east, Decreasing>(list, n, b, from, piece);
}

// The victim of an en-passant capture stands behind the target square e.
template <Colour Us>
void en_passant(Move_List& list, int& n, const Board& b, int from, int e) {
    const int victim = Names<Side<Us>::them>(b)[e - Side<Us>::push];
    Append_Scored(list, n, Compose_Move(PAWN, e, from, KIND_EN_PASSANT, victim), 5);
}

template <Colour Us>
void pawn_captures(Move_List& list, int& n, const Board& b) {
    using S = Side<Us>;
    const uint64_t enemy = Occupancy<S::them>(b);
    const uint8_t* victims = Names<S::them>(b);
    for (uint64_t pawns = Pieces<Us>(b)[PAWN]; pawns; pawns &= pawns - 1) {
        const int s = First_One(pawns);
        if (Rank_Of(s) == S::promotion_rank) {
            if (!(b.all_piece & square_mask[s + S::push])) promotions<Us>(list, n, s, s + S::push, 0);
            for (uint64_t targets = S::pawn_attacks[s] & enemy; targets; targets &= targets - 1) {
                const int to = First_One(targets);
                promotions<Us>(list, n, s, to, victims[to]);
            }
        } else {
            jump_captures<Us>(list, n, b, s, PAWN, S::pawn_attacks[s] & enemy);
        }
        if (b.taking_passage_yes == 1 && Rank_Of(s) == S::en_passant_rank) {
            const int e = b.taking_passage_y * 8 + b.taking_passage_x;
            if (e == s + S::step_9 && File_Of(s) != S::step_9_edge) en_passant<Us>(list, n, b, s, e);
            if (e == s + S::step_7 && File_Of(s) != S::step_7_edge) en_passant<Us>(list, n, b, s, e);
        }
    }
}

template <Colour Us>
void generate_captures(Move_List& list, const Board& b) {
    const uint64_t* own = Pieces<Us>(b);
    const uint64_t enemy = Occupancy<Side<Us>::them>(b);
    int n = 0;
    pawn_captures<Us>(list, n, b);
    for (uint64_t set = own[KNIGHT]; set; set &= set - 1) {
        const int s = First_One(set);
        jump_captures<Us>(list, n, b, s, KNIGHT, knight_attacks[s] & enemy);
    }
    for (uint64_t set = own[BISHOP]; set; set &= set - 1) bishop_ray_captures<Us>(list, n, b, First_One(set), BISHOP);
    for (uint64_t set = own[ROOK]; set; set &= set - 1) rook_ray_captures<Us>(list, n, b, First_One(set), ROOK);
    // A queen looks along the rook's rays first, then the bishop's.
    for (uint64_t set = own[QUEEN]; set; set &= set - 1) {
        rook_ray_captures<Us>(list, n, b, First_One(set), QUEEN);
        bishop_ray_captures<Us>(list, n, b, First_One(set), QUEEN);
    }
    if (own[KING]) {
        const int k = First_One(own[KING]);
        jump_captures<Us>(list, n, b, k, KING, king_attacks[k] & enemy);
    }
    list.capture_count = list.move_count = static_cast<uint8_t>(n);
}

}  // namespace

void Generate_Captures_White(Move_List* list, const Board* bitboard) { generate_captures<WHITE>(*list, *bitboard); }
void Generate_Captures_Black(Move_List* list, const Board* bitboard) { generate_captures<BLACK>(*list, *bitboard); }
