// Static positional score: king placement and shelter, pawn structure, piece placement and rook files.
#include "eval/eval.h"

#include "eval/tables.h"
#include "movegen/bits.h"

namespace {

constexpr int32_t FREE_FILE_STEP = 10;
constexpr int32_t SHIELD_STEP = 20;
constexpr int32_t SHUT_IN_ROOK = 50;
constexpr int32_t DOUBLED_PAWN = 10;

// Squares of white's first rank; black uses their reflections on the eighth.
enum : int { A1 = 0, B1 = 1, C1 = 2, D1 = 3, F1 = 5, G1 = 6, H1 = 7 };

// What tells one side's terms from the other's: forward direction, reflection and tables.
template <Colour Us> struct Eval_Side;

template <> struct Eval_Side<WHITE> {
    static constexpr int up = 8;
    static constexpr int flip = 0;
    static constexpr const Square_Table& ahead = ray_north;
    static constexpr const Eval_Table<int8_t>& king_middle = king_middle_white;
    static constexpr const Eval_Table<int8_t>& king_end = king_end_white;
    static constexpr const Eval_Table<int8_t>& knight = knight_white;
    static constexpr const Eval_Table<int8_t>& pawn_centre = pawn_centre_white;
    static constexpr const Eval_Table<int8_t>& pawn_kingside = pawn_kingside_white;
    static constexpr const Eval_Table<int8_t>& pawn_queenside = pawn_queenside_white;
    static constexpr const Eval_Table<int8_t>& pawn_end = pawn_end_white;
    static constexpr const Eval_Table<int16_t>& passed_bonus = passed_bonus_white;
};

template <> struct Eval_Side<BLACK> {
    static constexpr int up = -8;
    static constexpr int flip = 56;
    static constexpr const Square_Table& ahead = ray_south;
    static constexpr const Eval_Table<int8_t>& king_middle = king_middle_black;
    static constexpr const Eval_Table<int8_t>& king_end = king_end_black;
    static constexpr const Eval_Table<int8_t>& knight = knight_black;
    static constexpr const Eval_Table<int8_t>& pawn_centre = pawn_centre_black;
    static constexpr const Eval_Table<int8_t>& pawn_kingside = pawn_kingside_black;
    static constexpr const Eval_Table<int8_t>& pawn_queenside = pawn_queenside_black;
    static constexpr const Eval_Table<int8_t>& pawn_end = pawn_end_black;
    static constexpr const Eval_Table<int16_t>& passed_bonus = passed_bonus_black;
};

// The square seen from this side: g1 for white is g8 for black.
template <Colour Us> constexpr int Relative(int square) { return square ^ Eval_Side<Us>::flip; }

template <Colour Us> constexpr uint64_t Relative_Bit(int square) { return uint64_t{1} << Relative<Us>(square); }

// A shield square without an own pawn costs the step; a square past either edge of the numbering (a king
// on the far back rank) has no pawn by definition and is never read.
inline int32_t Shield_Gap(const uint8_t* names, int square) {
    if (static_cast<unsigned>(square) > 63) return SHIELD_STEP;
    return names[square] == PAWN ? 0 : SHIELD_STEP;
}

// One side's king terms in its own view: endgame centralisation, or placement, shut-in rooks and shelter.
template <Colour Us>
int32_t King_Score(const Board& b, int k, uint16_t enemy_material) {
    using S = Eval_Side<Us>;
    if (enemy_material <= ENDGAME_MATERIAL) return S::king_end[k];

    int32_t score = S::king_middle[k];
    const uint64_t rooks = Pieces<Us>(b)[ROOK];
    const int home = Relative<Us>(k);
    if ((rooks & (Relative_Bit<Us>(G1) | Relative_Bit<Us>(H1))) && (home == F1 || home == G1))
        score -= SHUT_IN_ROOK;
    if ((rooks & (Relative_Bit<Us>(A1) | Relative_Bit<Us>(B1))) && (home == B1 || home == C1 || home == D1))
        score -= SHUT_IN_ROOK;

    // The three squares in front of the king by number, so a king on the a- or h-file away from its corner
    // looks across the board's edge onto the next rank.
    const uint8_t* names = Names<Us>(b);
    int32_t gaps = Shield_Gap(names, k + S::up);
    if (home != A1) gaps += Shield_Gap(names, k + S::up - 1);
    if (home != H1) gaps += Shield_Gap(names, k + S::up + 1);
    return score - gaps;
}

// One side's pawn terms in its own view: placement by king wing or endgame, free files, passers, doubling.
template <Colour Us>
int32_t Pawn_Score(const Board& b, int king, uint16_t enemy_material) {
    using S = Eval_Side<Us>;
    const int home = Relative<Us>(king);
    const Eval_Table<int8_t>& placement = enemy_material <= ENDGAME_MATERIAL ? S::pawn_end
                                          : (home == G1 || home == H1)     ? S::pawn_kingside
                                          : (home <= C1)                   ? S::pawn_queenside
                                                                           : S::pawn_centre;
    const uint64_t enemy_pawns = Pieces<Opposite(Us)>(b)[PAWN];

    int32_t score = 0;
    uint8_t files_seen = 0;
    uint8_t files_doubled = 0;
    for (uint64_t pawns = Pieces<Us>(b)[PAWN]; pawns != 0; pawns &= pawns - 1) {
        const int s = First_One(pawns);
        const int file = File_Of(s);
        score += placement[s];

        // Neighbour files only matter once the pawn's own file is free; both free makes it a passer.
        if ((S::ahead[s] & enemy_pawns) == 0) {
            score += FREE_FILE_STEP;
            int free_sides = (file == 0 || file == 7) ? 1 : 0;
            if (file != 7 && (S::ahead[s + 1] & enemy_pawns) == 0) {
                score += FREE_FILE_STEP;
                ++free_sides;
            }
            if (file != 0 && (S::ahead[s - 1] & enemy_pawns) == 0) {
                score += FREE_FILE_STEP;
                ++free_sides;
            }
            if (free_sides == 2) score += S::passed_bonus[s];
        }

        const uint8_t file_bit = static_cast<uint8_t>(1u << file);
        files_doubled |= files_seen & file_bit;
        files_seen |= file_bit;
    }
    return score - DOUBLED_PAWN * Pop_Count(files_doubled);
}

// One side's piece terms in its own view: rook file mobility, bishop and knight placement.
template <Colour Us>
int32_t Piece_Score(const Board& b) {
    using S = Eval_Side<Us>;
    const uint64_t* pieces = Pieces<Us>(b);
    const uint64_t own = Occupancy<Us>(b);
    // The bishop tables are the one pair that are not reflections of each other.
    constexpr const Eval_Table<int8_t>& bishop = Us == WHITE ? bishop_white : bishop_black;

    int32_t score = 0;
    for (uint64_t set = pieces[ROOK]; set != 0; set &= set - 1)
        score += Rook_File_Mobility(b.all_piece, own, static_cast<uint8_t>(First_One(set)));
    for (uint64_t set = pieces[BISHOP]; set != 0; set &= set - 1) score += bishop[First_One(set)];
    for (uint64_t set = pieces[KNIGHT]; set != 0; set &= set - 1) score += S::knight[First_One(set)];
    return score;
}

}  // namespace

