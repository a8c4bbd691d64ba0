// Evaluation: exact scores of small positions, rook file counting and colour symmetry.
#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <string>

#include "eval/eval.h"

namespace {

// A board from a FEN with both material fields set from its pieces, as a search would find it.
Board Load(const std::string& fen) {
    Board b{};
    Set_Fen(&b, ("fen " + fen).c_str());
    for (int type = PAWN; type <= KING; ++type)
        for (int s = 0; s < 64; ++s) {
            if (b.white_name_from_coord[s] == type) b.value_white_material += material_value[type];
            if (b.black_name_from_coord[s] == type) b.value_black_material += material_value[type];
        }
    return b;
}

// The same position reflected top to bottom with the colours exchanged.
std::string Mirror_Fen(const std::string& fen) {
    const std::size_t blank = fen.find(' ');
    const std::string placement = fen.substr(0, blank);
    std::string mirrored;
    for (std::size_t end = placement.size();;) {
        const std::size_t slash = placement.rfind('/', end - 1);
        const std::size_t begin = slash == std::string::npos ? 0 : slash + 1;
        if (!mirrored.empty()) mirrored += '/';
        mirrored += placement.substr(begin, end - begin);
        if (slash == std::string::npos) break;
        end = slash;
    }
    for (char& c : mirrored)
        c = std::isupper(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c))
                                                         : static_cast<char>(std::toupper(c));
    const bool white_to_move = fen.compare(blank + 1, 1, "w") == 0;
    return mirrored + (white_to_move ? " b - - 0 1" : " w - - 0 1");
}

struct Scored {
    const char* what;
    const char* fen;
    int32_t expected;
};

