#include <gtest/gtest.h>

#include "makemove/support.h"
#include "movegen/generate.h"

namespace {

// The move word agrees with the board it was generated on.
std::string Word_Faults(const Board& b, Move m) {
    const uint8_t* own = b.colour_move ? b.white_name_from_coord : b.black_name_from_coord;
    const uint8_t* other = b.colour_move ? b.black_name_from_coord : b.white_name_from_coord;
    const int kind = Move_Kind_Of(m), to = Move_To(m);
    std::string faults;
    if (Move_Piece(m) != own[Move_From(m)]) faults += "piece ";
    const bool takes = kind == KIND_CAPTURE || kind >= KIND_CAPTURE_PROMOTE_KNIGHT;
    if (kind == KIND_EN_PASSANT) {
        if (Move_Captured(m) != PAWN || other[b.colour_move ? to - 8 : to + 8] != PAWN) faults += "en-passant victim ";
    } else if (Move_Captured(m) != (takes ? other[to] : 0)) {
        faults += "captured ";
    }
    return faults;
}

// Board invariants that make and unmake must keep.
std::string Board_Faults(const Board& b) {
    std::string faults;
    uint64_t white = 0, black = 0;
    for (int t = PAWN; t <= KING; ++t) {
        white |= b.white_piece[t];
        black |= b.black_piece[t];
    }
    if (white != b.all_white_piece || black != b.all_black_piece || (white | black) != b.all_piece) faults += "occupancy ";
    for (int s = 0; s < 64; ++s)
        for (int t = PAWN; t <= KING; ++t)
            if (((b.white_piece[t] >> s & 1) != 0) != (b.white_name_from_coord[s] == t) ||
                ((b.black_piece[t] >> s & 1) != 0) != (b.black_name_from_coord[s] == t))
                faults += "square table ";
    if (b.value_white_material != Counted_Material(b.white_piece) ||
        b.value_black_material != Counted_Material(b.black_piece))
        faults += "material ";
    return faults;
}

// Walks the tree as the search does and checks every move; returns the number of legal leaves.
uint64_t Checked_Walk(Board& b, int depth) {
    const Move_List list = Generate_All(b);
    const uint8_t mover = b.colour_move;
    uint64_t leaves = 0;
    for (int i = 0; i < list.move_count; ++i) {
        const Board before = b;
        const std::string word = Word_Faults(b, list.move[i]);
        if (!word.empty()) ADD_FAILURE() << Entry_Text(list, i, false) << ": " << word;
        Undo_Record undo;
        Make(b, undo, list, i);
        EXPECT_EQ(b.hash_key, before.hash_key);
        const std::string faults = Board_Faults(b);
        if (!faults.empty()) ADD_FAILURE() << Entry_Text(list, i, false) << " after make: " << faults;
        if (!(mover ? King_Attacked_White(&b) : King_Attacked_Black(&b))) {
            Update_Hash_Key(&b, mover, &list, static_cast<uint8_t>(i), &undo);
            Board scratch = b;
            Compute_Hash_Key(&scratch);
            if (scratch.hash_key != b.hash_key) ADD_FAILURE() << Entry_Text(list, i, false) << ": updated key";
            leaves += depth > 1 ? Checked_Walk(b, depth - 1) : 1;
            b.hash_key = before.hash_key;
        }
        Unmake(b, mover, undo, list, i);
        const std::string changed = Board_Differences(before, b);
        if (!changed.empty()) ADD_FAILURE() << Entry_Text(list, i, false) << " not undone: " << changed;
    }
    return leaves;
}

// Make then unmake restores the board, every position reached is consistent, and the key updated after a
// move equals the key computed from scratch.
TEST(MakeUnmake, EveryMoveOfPerftTrees) {
    Keys_Drawn();
    for (const Perft_Position& p : Perft_Positions()) {
        SCOPED_TRACE(p.fen);
        int depth = 1;
        while (depth < static_cast<int>(p.counts.size()) && depth < 3 && p.counts[depth] <= 100'000) ++depth;
        Board b = Searchable_Board(p.fen.c_str());
        Compute_Hash_Key(&b);
        EXPECT_EQ(Checked_Walk(b, depth), p.counts[depth - 1]);
    }
}

}  // namespace
