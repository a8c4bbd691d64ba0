// The "position" command: set up a position, play the listed moves, record the key of every position reached.
#include "uci/position.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "makemove/make.h"
#include "makemove/zobrist.h"
#include "movegen/generate.h"
#include "movegen/move.h"
#include "search/repetition.h"

namespace {

// A move text is the squares and at most one promotion letter.
constexpr int MIN_MOVE_TEXT = 4;
constexpr int MAX_MOVE_TEXT = 5;

void Warn_Moves_Error() { std::fputs("WARNING ! moves error\n", stdout); }

// Square of a file letter and a rank digit, or -1 when either is off the board.
int Square_Of(char file, char rank) {
    if (file < 'a' || file > 'h' || rank < '1' || rank > '8') return -1;
    return 8 * (rank - '1') + (file - 'a');
}

// Position of the letter in the promotion order of the generator (queen, rook, bishop, knight), or -1.
int Promotion_Offset(char letter) {
    const char* order = "qrbn";
    const char* found = letter != 0 ? std::strchr(order, letter) : nullptr;
    return found != nullptr ? static_cast<int>(found - order) : -1;
}

bool Is_Promotion(Move m) { return Move_Kind_Of(m) >= KIND_PROMOTE_KNIGHT; }

// Records the key of the position now on the board as the key after move text number n. Once the table is
// full the oldest key gives way, so the last entry always holds the current position.
void Record_Key(Board* bitboard, int n) {
    Compute_Hash_Key(bitboard);
    if (n >= GAME_KEYS) {
        std::memmove(game_keys, game_keys + 1, (GAME_KEYS - 1) * sizeof game_keys[0]);
        n = GAME_KEYS - 1;
    }
    game_keys[n] = bitboard->hash_key;
    game_key_count = static_cast<uint16_t>(n);
}

const char* Skip_Blanks(const char* p) {
    while (*p == ' ') ++p;
    return p;
}

}  // namespace

void Play_Move_Text(Board* bitboard, const char* text) {
    const int from = Square_Of(text[1], text[2]);
    const int to = Square_Of(text[3], text[4]);
    const char letter = text[5];
    const int offset = letter == 0 ? 0 : Promotion_Offset(letter);
    if (from < 0 || to < 0 || offset < 0) return Warn_Moves_Error();

    Move_List list;
    const bool white = bitboard->colour_move == 1;
    if (white) {
        Generate_Captures_White(&list, bitboard);
        Generate_Quiet_White(&list, bitboard);
    } else {
        Generate_Captures_Black(&list, bitboard);
        Generate_Quiet_Black(&list, bitboard);
    }

    int index = 0;
    while (index < list.move_count && (Move_From(list.move[index]) != from || Move_To(list.move[index]) != to)) ++index;
    if (index == list.move_count) return Warn_Moves_Error();

    // A letter names one of the four promotions written one after the other; on any other move it is an error.
    if (letter != 0) {
        if (!Is_Promotion(list.move[index])) return Warn_Moves_Error();
        index += offset;
        if (index >= list.move_count || Move_From(list.move[index]) != from || Move_To(list.move[index]) != to)
            return Warn_Moves_Error();
    }

    Undo_Record undo;
    if (white)
        Make_Move_White(bitboard, &undo, &list, static_cast<uint8_t>(index));
    else
        Make_Move_Black(bitboard, &undo, &list, static_cast<uint8_t>(index));
}

void Position_Command(Board* bitboard, const char* line) {
    const char* fen = std::strstr(line, "fen ");
    const char* moves = std::strstr(line, "moves ");
    Set_Fen(bitboard, fen != nullptr ? fen : START_FEN);

    for (int i = 0; i < GAME_KEYS; ++i) game_keys[i] = static_cast<uint64_t>(i);
    Record_Key(bitboard, 0);
    if (moves == nullptr) return;

    int n = 0;
    for (const char* p = Skip_Blanks(moves + std::strlen("moves ")); *p != 0; p = Skip_Blanks(p)) {
        const char* end = p;
        while (*end != 0 && *end != ' ') ++end;
        const std::ptrdiff_t length = end - p;
        if (length < MIN_MOVE_TEXT || length > MAX_MOVE_TEXT) {
            Warn_Moves_Error();
        } else {
            char text[MAX_MOVE_TEXT + 2] = {' ', 0, 0, 0, 0, 0, 0};
            std::memcpy(text + 1, p, static_cast<size_t>(length));
            Play_Move_Text(bitboard, text);
        }
        // A text that played nothing still counts: its entry repeats the unchanged position.
        Record_Key(bitboard, ++n);
        p = end;
    }
}
