// Zobrist keys: the piece table drawn from the engine's own generator, the key from scratch and after a move.
#include "makemove/zobrist.h"

#include "board/board.h"
#include "makemove/make.h"
#include "movegen/move.h"

uint64_t zobrist_key[2][7][64];

namespace {

// The keys must be the same on every platform, so they come from this generator and no other; its state
// runs on for the life of the process.
uint32_t random_state = 1;
bool keys_drawn = false;

uint32_t Next_Random() {
    random_state = random_state * 214013u + 2531011u;
    return (random_state >> 16) & 0x7FFF;
}

// Every fixed key that the castling and en-passant bytes call for.
uint64_t Right_Keys(uint8_t K, uint8_t Q, uint8_t k, uint8_t q) {
    uint64_t key = 0;
    if (K) key ^= KEY_WHITE_KINGSIDE;
    if (Q) key ^= KEY_WHITE_QUEENSIDE;
    if (k) key ^= KEY_BLACK_KINGSIDE;
    if (q) key ^= KEY_BLACK_QUEENSIDE;
    return key;
}

}  // namespace

void Init_Zobrist_Keys() {
    for (int colour = 0; colour < 2; ++colour)
        for (int type = PAWN; type <= KING; ++type)
            for (int square = 0; square < 64; ++square) {
                uint64_t k = Next_Random();
                k = (k << 12) ^ Next_Random();
                k = (k << 16) ^ Next_Random();
                k = (k << 16) ^ Next_Random();
                k = (k << 15) ^ Next_Random();
                zobrist_key[colour][type][square] = k;
            }
    keys_drawn = true;
}

bool Zobrist_Keys_Drawn() { return keys_drawn; }

void Compute_Hash_Key(Board* bitboard) {
    const Board& b = *bitboard;
    uint64_t k = 0;
    for (int s = 0; s < 64; ++s) {
        if (const int t = b.white_name_from_coord[s]) k ^= zobrist_key[WHITE][t][s];
        if (const int t = b.black_name_from_coord[s]) k ^= zobrist_key[BLACK][t][s];
    }
    if (b.colour_move) k ^= KEY_WHITE_TO_MOVE;
    k ^= Right_Keys(b.castling_K, b.castling_Q, b.castling_k, b.castling_q);
    if (b.taking_passage_yes) k ^= En_Passant_Key(b.taking_passage_x, b.taking_passage_y);
    bitboard->hash_key = k;
}

void Update_Hash_Key(Board* bitboard, uint8_t colour, const Move_List* list, uint8_t index, const Undo_Record* undo) {
    Board& b = *bitboard;
    const Move m = list->move[index];
    const int c = colour;
    const int o = 1 - c;
    const int x = Move_Captured(m);
    const int kind = Move_Kind_Of(m);
    const int from = Move_From(m);
    const int to = Move_To(m);
    const int p = Move_Piece(m);
    const auto& Z = zobrist_key;
    uint64_t k = b.hash_key;
    switch (kind) {
        case KIND_QUIET:
            k ^= Z[c][p][from] ^ Z[c][p][to];
            break;
        case KIND_CAPTURE:
            k ^= Z[c][p][from] ^ Z[c][p][to] ^ Z[o][x][to];
            break;
        case KIND_CASTLE_LONG:
            k ^= Z[c][p][from] ^ Z[c][p][to];
            k ^= c ? Z[1][ROOK][0] ^ Z[1][ROOK][3] : Z[0][ROOK][56] ^ Z[0][ROOK][59];
            break;
        case KIND_CASTLE_SHORT:
            k ^= Z[c][p][from] ^ Z[c][p][to];
            k ^= c ? Z[1][ROOK][7] ^ Z[1][ROOK][5] : Z[0][ROOK][63] ^ Z[0][ROOK][61];
            break;
        case KIND_EN_PASSANT:
            // The victim stands behind the target square.
            k ^= Z[c][p][from] ^ Z[c][p][to] ^ Z[o][x][c ? to - 8 : to + 8];
            break;
        case KIND_PROMOTE_KNIGHT:
        case KIND_PROMOTE_BISHOP:
        case KIND_PROMOTE_ROOK:
        case KIND_PROMOTE_QUEEN:
            k ^= Z[c][p][from] ^ Z[c][kind - 10][to];
            break;
        case KIND_CAPTURE_PROMOTE_KNIGHT:
        case KIND_CAPTURE_PROMOTE_BISHOP:
        case KIND_CAPTURE_PROMOTE_ROOK:
        case KIND_CAPTURE_PROMOTE_QUEEN:
            k ^= Z[c][p][from] ^ Z[c][kind - 20][to] ^ Z[o][x][to];
            break;
        default:
            break;
    }
    k ^= KEY_WHITE_TO_MOVE;
    k ^= Right_Keys(b.castling_K != undo->castling_K, b.castling_Q != undo->castling_Q,
                    b.castling_k != undo->castling_k, b.castling_q != undo->castling_q);
    if (undo->taking_passage_yes) k ^= En_Passant_Key(undo->taking_passage_x, undo->taking_passage_y);
    if (b.taking_passage_yes) k ^= En_Passant_Key(b.taking_passage_x, b.taking_passage_y);
    b.hash_key = k;
}
