#include <gtest/gtest.h>

#include "makemove/support.h"

namespace {

// The first table of the process comes from the generator's initial state.
TEST(ZobristKeys, FirstDraw) {
    const First_Draw& first = Keys_Drawn();
    EXPECT_FALSE(first.drawn_before);
    EXPECT_TRUE(Zobrist_Keys_Drawn());
    EXPECT_EQ(first.black_pawn_a1, 0x6C118C5F33C24AE1ULL);
    EXPECT_EQ(first.black_pawn_b1, 0x766B395734A95F90ULL);
    EXPECT_EQ(first.white_pawn_a1, 0xC11B831D29F7DF06ULL);
    EXPECT_EQ(first.start_key, 0x57DB5D19A051DCC0ULL);
}

// Drawing again continues the sequence, so the same position gets a different key.
TEST(ZobristKeys, SecondDrawDiffers) {
    const uint64_t first_key = Keys_Drawn().start_key;
    Init_Zobrist_Keys();
    Board b = Board_From(START_POSITION);
    Compute_Hash_Key(&b);
    EXPECT_NE(b.hash_key, first_key);
    for (int c = 0; c < 2; ++c)
        for (int s = 0; s < 64; ++s) EXPECT_EQ(zobrist_key[c][NONE][s], 0u);
}

// The en-passant term mixes the target's file and rank into the fixed key.
TEST(ZobristKeys, EnPassantTerm) {
    Keys_Drawn();
    Board b = Board_From("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    Compute_Hash_Key(&b);
    const uint64_t with_target = b.hash_key;
    b.taking_passage_yes = 0;
    Compute_Hash_Key(&b);
    EXPECT_EQ(with_target ^ b.hash_key, KEY_EN_PASSANT ^ 6);
}

}  // namespace
