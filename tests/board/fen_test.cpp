// Position setup from FEN text.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "board/board.h"
#include "board/board_invariants.h"
#include "uci/position.h"

namespace {

Board Fen_Board(const char* text) {
    Board b;
    Clear_Board(&b);
    Set_Fen(&b, text);
    return b;
}

uint64_t Bits(std::initializer_list<int> squares) {
    uint64_t set = 0;
    for (const int s : squares) set |= uint64_t{1} << s;
    return set;
}

TEST(Set_Fen, StartTextGivesTheStartPosition) {
    const Board b = Fen_Board(START_FEN);
    EXPECT_TRUE(Board_Invariants_Hold(b));
    EXPECT_EQ(b.all_white_piece, 0xFFFFULL);
    EXPECT_EQ(b.all_black_piece, 0xFFFFULL << 48);
    EXPECT_EQ(b.white_piece[PAWN], 0xFF00ULL);
    EXPECT_EQ(b.white_piece[KNIGHT], Bits({1, 6}));
    EXPECT_EQ(b.white_piece[BISHOP], Bits({2, 5}));
    EXPECT_EQ(b.white_piece[ROOK], Bits({0, 7}));
    EXPECT_EQ(b.white_piece[QUEEN], Bits({3}));
    EXPECT_EQ(b.white_piece[KING], Bits({4}));
    for (int type = PAWN; type <= KING; ++type) {
        // Black's sets are white's reflected top to bottom.
        uint64_t mirrored = 0;
        for (int s = 0; s < 64; ++s)
            if (b.white_piece[type] >> s & 1) mirrored |= uint64_t{1} << (s ^ 56);
        EXPECT_EQ(b.black_piece[type], mirrored) << "type " << type;
    }
    EXPECT_EQ(b.colour_move, 1);
    EXPECT_EQ(b.castling_K + b.castling_Q + b.castling_k + b.castling_q, 4);
    EXPECT_EQ(b.taking_passage_yes, 0);
}

TEST(Set_Fen, EmptyBoardAfterAFullOne) {
    Board b = Fen_Board(START_FEN);
    Set_Fen(&b, "fen 8/8/8/8/8/8/8/8 b - -");
    EXPECT_TRUE(Board_Invariants_Hold(b));
    EXPECT_EQ(b.all_piece, 0u);
    EXPECT_EQ(b.colour_move, 0);
    EXPECT_EQ(b.castling_K + b.castling_Q + b.castling_k + b.castling_q, 0);
    EXPECT_EQ(b.taking_passage_yes, 0);
}

// Fields read past the placement: castling bytes and the en-passant state, which setup drops when the
// position contradicts them.
struct Field_Case {
    const char* fen;
    uint8_t K, Q, k, q;
    uint8_t passage_yes, passage_x, passage_y;
};

void PrintTo(const Field_Case& c, std::ostream* os) { *os << c.fen; }

class Set_Fen_Fields : public testing::TestWithParam<Field_Case> {};

TEST_P(Set_Fen_Fields, CastlingAndEnPassant) {
    const Field_Case& c = GetParam();
    Board b = Fen_Board(START_FEN);
    Set_Fen(&b, c.fen);
    EXPECT_TRUE(Board_Invariants_Hold(b));
    EXPECT_EQ(b.castling_K, c.K);
    EXPECT_EQ(b.castling_Q, c.Q);
    EXPECT_EQ(b.castling_k, c.k);
    EXPECT_EQ(b.castling_q, c.q);
    EXPECT_EQ(b.taking_passage_yes, c.passage_yes);
    EXPECT_EQ(b.taking_passage_x, c.passage_x);
    EXPECT_EQ(b.taking_passage_y, c.passage_y);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Set_Fen_Fields,
    testing::Values(
        // After 1. e4 e5: the target square behind black's pawn.
        Field_Case{"fen rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2", 1, 1, 1, 1, 1, 4, 5},
        Field_Case{"fen rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", 1, 1, 1, 1, 1, 4, 2},
        // Consistent although no pawn can take.
        Field_Case{"fen 4k3/8/8/4p3/8/8/8/4K3 w - e6", 0, 0, 0, 0, 1, 4, 5},
        Field_Case{"fen r3k2r/8/8/8/8/8/8/R3K2R w Kq -", 1, 0, 0, 1, 0, 0, 0},
        Field_Case{"fen r3k2r/8/8/8/8/8/8/R3K2R w - -", 0, 0, 0, 0, 0, 0, 0},
        Field_Case{"fen r3k2r/8/8/8/8/8/8/R3K2R w KKQqkx -", 1, 1, 1, 1, 0, 0, 0},
        // Rights whose king or rook is not on its home square.
        Field_Case{"fen r3k2r/8/8/8/8/8/8/R4K1R w KQkq -", 0, 0, 1, 1, 0, 0, 0},
        Field_Case{"fen r3k3/8/8/8/8/8/8/4K2R w KQkq -", 1, 0, 0, 1, 0, 0, 0},
        Field_Case{"fen 4k3/8/8/8/8/8/8/4K2r w Kk -", 0, 0, 0, 0, 0, 0, 0},
        // En-passant fields the position contradicts.
        Field_Case{"fen 4k3/8/8/8/8/8/8/4K3 w - e6", 0, 0, 0, 0, 0, 0, 0},
        Field_Case{"fen 4k3/8/8/4p3/8/8/8/4K3 w - e5", 0, 0, 0, 0, 0, 0, 0},
        Field_Case{"fen 4k3/8/4n3/4p3/8/8/8/4K3 w - e6", 0, 0, 0, 0, 0, 0, 0},
        Field_Case{"fen 4k3/8/8/4P3/8/8/8/4K3 w - e6", 0, 0, 0, 0, 0, 0, 0},
        Field_Case{"fen 4k3/8/8/4p3/8/8/8/4K3 b - e6", 0, 0, 0, 0, 0, 0, 0},
        Field_Case{"fen 4k3/8/8/8/3P4/8/8/4K3 w - d3", 0, 0, 0, 0, 0, 0, 0}));

// A digit counts that many empty squares and any character that names no piece counts one.
TEST(Set_Fen, UnknownCharacterCoversOneSquare) {
    const Board empty_row = Fen_Board("fen 3x4/8/8/8/8/8/8/8 w - -");
    EXPECT_EQ(empty_row.all_piece, 0u);
    const Board king_row = Fen_Board("fen 3x3k/8/8/8/8/8/8/8 w - -");
    EXPECT_EQ(king_row.black_piece[KING], Bits({63}));
}

TEST(Set_Fen, SideLetterOtherThanWOrBKeepsTheSide) {
    Board b;
    Clear_Board(&b);
    for (const auto& [text, side] : {std::pair{"fen 8/8/8/8/8/8/8/8 x - -", 0}, std::pair{"fen 8/8/8/8/8/8/8/8 w - -", 1},
                                     std::pair{"fen 8/8/8/8/8/8/8/8 W - -", 1}, std::pair{"fen 8/8/8/8/8/8/8/8 b - -", 0},
                                     std::pair{"fen 8/8/8/8/8/8/8/8 - - -", 0}}) {
        Set_Fen(&b, text);
        EXPECT_EQ(b.colour_move, side) << text;
    }
}

TEST(Set_Fen, MoveCountersAreNotRead) {
    const char* base = "fen r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq -";
    const Board reference = Fen_Board(base);
    for (const char* tail : {"", " 0 1", " 37 99", " 2 3 moves e2e4", " junk"}) {
        const Board b = Fen_Board((std::string(base) + tail).c_str());
        EXPECT_EQ(std::memcmp(&b, &reference, sizeof b), 0) << tail;
    }
}

// Text that breaks the layout: whatever comes out, the record stays well formed and the en-passant state
// names a square of the board.
TEST(Set_Fen, MalformedTextKeepsTheRecordWellFormed) {
    const std::string long_text = "fen " + std::string(300, 'p') + "/" + std::string(300, '/') + " w KQkq e3";
    const char* texts[] = {
        "fen 9p/8/8/8/8/8/8/8 w - -",
        "fen pppppppppppppppp/PPPPPPPPPPPP/8/8/8/8/8/8 w - -",
        "fen 8/8/8/8/8/8/8/8/k7/K7/pppp w - -",
        "fen ////////////////// w - -",
        "fen rnbqkbnr/ppp",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR ",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQ",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq ",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w  KQkq - 0 1",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq z9",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq i3",
        "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e0",
        long_text.c_str(),
        "fen",
        "",
    };
    for (const char* text : texts) {
        Board b = Fen_Board(START_FEN);
        Set_Fen(&b, text);
        EXPECT_TRUE(Board_Invariants_Hold(b)) << text;
        EXPECT_TRUE(b.taking_passage_yes == 0 || (b.taking_passage_x < 8 && b.taking_passage_y < 8)) << text;
    }
}

}  // namespace
