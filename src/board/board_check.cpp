// Snapshot, consistency test and material count of the board record.
#include <bit>
#include <cstdio>

#include "board/board.h"

namespace {

// Writes the message when the snapshot's value differs from the live one.
template <typename T>
void Report(T live, T snapshot, const char* message) {
    if (live != snapshot) std::printf("%s\n", message);
}

// The same for one element of an indexed field; the index follows the message directly.
template <typename T>
void Report(T live, T snapshot, const char* message, int index) {
    if (live != snapshot) std::printf("%s%d\n", message, index);
}

template <Colour C>
int32_t Material_Sum(const Board& b) {
    int32_t sum = 0;
    for (int type = PAWN; type <= QUEEN; ++type) sum += std::popcount(Pieces<C>(b)[type]) * material_value[type];
    return sum;
}

}  // namespace

void Copy_Board(Board* destination, const Board* source) {
    // The quiescence scratch word means nothing outside that search, so the destination keeps its own.
    const uint64_t kept = destination->saved_targets;
    *destination = *source;
    destination->saved_targets = kept;
}

void Test_Board(const Board* bitboard, const Board* test) {
    const Board& b = *bitboard;
    const Board& t = *test;
    Report(b.all_piece, t.all_piece, "white test_all_piece != bitboard->all_piece");
    Report(b.all_white_piece, t.all_white_piece, "white test_all_white_piece != bitboard->all_white_piece");
    Report(b.all_black_piece, t.all_black_piece, "white test_all_black_piece != bitboard->all_black_piece");
    Report(b.colour_move, t.colour_move, "white test_colour_move != bitboard->colour_move");
    Report(b.taking_passage_yes, t.taking_passage_yes, "white test_taking_passage_yes != bitboard->taking_passage_yes");
    Report(b.taking_passage_x, t.taking_passage_x, "white test_taking_passage_x != bitboard->taking_passage_x");
    Report(b.taking_passage_y, t.taking_passage_y, "white test_taking_passage_y != bitboard->taking_passage_y");
    Report(b.castling_Q, t.castling_Q, "white test_castling_Q != bitboard->castling_Q");
    Report(b.castling_K, t.castling_K, "white test_castling_K != bitboard->castling_K");
    Report(b.castling_q, t.castling_q, "white test_castling_q != bitboard->castling_q");
    Report(b.castling_k, t.castling_k, "white test_castling_k != bitboard->castling_k");
    Report(b.hash_key, t.hash_key, "white test_hash_key !=  bitboard->hash_key");
    Report(b.value_white_material, t.value_white_material,
           "white test_value_white_material != bitboard->value_white_material");
    Report(b.value_black_material, t.value_black_material,
           "white test_value_black_material != bitboard->value_black_material");
    for (int n = 0; n < 7; ++n) {
        Report(b.white_piece[n], t.white_piece[n], "white test_white_piece[n] = bitboard->white_piece[n]", n);
        Report(b.black_piece[n], t.black_piece[n], "white test_black_piece[n] = bitboard->black_piece[n]", n);
    }
    for (int k = 0; k < 64; ++k) {
        Report(b.white_name_from_coord[k], t.white_name_from_coord[k],
               "white test_white_name_from_coord[k] = bitboard->white_name_from_coord[k]", k);
        Report(b.black_name_from_coord[k], t.black_name_from_coord[k],
               "white test_black_name_from_coord[k] = bitboard->black_name_from_coord[k]", k);
    }
}

int32_t White_Material_Sum(const Board* bitboard) { return Material_Sum<WHITE>(*bitboard); }
int32_t Black_Material_Sum(const Board* bitboard) { return Material_Sum<BLACK>(*bitboard); }