const Scored positions[] = {
    {"start", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 0},
    {"1. e4: centre pawn 16, empty shield square -20", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
     -4},
    {"king f1 shuts in the h1 rook", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1KNR w kq - 0 1", -50},
    {"king c1 shuts in the a1 rook", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/R1K2BNR w kq - 0 1", -20},
    {"white bishop h5", "4k3/8/8/7B/8/8/8/4K3 w - - 0 1", 10},
    {"black bishop h4", "4k3/8/8/8/7b/8/8/4K3 w - - 0 1", 0},
    {"lone pawn e2: three free files", "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", 30},
    {"passed pawn d5", "4k3/8/8/3P4/8/8/8/4K3 w - - 0 1", 90},
    {"doubled a-pawns counted once", "4k3/8/8/8/8/P7/P7/4K3 w - - 0 1", 60},
    {"castled endgame, rook on the open a-file", "6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1", 7},
    {"mirror-symmetric, both castled short",
     "r1bq1rk1/pppp1ppp/2n2n2/2b1p3/2B1P3/2N2N2/PPPP1PPP/R1BQ1RK1 w - - 0 1", 0},
    {"king g1: kingside pawn table, rook a1 sees a2", "rnbqkbnr/pppppppp/8/8/8/P7/1PPPPPPP/RNBQ1RK1 w kq - 0 1", 32},
    {"king c1: queenside pawn table, rook h1 sees h2", "rnbqkbnr/pppppppp/8/8/8/7P/PPPPPPP1/2KR1BNR w kq - 0 1", 32},
    // The pawn missing from the king's file leaves black's pawn on that file free (-10).
    {"king a2 looks across the edge at h2", "rnbqkbnr/pppppppp/8/8/8/8/KPPPPPPP/RNBQ1BNR w kq - 0 1", -65},
    {"king h2 looks across the edge at a4", "rnbqkbnr/pppppppp/8/8/P7/8/1PPPPPPK/RNBQ1BNR w kq - 0 1", -63},
    // A king on the far back rank in the middlegame: shield squares past the board hold no pawn.
    {"white king a8, shield off the board", "K7/8/8/8/8/8/8/2qqk3 w - - 0 1", -80},
    // Black pawns on c1-e1 score 30 each; they must not pass for the squares beyond d8's edge.
    {"white king d8, shield off the board", "3K4/8/8/8/8/qq6/8/2ppp2k w - - 0 1", -170},
    {"white king h8, shield off the board", "7K/8/8/8/8/8/8/2qqk3 w - - 0 1", -80},
    {"black king a1, shield off the board", "2QQK3/8/8/8/8/8/8/k7 w - - 0 1", 80},
    {"black king d1, shield off the board", "2PPP2K/8/QQ6/8/8/8/8/3k4 w - - 0 1", 170},
    {"black king h1, shield off the board", "2QQK3/8/8/8/8/8/8/7k w - - 0 1", 80},
    // Without a king a side's king terms vanish and its pawns read the king square as a1.
    {"no white king: pawns on the queenside table", "rnbqkbnr/pppppppp/8/8/8/5P2/PPPPP1PP/RNBQ1BNR w kq - 0 1", 1},
    {"no black king: pawns on the centre table", "rnbq1bnr/pppp1ppp/4p3/8/8/8/PPPPPPPP/RNBQKBNR w KQ - 0 1", -15},
    {"no kings at all", "8/8/8/8/8/8/4P3/8 w - - 0 1", 30},
};

TEST(Evaluate, ScoresPositions) {
    for (const Scored& p : positions) {
        const Board b = Load(p.fen);
        EXPECT_EQ(Evaluate(&b), p.expected) << p.what << ": " << p.fen;
    }
}

// Real games without a bishop on h2-h7 (the one square set where the colours are scored differently) and
// without a middlegame king on the a- or h-file above its corner, whose shelter wraps across the edge.
TEST(Evaluate, MirroredPositionScoresTheNegative) {
    const char* games[] = {
        "r1bqk2r/pp2bppp/2n1pn2/2pp4/3P4/2PBPN2/PP1N1PPP/R1BQK2R w KQkq - 0 1",
        "r2q1rk1/pp1nbppp/2p1pn2/3p4/2PP1B2/2N1PN2/PP3PPP/R2QKB1R w KQ - 0 1",
        "2kr3r/ppp2ppp/2n1bn2/4p3/1bB1P3/2N2N2/PPP2PPP/R1B2RK1 b - - 0 1",
        "rnb2rk1/pp3ppp/4pn2/q1pp4/1bPP4/2N1PN2/PPQ2PPP/R1B1KB1R w KQ - 0 1",
        "8/5pk1/6p1/3P4/1p3P2/1P4P1/6K1/8 w - - 0 1",
        "3r2k1/5ppp/8/2p5/2P1R3/1P4P1/5P1P/6K1 b - - 0 1",
        "8/3k4/1p1n2p1/p2P4/P1P1K3/6P1/8/5B2 w - - 0 1",
        "r4rk1/1b3ppp/pq2p3/1p1nP3/3N4/P1B5/1P3PPP/R2Q1RK1 w - - 0 1",
    };
    int nonzero = 0;
    for (const char* fen : games) {
        const Board b = Load(fen);
        const Board m = Load(Mirror_Fen(fen));
        EXPECT_EQ(Evaluate(&m), -Evaluate(&b)) << fen << " mirrored " << Mirror_Fen(fen);
        nonzero += Evaluate(&b) != 0;
    }
    EXPECT_GT(nonzero, 0) << "the positions should not all be balanced";
}

// Occupied squares as a set, from a list of names such as "a1 e4".
uint64_t Squares(const std::string& names) {
    uint64_t set = 0;
    for (std::size_t i = 0; i + 1 < names.size(); i += 3)
        set |= uint64_t{1} << (8 * (names[i + 1] - '1') + names[i] - 'a');
    return set;
}

TEST(RookFileMobility, CountsEmptySquaresAndFirstEnemyAlongTheFile) {
    struct Row {
        const char* rook;
        const char* own;
        const char* enemy;
        int expected;
    };
    const Row rows[] = {
        {"a1", "", "", 7},
        {"a1", "a2", "a8", 0},
        {"e4", "e2 d4 f4", "e6 e7", 3},          // e5, e6 up; e3 down; rank neighbours ignored
        {"e4", "e8", "e1", 6},                    // e5-e7, e3, e2 and the enemy on e1
        {"h8", "", "h7 h1", 1},                   // only the first enemy each way
        {"d1", "d3", "d8 a1 h1 c2 e2", 1},        // d2 only
    };
    for (const Row& r : rows) {
        const uint64_t rook = Squares(r.rook);
        const uint64_t own = rook | Squares(r.own);
        const uint64_t occupancy = own | Squares(r.enemy);
        EXPECT_EQ(Rook_File_Mobility(occupancy, own, static_cast<uint8_t>(std::countr_zero(rook))), r.expected)
            << r.rook << " own " << r.own << " enemy " << r.enemy;
    }
}

}  // namespace
