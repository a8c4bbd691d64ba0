// The "position" command: setup, move texts, warnings and the recorded game keys.
#include "uci/position.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "makemove/zobrist.h"
#include "search/repetition.h"
#include "uci/loop.h"

namespace {

const std::string WARNING = "WARNING ! moves error\n";

struct Outcome {
    Board board;
    std::string output;
};

Outcome Run_Position(const std::string& line) {
    Prepare_Engine();
    Outcome o;
    Clear_Board(&o.board);
    testing::internal::CaptureStdout();
    Position_Command(&o.board, line.c_str());
    o.output = testing::internal::GetCapturedStdout();
    return o;
}

// The key of a position written as FEN, which covers pieces, side, castling and the en-passant square.
uint64_t Key_Of(const char* fen) {
    Prepare_Engine();
    Board b;
    Clear_Board(&b);
    Set_Fen(&b, fen);
    Compute_Hash_Key(&b);
    return b.hash_key;
}

// Same pieces on the same squares, same side, rights and en-passant state.
testing::AssertionResult Same_Position(const Board& actual, const char* fen) {
    Board expected;
    Clear_Board(&expected);
    Set_Fen(&expected, fen);
    const bool same =
        std::memcmp(actual.white_piece, expected.white_piece, sizeof expected.white_piece) == 0 &&
        std::memcmp(actual.black_piece, expected.black_piece, sizeof expected.black_piece) == 0 &&
        std::memcmp(actual.white_name_from_coord, expected.white_name_from_coord, 64) == 0 &&
        std::memcmp(actual.black_name_from_coord, expected.black_name_from_coord, 64) == 0 &&
        actual.all_piece == expected.all_piece && actual.colour_move == expected.colour_move &&
        actual.castling_K == expected.castling_K && actual.castling_Q == expected.castling_Q &&
        actual.castling_k == expected.castling_k && actual.castling_q == expected.castling_q &&
        actual.taking_passage_yes == expected.taking_passage_yes &&
        (expected.taking_passage_yes == 0 || (actual.taking_passage_x == expected.taking_passage_x &&
                                               actual.taking_passage_y == expected.taking_passage_y));
    if (same) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "board differs from " << fen;
}

struct Position_Case {
    const char* line;
    const char* fen;  // the position expected afterwards
    int warnings;
    int count;  // game_key_count afterwards
};

void PrintTo(const Position_Case& c, std::ostream* os) { *os << c.line; }

class Position_Lines : public testing::TestWithParam<Position_Case> {};

TEST_P(Position_Lines, PlaysTheMovesItCanMatch) {
    const Position_Case& c = GetParam();
    const Outcome o = Run_Position(c.line);
    EXPECT_TRUE(Same_Position(o.board, c.fen));
    std::string warnings;
    for (int i = 0; i < c.warnings; ++i) warnings += WARNING;
    EXPECT_EQ(o.output, warnings);
    EXPECT_EQ(game_key_count, c.count);
    EXPECT_EQ(game_keys[game_key_count], Key_Of(c.fen));
    EXPECT_EQ(o.board.hash_key, Key_Of(c.fen));
}

const char* START = "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -";
const char* AFTER_E4 = "fen rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3";
const char* AFTER_E4_E5 = "fen rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6";
const char* PAWN_ON_E7 = "fen 7k/4P3/8/8/8/8/8/4K3 w - -";
const char* CASTLING = "fen r3k2r/8/8/8/8/8/8/R3K2R w KQkq -";
const char* ROOK_ON_H1 = "fen 4k3/8/8/8/8/8/8/4K2R w K -";

INSTANTIATE_TEST_SUITE_P(
    Rows, Position_Lines,
    testing::Values(
        Position_Case{"position startpos", START, 0, 0},
        Position_Case{"position startpos moves ", START, 0, 0},
        Position_Case{"position startpos moves    ", START, 0, 0},
        Position_Case{"position startpos moves e2e4", AFTER_E4, 0, 1},
        Position_Case{"position startpos moves   e2e4    e7e5   ", AFTER_E4_E5, 0, 2},
        Position_Case{"position fen rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1 moves e7e5",
                      AFTER_E4_E5, 0, 1},
        Position_Case{"position fen 4k3/8/8/3Pp3/8/8/8/4K3 w - e6 moves d5e6", "fen 4k3/8/4P3/8/8/8/8/4K3 b - -", 0, 1},
        // Promotions: the letter picks the piece, no letter means a queen, upper case is not a letter.
        Position_Case{"position fen 7k/4P3/8/8/8/8/8/4K3 w - - moves e7e8q", "fen 4Q2k/8/8/8/8/8/8/4K3 b - -", 0, 1},
        Position_Case{"position fen 7k/4P3/8/8/8/8/8/4K3 w - - moves e7e8r", "fen 4R2k/8/8/8/8/8/8/4K3 b - -", 0, 1},
        Position_Case{"position fen 7k/4P3/8/8/8/8/8/4K3 w - - moves e7e8b", "fen 4B2k/8/8/8/8/8/8/4K3 b - -", 0, 1},
        Position_Case{"position fen 7k/4P3/8/8/8/8/8/4K3 w - - moves e7e8n", "fen 4N2k/8/8/8/8/8/8/4K3 b - -", 0, 1},
        Position_Case{"position fen 7k/4P3/8/8/8/8/8/4K3 w - - moves e7e8", "fen 4Q2k/8/8/8/8/8/8/4K3 b - -", 0, 1},
        Position_Case{"position fen 3r3k/4P3/8/8/8/8/8/4K3 w - - moves e7d8n", "fen 3N3k/8/8/8/8/8/8/4K3 b - -", 0, 1},
        Position_Case{"position fen 7k/4P3/8/8/8/8/8/4K3 w - - moves e7e8Q", PAWN_ON_E7, 1, 1},
        Position_Case{"position fen 7k/4P3/8/8/8/8/8/4K3 w - - moves e7e8x", PAWN_ON_E7, 1, 1},
        Position_Case{"position fen 7k/4P3/8/8/8/8/8/4K3 w - - moves e7e8qq", PAWN_ON_E7, 1, 1},
        // Castling is the king's two-square move, never the king taking its own rook.
        Position_Case{"position fen r3k2r/8/8/8/8/8/8/R3K2R w KQkq - moves e1g1", "fen r3k2r/8/8/8/8/8/8/R4RK1 b kq -",
                      0, 1},
        Position_Case{"position fen r3k2r/8/8/8/8/8/8/R3K2R w KQkq - moves e1c1 e8g8",
                      "fen r4rk1/8/8/8/8/8/8/2KR3R w - -", 0, 2},
        Position_Case{"position fen r3k2r/8/8/8/8/8/8/R3K2R w KQkq - moves e1h1", CASTLING, 1, 1},
        // Texts that name no move leave the board alone but still count.
        Position_Case{"position startpos moves e9e4", START, 1, 1},
        Position_Case{"position startpos moves e2e5 e2e4", AFTER_E4, 1, 2},
        Position_Case{"position fen 4k3/8/8/8/8/8/8/4K2R w K - moves i2h3", ROOK_ON_H1, 1, 1},
        Position_Case{"position fen 4k3/8/8/8/8/8/8/4K2R w K - moves h1h3q", ROOK_ON_H1, 1, 1},
        Position_Case{"position fen 4k3/8/8/8/8/8/8/4K2R w K - moves h1h3n", ROOK_ON_H1, 1, 1},
        Position_Case{"position startpos moves e2e4q", START, 1, 1},
        Position_Case{"position startpos moves e2 e2e4", AFTER_E4, 1, 2},
        Position_Case{"position startpos moves e2e4 e7e", AFTER_E4, 1, 2},
        Position_Case{"position startpos moves e2e4 e", AFTER_E4, 1, 2},
        Position_Case{"position startpos moves E2E4", START, 1, 1}));

// Entry n holds the key after move text n; entries past the last hold their own index.
TEST(Position_Command, RecordsTheKeyOfEveryPositionAndFillsTheRest) {
    Run_Position("position startpos moves e2e4 e7e5");
    EXPECT_EQ(game_key_count, 2);
    EXPECT_EQ(game_keys[0], Key_Of(START));
    EXPECT_EQ(game_keys[1], Key_Of(AFTER_E4));
    EXPECT_EQ(game_keys[2], Key_Of(AFTER_E4_E5));
    EXPECT_EQ(game_keys[3], 3u);
    EXPECT_EQ(game_keys[999], 999u);
}

// Past the size of the key table every move is still played and the newest keys are kept.
TEST(Position_Command, LongGamesKeepTheLatestKeys) {
    std::string line = "position startpos moves";
    for (int i = 0; i < 300; ++i) line += " g1f3 g8f6 f3g1 f6g8";
    line += " g1f3";
    const Outcome o = Run_Position(line);
    const char* after_nf3 = "fen rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R b KQkq -";
    EXPECT_EQ(o.output, "");
    EXPECT_TRUE(Same_Position(o.board, after_nf3));
    EXPECT_EQ(game_key_count, GAME_KEYS - 1);
    EXPECT_EQ(game_keys[999], Key_Of(after_nf3));
    EXPECT_EQ(game_keys[998], Key_Of(START));
    EXPECT_EQ(game_keys[995], game_keys[999]);
    EXPECT_EQ(game_keys[0], game_keys[996]);
}

}  // namespace