// Adds both kings' terms and reports where the kings stand; a side without a king keeps its square as given.
void Eval_Kings(const Board* bitboard, uint8_t* white_king, uint8_t* black_king, uint16_t white_material,
                uint16_t black_material, int32_t* accumulator) {
    if (bitboard->white_piece[KING] != 0) {
        *white_king = static_cast<uint8_t>(First_One(bitboard->white_piece[KING]));
        *accumulator += King_Score<WHITE>(*bitboard, *white_king, black_material);
    }
    if (bitboard->black_piece[KING] != 0) {
        *black_king = static_cast<uint8_t>(First_One(bitboard->black_piece[KING]));
        *accumulator -= King_Score<BLACK>(*bitboard, *black_king, white_material);
    }
}

// Adds both sides' pawn terms; the king squares choose the placement table.
void Eval_Pawns(int32_t* accumulator, const Board* bitboard, uint8_t white_king, uint8_t black_king,
                uint16_t white_material, uint16_t black_material) {
    *accumulator += Pawn_Score<WHITE>(*bitboard, white_king, black_material);
    *accumulator -= Pawn_Score<BLACK>(*bitboard, black_king, white_material);
}

// Adds both sides' rook, bishop and knight terms.
void Eval_Pieces(const Board* bitboard, int32_t* accumulator) {
    *accumulator += Piece_Score<WHITE>(*bitboard);
    *accumulator -= Piece_Score<BLACK>(*bitboard);
}

// Squares a rook reaches along its file: empty ones and the first enemy piece each way, never an own piece.
uint8_t Rook_File_Mobility(uint64_t occupancy, uint64_t own, uint8_t square) {
    uint64_t up = ray_north[square];
    if (up & occupancy) up ^= ray_north[First_One(up & occupancy)];
    uint64_t down = ray_south[square];
    if (down & occupancy) down ^= ray_south[Last_One(down & occupancy)];
    return static_cast<uint8_t>(Pop_Count((up | down) & ~own));
}

// Positional score from white's point of view, material excluded.
int32_t Evaluate(const Board* bitboard) {
    int32_t accumulator = 0;
    uint8_t white_king = A1;
    uint8_t black_king = A1;
    Eval_Kings(bitboard, &white_king, &black_king, bitboard->value_white_material, bitboard->value_black_material,
               &accumulator);
    Eval_Pawns(&accumulator, bitboard, white_king, black_king, bitboard->value_white_material,
               bitboard->value_black_material);
    Eval_Pieces(bitboard, &accumulator);
    return accumulator;
}
