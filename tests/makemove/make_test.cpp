#include <gtest/gtest.h>

#include "makemove/support.h"

namespace {

struct Make_Case {
    const char* name;
    const char* fen;
    const char* move;
    const char* rights;  // castling_Q, castling_K, castling_q, castling_k after the move
    uint8_t en_passant[3];  // taking_passage_yes, _x, _y after the move
    int white_change, black_change;  // material
};

const Make_Case make_cases[] = {
    {"double step", START_POSITION, "e2e4", "1111", {1, 4, 2}, 0, 0},
    {"black double step", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", "e7e5", "1111", {1, 4, 5}, 0, 0},
    {"target kept after another move", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", "g8f6", "1111",
     {0, 4, 2}, 0, 0},
    {"short castling", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1g1", "0011", {0, 0, 0}, 0, 0},
    {"black long castling", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", "1100", {0, 0, 0}, 0, 0},
    {"rook leaves a1", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "a1a2", "0111", {0, 0, 0}, 0, 0},
    {"king steps", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1e2", "0011", {0, 0, 0}, 0, 0},
    {"rook takes rook on h8", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "h1h8", "1010", {0, 0, 0}, 0, -600},
    {"black rook takes rook on a1", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "a8a1", "0101", {0, 0, 0}, -600, 0},
    {"en passant", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "e5d6", "0000", {0, 3, 5}, 0, -100},
    {"black en passant", "4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1", "d4e3", "0000", {0, 4, 2}, -100, 0},
    {"queen promotion", "k7/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8q", "0000", {0, 0, 0}, 1100, 0},
    {"knight promotion taking a rook", "r3k3/1P6/8/8/8/8/8/4K3 w q - 0 1", "b7a8n", "0000", {0, 0, 0}, 300, -600},
    {"black queen promotion taking a rook", "4k3/8/8/8/8/8/6p1/4K2R b K - 0 1", "g2h1q", "0000", {0, 0, 0}, -600, 1100},
};

TEST(MakeMove, FieldsAfterTheMove) {
    for (const Make_Case& c : make_cases) {
        SCOPED_TRACE(c.name);
        Board b = Searchable_Board(c.fen);
        const Board before = b;
        const Move_List list = Generate_All(b);
        const int i = Find_Move(list, c.move);
        ASSERT_GE(i, 0);
        Undo_Record undo;
        Make(b, undo, list, i);
        const std::string rights = {char('0' + b.castling_Q), char('0' + b.castling_K), char('0' + b.castling_q),
                                    char('0' + b.castling_k)};
        EXPECT_EQ(rights, c.rights);
        EXPECT_EQ(b.colour_move, 1 - before.colour_move);
        EXPECT_EQ(b.taking_passage_yes, c.en_passant[0]);
        EXPECT_EQ(b.taking_passage_x, c.en_passant[1]);
        EXPECT_EQ(b.taking_passage_y, c.en_passant[2]);
        EXPECT_EQ(b.value_white_material - before.value_white_material, c.white_change);
        EXPECT_EQ(b.value_black_material - before.value_black_material, c.black_change);
        const Undo_Record saved = {before.taking_passage_yes, before.taking_passage_x, before.taking_passage_y,
                                   before.castling_Q,         before.castling_K,       before.castling_q,
                                   before.castling_k};
        EXPECT_EQ(std::memcmp(&undo, &saved, sizeof undo), 0);
    }
}

// Only the move word's victim type decides a lost right: a knight taken on h8 leaves castling_k alone.
TEST(MakeMove, OnlyATakenRookCostsARight) {
    Board b = Searchable_Board("4k2n/8/8/8/8/8/8/4K2R w - - 0 1");
    b.castling_k = 1;
    const Move_List list = Generate_All(b);
    Undo_Record undo;
    Make(b, undo, list, Find_Move(list, "h1h8"));
    EXPECT_EQ(b.castling_k, 1);
}

// A word of a kind no generator writes changes only the side to move and the en-passant flag.
TEST(MakeMove, UnknownKindMovesNothing) {
    Board b = Searchable_Board("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    Board expected = b;
    expected.colour_move = 1;
    expected.taking_passage_yes = 0;
    Move_List list;
    list.move[0] = Compose_Move(PAWN, 36, 52, 9, 0);
    list.move_count = 1;
    Undo_Record undo;
    Make_Move_Black(&b, &undo, &list, 0);
    EXPECT_EQ(Board_Differences(expected, b), "");
    Unmake_Move_Black(&b, &undo, &list, 0);
    EXPECT_EQ(b.colour_move, 0);
    EXPECT_EQ(b.taking_passage_yes, 1);
}

}  // namespace
