// Position setup from Forsyth-Edwards Notation.
#include <cstring>

#include "board/board.h"

namespace {

constexpr const char* WHITE_LETTERS = "PNBRQK";
constexpr const char* BLACK_LETTERS = "pnbrqk";

// Piece type for a letter of the given set, 0 for any other character.
uint8_t Type_Of_Letter(char c, const char* letters) {
    if (c == 0) return 0;
    const char* found = std::strchr(letters, c);
    return found ? static_cast<uint8_t>(found - letters + 1) : 0;
}

void Put_Piece(Board* b, int square, uint8_t type, bool white) {
    const uint64_t bit = uint64_t{1} << square;
    if (white) {
        b->all_white_piece |= bit;
        b->white_piece[type] |= bit;
        b->white_name_from_coord[square] = type;
    } else {
        b->all_black_piece |= bit;
        b->black_piece[type] |= bit;
        b->black_name_from_coord[square] = type;
    }
}

// Reads the placement field; squares past the eighth file or the eighth row are dropped, so nothing lands
// outside the board whatever the text holds.
const char* Read_Placement(Board* b, const char* p) {
    int row = 0;
    int file = 0;
    while (*p != 0 && *p != ' ') {
        const char c = *p++;
        if (c == '/') {
            ++row;
            file = 0;
            if (*p == ' ') break;
            continue;
        }
        const uint8_t white_type = Type_Of_Letter(c, WHITE_LETTERS);
        const uint8_t black_type = Type_Of_Letter(c, BLACK_LETTERS);
        if (white_type != 0 || black_type != 0) {
            if (row < 8 && file < 8) Put_Piece(b, 8 * (7 - row) + file, white_type ? white_type : black_type, white_type);
            ++file;
        } else if (c >= '2' && c <= '8') {
            file += c - '0';
        } else {
            ++file;  // "1" and any character that names no piece cover one empty square
        }
        if (file > 8) file = 8;
    }
    return p;
}

const char* Skip_Blanks(const char* p) {
    while (*p == ' ') ++p;
    return p;
}

bool Piece_On(const uint64_t* pieces, uint8_t type, int square) { return (pieces[type] >> square) & 1; }

// A right survives only while its king and rook stand on their home squares: taken as given, castling
// would move a rook that is not there.
void Drop_Contradicted_Rights(Board* b) {
    const bool white_king_home = Piece_On(b->white_piece, KING, 4);
    const bool black_king_home = Piece_On(b->black_piece, KING, 60);
    if (!white_king_home || !Piece_On(b->white_piece, ROOK, 7)) b->castling_K = 0;
    if (!white_king_home || !Piece_On(b->white_piece, ROOK, 0)) b->castling_Q = 0;
    if (!black_king_home || !Piece_On(b->black_piece, ROOK, 63)) b->castling_k = 0;
    if (!black_king_home || !Piece_On(b->black_piece, ROOK, 56)) b->castling_q = 0;
}

// The target must lie on the third or sixth rank, empty, with the pawn that just double-stepped behind it
// and the other side to move; otherwise an en-passant capture would remove a piece that is not there.
bool En_Passant_Consistent(const Board* b, int x, int y) {
    const int target = 8 * y + x;
    if ((b->all_white_piece | b->all_black_piece) >> target & 1) return false;
    if (y == 5) return b->colour_move == 1 && Piece_On(b->black_piece, PAWN, target - 8);
    if (y == 2) return b->colour_move == 0 && Piece_On(b->white_piece, PAWN, target + 8);
    return false;
}

}  // namespace

void Set_Fen(Board* bitboard, const char* text) {
    Board* b = bitboard;
    b->all_piece = b->all_white_piece = b->all_black_piece = 0;
    std::memset(b->white_piece, 0, sizeof b->white_piece);
    std::memset(b->black_piece, 0, sizeof b->black_piece);
    std::memset(b->white_name_from_coord, 0, sizeof b->white_name_from_coord);
    std::memset(b->black_name_from_coord, 0, sizeof b->black_name_from_coord);

    const char* p = text;
    while (*p != 0 && *p != ' ') ++p;  // the keyword
    p = Read_Placement(b, Skip_Blanks(p));
    b->all_piece = b->all_white_piece | b->all_black_piece;

    p = Skip_Blanks(p);
    if (*p == 'w') b->colour_move = 1;
    if (*p == 'b') b->colour_move = 0;
    for (int i = 0; i < 2 && *p != 0; ++i) ++p;  // the side letter and the blank after it

    b->castling_Q = b->castling_K = b->castling_q = b->castling_k = 0;
    for (; *p != 0 && *p != ' '; ++p) {
        if (*p == 'K') b->castling_K = 1;
        if (*p == 'Q') b->castling_Q = 1;
        if (*p == 'k') b->castling_k = 1;
        if (*p == 'q') b->castling_q = 1;
    }
    Drop_Contradicted_Rights(b);

    p = Skip_Blanks(p);
    b->taking_passage_yes = b->taking_passage_x = b->taking_passage_y = 0;
    if (*p == 0 || *p == '-' || p[1] == 0) return;
    const int x = p[0] - 'a';
    const int y = p[1] - '1';
    if (x < 0 || x > 7 || y < 0 || y > 7 || !En_Passant_Consistent(b, x, y)) return;
    b->taking_passage_yes = 1;
    b->taking_passage_x = static_cast<uint8_t>(x);
    b->taking_passage_y = static_cast<uint8_t>(y);
}
