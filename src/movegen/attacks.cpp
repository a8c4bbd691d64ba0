// Attack tests: is a castling square attacked, is a king in check.
#include "board/board.h"
#include "movegen/bits.h"
#include "movegen/generate.h"
#include "movegen/side.h"

namespace {

using enum Ray_Direction;

// The type of the ray's first piece when it is one of the given enemy sliders, else 0. A ray that holds
// none of those sliders is skipped without a scan; the answer is the same.
template <Colour Them, const Square_Table& Ray, Ray_Direction D>
uint8_t slider_on_ray(const Board& b, int s, uint64_t sliders) {
    if (!(Ray[s] & sliders)) return 0;
    const int blocker = Nearest<D>(Ray[s] & b.all_piece);
    return (sliders & square_mask[blocker]) ? Names<Them>(b)[blocker] : 0;
}

// First attacker by colour Them of a castling square q on the other side's back rank.
template <Colour Them>
uint8_t square_attacked_by(const Board& b, int q) {
    using Defender = Side<Side<Them>::them>;
    const uint64_t* enemy = Pieces<Them>(b);
    const uint64_t straight = enemy[ROOK] | enemy[QUEEN];
    const uint64_t diagonal = enemy[BISHOP] | enemy[QUEEN];
    uint8_t t;
    if constexpr (Them == BLACK) {
        if ((t = slider_on_ray<Them, ray_north, Increasing>(b, q, straight))) return t;
        if ((t = slider_on_ray<Them, ray_west, Decreasing>(b, q, straight))) return t;
        if ((t = slider_on_ray<Them, ray_east, Increasing>(b, q, straight))) return t;
        if ((t = slider_on_ray<Them, ray_north_east, Increasing>(b, q, diagonal))) return t;
        if ((t = slider_on_ray<Them, ray_north_west, Increasing>(b, q, diagonal))) return t;
    } else {
        if ((t = slider_on_ray<Them, ray_west, Decreasing>(b, q, straight))) return t;
        if ((t = slider_on_ray<Them, ray_south, Decreasing>(b, q, straight))) return t;
        if ((t = slider_on_ray<Them, ray_east, Increasing>(b, q, straight))) return t;
        if ((t = slider_on_ray<Them, ray_south_west, Decreasing>(b, q, diagonal))) return t;
        if ((t = slider_on_ray<Them, ray_south_east, Decreasing>(b, q, diagonal))) return t;
    }
    if (knight_attacks[q] & enemy[KNIGHT]) return KNIGHT;
    if (king_attacks[q] & enemy[KING]) return KING;
    // Castling squares lie on files c to g, so neither diagonal step can wrap.
    if (enemy[PAWN] & square_mask[q + Defender::step_7]) return PAWN;
    if (enemy[PAWN] & square_mask[q + Defender::step_9]) return PAWN;
    return 0;
}

// First attacker of the king of colour Us, or 0; a side without a king is never attacked.
template <Colour Us>
uint8_t king_attacked(const Board& b) {
    using S = Side<Us>;
    constexpr Colour Them = S::them;
    const uint64_t* enemy = Pieces<Them>(b);
    if (!Pieces<Us>(b)[KING]) return 0;
    const int k = First_One(Pieces<Us>(b)[KING]);
    const uint64_t straight = enemy[ROOK] | enemy[QUEEN];
    const uint64_t diagonal = enemy[BISHOP] | enemy[QUEEN];
    uint8_t t;
    if ((t = slider_on_ray<Them, ray_north, Increasing>(b, k, straight))) return t;
    if ((t = slider_on_ray<Them, ray_west, Decreasing>(b, k, straight))) return t;
    if ((t = slider_on_ray<Them, ray_south, Decreasing>(b, k, straight))) return t;
    if ((t = slider_on_ray<Them, ray_east, Increasing>(b, k, straight))) return t;
    if ((t = slider_on_ray<Them, ray_north_east, Increasing>(b, k, diagonal))) return t;
    if ((t = slider_on_ray<Them, ray_north_west, Increasing>(b, k, diagonal))) return t;
    if ((t = slider_on_ray<Them, ray_south_west, Decreasing>(b, k, diagonal))) return t;
    if ((t = slider_on_ray<Them, ray_south_east, Decreasing>(b, k, diagonal))) return t;
    if (knight_attacks[k] & enemy[KNIGHT]) return KNIGHT;
    if (king_attacks[k] & enemy[KING]) return KING;
    // Pawns attack from the two forward diagonals; a king on its last rank has none.
    if (Rank_Of(k) != S::last_rank) {
        if (File_Of(k) != S::step_7_edge && (enemy[PAWN] & square_mask[k + S::step_7])) return PAWN;
        if (File_Of(k) != S::step_9_edge && (enemy[PAWN] & square_mask[k + S::step_9])) return PAWN;
    }
    return 0;
}

}  // namespace

uint8_t Square_Attacked_By_Black(const Board* bitboard, uint8_t square) { return square_attacked_by<BLACK>(*bitboard, square); }
uint8_t Square_Attacked_By_White(const Board* bitboard, uint8_t square) { return square_attacked_by<WHITE>(*bitboard, square); }
uint8_t King_Attacked_White(const Board* bitboard) { return king_attacked<WHITE>(*bitboard); }
uint8_t King_Attacked_Black(const Board* bitboard) { return king_attacked<BLACK>(*bitboard); }
