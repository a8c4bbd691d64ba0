// Fuzz target: a position text through Set_Fen, then every generated move made, keyed, evaluated and taken
// back, and a short search where both kings stand.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "board/board.h"
#include "eval/eval.h"
#include "fuzz/harness.h"
#include "makemove/colour_moves.h"
#include "makemove/make.h"
#include "makemove/zobrist.h"
#include "movegen/generate.h"
#include "movegen/move.h"
#include "search/driver.h"

namespace {

// A position text longer than this says nothing more to Set_Fen.
constexpr size_t LONGEST_TEXT = 512;
constexpr uint64_t SEARCH_NODES = 20000;

// Every field the moves may touch, the quiescence scratch word excepted.
bool Same_Position(const Board& a, const Board& b) {
    constexpr size_t compared = offsetof(Board, value_black_material) + sizeof a.value_black_material;
    return std::memcmp(&a, &b, compared) == 0;
}

// An entry moves a piece of the side that has it, onto an empty square or onto the opponent's piece it names.
template <Colour Us> bool Entry_Fits(const Board& b, Move m) {
    constexpr Colour Them = Opposite(Us);
    const int from = Move_From(m);
    const int to = Move_To(m);
    const int kind = Move_Kind_Of(m);
    if (Names<Us>(b)[from] != Move_Piece(m) || Move_Piece(m) == NONE) return false;
    const bool capture = kind == KIND_CAPTURE || kind >= KIND_CAPTURE_PROMOTE_KNIGHT;
    if (!capture) return (b.all_piece >> to & 1) == 0 && Move_Captured(m) == (kind == KIND_EN_PASSANT ? PAWN : 0);
    return Names<Them>(b)[to] == Move_Captured(m) && Move_Captured(m) != NONE;
}

// Makes and takes back every generated move of the side to move, checking the key update and the board.
template <Colour Us> void Check_Moves(Board* b) {
    Move_List list;
    Generate_All<Us>(&list, b);
    Require(list.capture_count <= list.move_count, "captures counted beyond the list");
    Board before;
    std::memcpy(&before, b, sizeof before);
    for (uint8_t i = 0; i < list.move_count; ++i) {
        Require(Entry_Fits<Us>(*b, list.move[i]), "generated entry does not fit the board");
        Undo_Record undo;
        Make_Move<Us>(b, &undo, &list, i);
        Require(Board_Consistent(*b), "board inconsistent after a move");
        Require(b->colour_move == Opposite(Us), "make did not pass the move");
        King_Attacked<Us>(b);
        King_Attacked<Opposite(Us)>(b);
        Update_Hash_Key(b, Us, &list, i, &undo);
        const uint64_t updated = b->hash_key;
        Compute_Hash_Key(b);
        Require(updated == b->hash_key, "updated key differs from the computed key");
        // The record keeps material in 16 bits: only boards of more than 54 queens wrap, consistently.
        Require(b->value_white_material == static_cast<uint16_t>(White_Material_Sum(b)), "white material out of step");
        Require(b->value_black_material == static_cast<uint16_t>(Black_Material_Sum(b)), "black material out of step");
        Evaluate(b);
        b->hash_key = before.hash_key;
        Unmake_Move<Us>(b, &undo, &list, i);
        Require(Same_Position(*b, before), "unmake did not restore the board");
    }
}

// Positions with material the search can take get a node-bounded search of one or two plies.
template <Colour Us> void Check_Search(Board* b, int depth) {
    const Board before = *b;
    game_keys[0] = b->hash_key;
    Iterative_Deepening(b, 255, 0, -1, -1, 0, 0, -1, static_cast<uint8_t>(depth), SEARCH_NODES);
    Require(Same_Position(*b, before), "search left the board changed");
    Require_Input_Untouched();
}

void Check_Position(const char* text, int depth) {
    Board b;
    Clear_Board(&b);
    Set_Fen(&b, text);
    Require(Board_Consistent(b), "board inconsistent after Set_Fen");
    b.value_white_material = static_cast<uint16_t>(White_Material_Sum(&b));
    b.value_black_material = static_cast<uint16_t>(Black_Material_Sum(&b));
    Compute_Hash_Key(&b);
    Evaluate(&b);
    const bool white = b.colour_move == 1;
    if (white) Check_Moves<WHITE>(&b); else Check_Moves<BLACK>(&b);
    if (!Both_Kings_Present(&b) || !Material_Searchable(b)) return;
    if (white) Check_Search<WHITE>(&b, depth); else Check_Search<BLACK>(&b, depth);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Silence_Standard_Streams();
    Draw_Keys_Once();
    return 0;
}

// The bytes as the rest of a "position fen" line, and as a whole line whose first word is the keyword.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > LONGEST_TEXT) return 0;
    const std::string raw(reinterpret_cast<const char*>(data), size);
    Restart_Engine_State();
    Check_Position(("fen " + raw).c_str(), 1);
    Restart_Engine_State();
    Check_Position(raw.c_str(), 2);
    return 0;
}
