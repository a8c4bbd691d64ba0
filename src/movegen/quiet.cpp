// Quiet moves and castling, appended after the captures.
#include "board/board.h"
#include "movegen/append.h"
#include "movegen/bits.h"
#include "movegen/generate.h"
#include "movegen/side.h"

namespace {

using enum Ray_Direction;

// One quiet entry for each target square, ascending.
void quiet_targets(Move_List& list, int& n, int from, int piece, uint64_t targets) {
    for (; targets; targets &= targets - 1)
        Append_Quiet(list, n, Compose_Move(piece, First_One(targets), from, KIND_QUIET, 0));
}

// The empty squares of a ray up to its first piece, or the whole ray when nothing blocks it.
template <const Square_Table& Ray, Ray_Direction D>
uint64_t free_ray(const Board& b, int s) {
    const uint64_t blockers = Ray[s] & b.all_piece;
    if (!blockers) return Ray[s];
    const int blocker = Nearest<D>(blockers);
    return Ray[s] ^ Ray[blocker] ^ square_mask[blocker];
}

// Rays in the order north, west, south, east.
void rook_ray_moves(Move_List& list, int& n, const Board& b, int s, int piece) {
    quiet_targets(list, n, s, piece, free_ray<ray_north, Increasing>(b, s));
    quiet_targets(list, n, s, piece, free_ray<ray_west, Decreasing>(b, s));
    quiet_targets(list, n, s, piece, free_ray<ray_south, Decreasing>(b, s));
    quiet_targets(list, n, s, piece, free_ray<ray_east, Increasing>(b, s));
}

// Rays in the order north-east, north-west, south-west, south-east.
void bishop_ray_moves(Move_List& list, int& n, const Board& b, int s, int piece) {
    quiet_targets(list, n, s, piece, free_ray<ray_north_east, Increasing>(b, s));
    quiet_targets(list, n, s, piece, free_ray<ray_north_west, Increasing>(b, s));
    quiet_targets(list, n, s, piece, free_ray<ray_south_west, Decreasing>(b, s));
    quiet_targets(list, n, s, piece, free_ray<ray_south_east, Decreasing>(b, s));
}

template <Colour Us>
bool square_attacked(const Board& b, int q) {
    if constexpr (Us == WHITE) return Square_Attacked_By_Black(&b, static_cast<uint8_t>(q)) != 0;
    else return Square_Attacked_By_White(&b, static_cast<uint8_t>(q)) != 0;
}

// King steps, then long and short castling. The rights stand for king and rook being at home, so neither
// square is looked at; b1 must be empty but may be attacked.
template <Colour Us>
void king_moves(Move_List& list, int& n, const Board& b, int k) {
    using C = Castling_Squares<Us>;
    quiet_targets(list, n, k, KING, king_attacks[k] & ~b.all_piece);
    if (b.*Side<Us>::long_right && !(b.all_piece & (square_mask[C::b] | square_mask[C::c] | square_mask[C::d])) &&
        !square_attacked<Us>(b, C::c) && !square_attacked<Us>(b, C::d) && !square_attacked<Us>(b, C::e)) {
        list.move_count = static_cast<uint8_t>(n);
        Add_Castling_Move(&list, KIND_CASTLE_LONG, static_cast<uint8_t>(k), C::c);
        n = list.move_count;
    }
    if (b.*Side<Us>::short_right && !(b.all_piece & (square_mask[C::f] | square_mask[C::g])) &&
        !square_attacked<Us>(b, C::e) && !square_attacked<Us>(b, C::f) && !square_attacked<Us>(b, C::g)) {
        list.move_count = static_cast<uint8_t>(n);
        Add_Castling_Move(&list, KIND_CASTLE_SHORT, static_cast<uint8_t>(k), C::g);
        n = list.move_count;
    }
}

// Single push, and the double push from the start rank, emitted in ascending square order.
template <Colour Us>
void pawn_pushes(Move_List& list, int& n, const Board& b) {
    using S = Side<Us>;
    for (uint64_t pawns = Pieces<Us>(b)[PAWN]; pawns; pawns &= pawns - 1) {
        const int s = First_One(pawns);
        if (Rank_Of(s) == S::promotion_rank || Rank_Of(s) == S::last_rank) continue;
        const uint64_t one = square_mask[s + S::push];
        if (b.all_piece & one) continue;
        uint64_t targets = one;
        if (Rank_Of(s) == S::start_rank && !(b.all_piece & square_mask[s + 2 * S::push]))
            targets |= square_mask[s + 2 * S::push];
        quiet_targets(list, n, s, PAWN, targets);
    }
}

template <Colour Us>
void generate_quiet(Move_List& list, const Board& b) {
    const uint64_t* own = Pieces<Us>(b);
    int n = list.move_count;
    if (own[KING]) king_moves<Us>(list, n, b, First_One(own[KING]));
    // A queen moves along the rook's rays first, then the bishop's.
    for (uint64_t set = own[QUEEN]; set; set &= set - 1) {
        rook_ray_moves(list, n, b, First_One(set), QUEEN);
        bishop_ray_moves(list, n, b, First_One(set), QUEEN);
    }
    for (uint64_t set = own[ROOK]; set; set &= set - 1) rook_ray_moves(list, n, b, First_One(set), ROOK);
    for (uint64_t set = own[BISHOP]; set; set &= set - 1) bishop_ray_moves(list, n, b, First_One(set), BISHOP);
    for (uint64_t set = own[KNIGHT]; set; set &= set - 1) {
        const int s = First_One(set);
        quiet_targets(list, n, s, KNIGHT, knight_attacks[s] & ~b.all_piece);
    }
    pawn_pushes<Us>(list, n, b);
    list.move_count = static_cast<uint8_t>(n);
}

}  // namespace

void Add_Castling_Move(Move_List* list, uint8_t kind, uint8_t from, uint8_t to) {
    int n = list->move_count;
    Append_Scored(*list, n, Compose_Move(KING, to, from, kind, 0), kind);
    list->move_count = static_cast<uint8_t>(n);
}

void Generate_Quiet_White(Move_List* list, const Board* bitboard) { generate_quiet<WHITE>(*list, *bitboard); }
void Generate_Quiet_Black(Move_List* list, const Board* bitboard) { generate_quiet<BLACK>(*list, *bitboard); }
