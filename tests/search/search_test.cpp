// The alpha-beta search, the quiescence search and the null-move test, called directly on set-up boards.
#include <gtest/gtest.h>

#include <cstring>

#include "eval/eval.h"
#include "search/pv.h"
#include "search/search.h"
#include "search/search_setup.h"

namespace {

constexpr int32_t INF = INFINITE_SCORE;

int32_t Static_Score(const Board* b) { return b->value_white_material - b->value_black_material + Evaluate(b); }

TEST(Search, MateAndStalemateScores) {
    struct Case {
        const char* fen;
        uint8_t ply;
        uint8_t in_check;
        int32_t expected;
    } cases[] = {
        {"6k1/8/8/8/8/8/5PPP/r5K1 w - - 0 1", 3, 1, -997000},  // white mated at ply 3
        {"R5k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1", 2, 1, 998000},  // black mated at ply 2
        {"7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", 1, 0, 0},             // stalemate
    };
    for (const Case& c : cases) {
        Board b;
        Prepare_Search(&b, c.fen);
        Place_At_Ply(&b, c.ply);
        const int32_t s = b.colour_move ? Search_White(&search_control, &b, -INF, INF, c.ply + 2, c.ply, KIND_QUIET, 1, c.in_check, 0)
                                        : Search_Black(&search_control, &b, -INF, INF, c.ply + 2, c.ply, KIND_QUIET, 1, c.in_check, 0);
        EXPECT_EQ(s, c.expected) << c.fen;
        EXPECT_EQ(pv.score_move, c.expected) << c.fen;
        EXPECT_EQ(pv.length, c.ply) << c.fen;
    }
}

TEST(Search, RepetitionOfTheRootAtPlyFourIsADrawWithItsLine) {
    Board b;
    Prepare_Search(&b, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    const Move line[4] = {Compose_Move(KNIGHT, 21, 6, KIND_QUIET, 0), Compose_Move(KNIGHT, 45, 62, KIND_QUIET, 0),
                          Compose_Move(KNIGHT, 6, 21, KIND_QUIET, 0), Compose_Move(KNIGHT, 62, 45, KIND_QUIET, 0)};
    std::memcpy(current_line.move, line, sizeof line);
    Place_At_Ply(&b, 4);
    EXPECT_EQ(Search_White(&search_control, &b, -INF, INF, 6, 4, KIND_QUIET, 1, 0, 0), 0);
    ASSERT_EQ(pv.length, 4);
    EXPECT_EQ(pv.score_move, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pv.move[i], line[i]);
    EXPECT_EQ(search_control.nodes, 0u);  // nothing searched
}

// White a bishop up with the bishop on h5: material 400, positional +10.
TEST(Search, StaticFutilityCutsOnlyNearTheHorizon) {
    Board b;
    Prepare_Search(&b, "4k3/8/8/7B/8/8/8/4K3 w - - 0 1");
    ASSERT_EQ(Evaluate(&b), 10);
    const int32_t beta = 400 - 150;
    Place_At_Ply(&b, 1);
    EXPECT_EQ(Search_White(&search_control, &b, beta - 1, beta, 2, 1, KIND_QUIET, 0, 0, 0), 410);
    EXPECT_EQ(search_control.nodes, 0u);
    Search_White(&search_control, &b, beta - 1, beta, 3, 1, KIND_QUIET, 0, 0, 0);
    EXPECT_GT(search_control.nodes, 0u);  // two plies left: the margin is 300, so the node is searched
}

// Counts the positions a quiescence call enters, the node itself included.
struct Quiescence_Run {
    int32_t score;
    uint64_t visited;
    bool operator==(const Quiescence_Run&) const = default;
};

Quiescence_Run Run_Quiescence(Board* b, int32_t alpha, int32_t beta, uint8_t ply = 1, uint8_t pv_node = 0) {
    const uint64_t before = positions_visited;
    const int32_t s = b->colour_move ? Quiescence_White(b, alpha, beta, ply, pv_node) : Quiescence_Black(b, alpha, beta, ply, pv_node);
    return {s, positions_visited - before};
}

// A white queen that can take an undefended pawn, bishop, knight and rook; no reply captures anything, so each
// generated capture shows as exactly one more position visited.
TEST(Quiescence, FarBelowTheBoundCheapVictimsAreNotGenerated) {
    struct Case {
        int32_t below;
        uint64_t captures;
    } cases[] = {{150, 4}, {160, 4}, {170, 3}, {500, 3}, {600, 1}, {700, 1}, {800, 0}};
    for (const Case& c : cases) {
        Board b;
        Prepare_Search(&b, "k7/6n1/1b1p4/8/3Q3r/8/8/K7 w - - 0 1");
        const int32_t alpha = Static_Score(&b) + c.below;
        EXPECT_EQ(Run_Quiescence(&b, alpha, INF).visited, 1 + c.captures) << c.below;
    }
}

TEST(Quiescence, StandPatAndItsRaisedValue) {
    Board b;
    Prepare_Search(&b, "k7/8/3p4/8/3Q4/8/8/K7 w - - 0 1");
    const int32_t sp = Static_Score(&b);
    EXPECT_EQ(Run_Quiescence(&b, sp - 10, sp).score, sp);             // stand pat reaches beta: no move tried
    EXPECT_EQ(Run_Quiescence(&b, sp - 10, sp).visited, 1u);
    EXPECT_EQ(Run_Quiescence(&b, sp + 170, INF).score, sp + 160);     // the pawn is no victim any more
    EXPECT_EQ(Run_Quiescence(&b, sp + 170, INF).visited, 1u);
    EXPECT_EQ(Run_Quiescence(&b, sp + 150, INF).visited, 2u);         // close enough: the pawn is taken

    Prepare_Search(&b, "k7/8/3p4/8/3q4/8/8/K7 b - - 0 1");
    const int32_t black_sp = Static_Score(&b);
    EXPECT_EQ(Run_Quiescence(&b, black_sp, black_sp + 10).score, black_sp);  // black: stand pat at alpha
    EXPECT_EQ(Run_Quiescence(&b, black_sp, black_sp + 10).visited, 1u);
}

TEST(Quiescence, EnPassantSurvivesNarrowing) {
    Board b;
    Prepare_Search(&b, "k7/8/5p2/3pP3/8/8/8/K7 w - d6 0 1");
    const int32_t sp = Static_Score(&b);
    EXPECT_EQ(Run_Quiescence(&b, sp + 300, INF).visited, 2u);  // e5xd6 en passant only
    EXPECT_EQ(Run_Quiescence(&b, sp + 150, INF).visited, 3u);  // and e5xf6
}

TEST(Quiescence, TakingTheKingScoresAsMate) {
    Board b;
    Prepare_Search(&b, "k7/8/8/8/8/8/R7/K7 w - - 0 1");
    EXPECT_EQ(Run_Quiescence(&b, -INF, INF, 5).score, 995000);
    Prepare_Search(&b, "k7/r7/8/8/8/8/8/K7 b - - 0 1");
    EXPECT_EQ(Run_Quiescence(&b, -INF, INF, 5).score, -995000);
}

TEST(Quiescence, StandPatLineOnThePrincipalVariation) {
    Board b;
    Prepare_Search(&b, "k7/8/8/8/8/8/8/K7 w - - 0 1");
    for (int i = 0; i < 6; ++i) current_line.move[i] = Compose_Move(KING, i + 1, i, KIND_QUIET, 0);
    const int32_t sp = Static_Score(&b);
    EXPECT_EQ(Run_Quiescence(&b, sp - 50, sp + 50, 6, 1).score, sp);
    ASSERT_EQ(pv.length, 6);
    EXPECT_EQ(pv.score_move, sp);
    EXPECT_EQ(std::memcmp(pv.move, current_line.move, 6 * sizeof(Move)), 0);
}

// Lines of checks extend without limit; the per-ply tables end at ply 100, where the search stands pat.
TEST(Search, PlyNeverLeavesThePerPlyTables) {
    Board b;
    Prepare_Search(&b, "3qk3/8/8/8/8/8/8/3QK3 w - - 0 1");
    Place_At_Ply(&b, 97);
    const int32_t s = Search_White(&search_control, &b, -INF, INF, 250, 97, KIND_QUIET, 1, 0, 0);
    EXPECT_GT(s, -INF);
    EXPECT_LT(s, INF);
    EXPECT_LE(pv.length, 101);

    Prepare_Search(&b, "k7/8/3p4/8/3Q4/8/8/K7 w - - 0 1");
    const int32_t sp = Static_Score(&b);
    const Quiescence_Run at_end = Run_Quiescence(&b, sp - 500, INF, MAX_PLY, 1);
    EXPECT_EQ(at_end.score, sp);  // the pawn capture is not tried
    EXPECT_EQ(at_end.visited, 1u);
    EXPECT_EQ(pv.length, MAX_PLY);
}

TEST(Search, AStoppedSearchReturnsAtOnceAndWritesNothing) {
    Board b;
    Prepare_Search(&b, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    search_control.stop = 1;
    Place_At_Ply(&b, 1);
    const uint64_t visited = positions_visited;
    EXPECT_EQ(Search_White(&search_control, &b, -INF, INF, 1, 1, KIND_QUIET, 1, 0, 0), 0);  // before the horizon
    EXPECT_EQ(Search_White(&search_control, &b, -INF, INF, 5, 1, KIND_QUIET, 0, 0, 0), 0);
    EXPECT_EQ(positions_visited, visited);
    EXPECT_EQ(hash_table[Hash_Index(b.hash_key)].score_slot.key_check, 0u);
    EXPECT_EQ(Run_Quiescence(&b, -INF, INF), (Quiescence_Run{0, 1}));
}

// A long capture sequence still watches the limits: a node budget already spent stops the quiescence search.
TEST(Search, QuiescenceChecksTheLimits) {
    Board b;
    Prepare_Search(&b, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    search_guard.node_limit = 1;
    search_guard.nodes_before = 1;
    search_guard.leaf_count = 1023;
    EXPECT_EQ(Run_Quiescence(&b, -INF, INF).score, 0);
    EXPECT_EQ(search_control.stop, 1);
}

// White a queen up: passing still leaves black far below any small bound.
class Null_Move_Test : public testing::Test {
  protected:
    void SetUp() override { Set_Up("k7/8/8/3pP3/8/8/8/KQ6 w - d6 0 1"); }
    void Set_Up(const char* fen) {
        Prepare_Search(&b, fen);
        ASSERT_EQ(b.taking_passage_yes, 1);
        Copy_Board(&before, &b);
    }
    int32_t Try(uint8_t depth, uint8_t ply, int32_t last_kind = KIND_QUIET, uint8_t pv_node = 0, uint8_t in_check = 0,
                uint8_t no_null = 0, int32_t beta = 1) {
        return Null_Move_White(&search_control, &b, beta - 1, beta, depth, ply, last_kind, pv_node, in_check, no_null,
                               b.hash_key);
    }
    void Expect_Board_Unchanged() {
        testing::internal::CaptureStdout();
        Test_Board(&b, &before);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    }
    Board b;
    Board before;
};

TEST_F(Null_Move_Test, DeclinesUnlessEveryConditionHolds) {
    struct Case {
        const char* name;
        uint8_t depth, ply;
        int32_t last_kind;
        uint8_t pv_node, in_check, no_null, switched_on;
    } cases[] = {
        {"switched off", 8, 3, KIND_QUIET, 0, 0, 0, 0},
        {"below a null move", 8, 3, KIND_QUIET, 0, 0, 1, 1},
        {"depth limit 4", 4, 1, KIND_QUIET, 0, 0, 0, 1},
        {"one ply left", 8, 7, KIND_QUIET, 0, 0, 0, 1},
        {"principal variation", 8, 3, KIND_QUIET, 1, 0, 0, 1},
        {"after a plain capture", 8, 3, KIND_CAPTURE, 0, 0, 0, 1},
        {"in check", 8, 3, KIND_QUIET, 0, 1, 0, 1},
    };
    for (const Case& c : cases) {
        search_control.null_move_on = c.switched_on;
        const uint64_t marker = 0x1234;
        search_keys[c.ply + 1] = marker;
        EXPECT_EQ(Try(c.depth, c.ply, c.last_kind, c.pv_node, c.in_check, c.no_null), NO_RESULT) << c.name;
        EXPECT_EQ(search_keys[c.ply + 1], marker) << c.name;  // untouched
        EXPECT_EQ(search_control.nodes, 0u) << c.name;
    }
    Expect_Board_Unchanged();
}

TEST_F(Null_Move_Test, CutsOffWithoutVerificationUpToFivePliesAndRestoresEverything) {
    for (const char* kind_name : {"en passant", "promotion", "castling"}) {
        const int32_t kind = kind_name[0] == 'e' ? KIND_EN_PASSANT : kind_name[0] == 'p' ? KIND_PROMOTE_QUEEN : KIND_CASTLE_SHORT;
        EXPECT_EQ(Try(8, 3, kind), 1) << kind_name;  // r = 5
    }
    EXPECT_EQ(Try(6, 4), 1);  // r = 2
    EXPECT_EQ(search_control.nodes, 0u);
    // The child saw the position after the pass: side flipped, no en-passant term.
    EXPECT_EQ(search_keys[5], before.hash_key ^ En_Passant_Key(3, 5) ^ KEY_WHITE_TO_MOVE);
    Expect_Board_Unchanged();
}

// Material level and the bound below the static score: the verification is not cut by futility and searches.
TEST_F(Null_Move_Test, SixPliesOrMoreAreVerifiedAndTheVerificationCounts) {
    Set_Up("k7/8/8/3pP3/8/8/8/K7 w - d6 0 1");
    const int32_t beta = Static_Score(&b) - 100;
    EXPECT_EQ(Try(9, 3, KIND_QUIET, 0, 0, 0, beta), beta);  // r = 6: verified by a one-ply search of the node
    EXPECT_GT(search_control.nodes, 0u);
    Expect_Board_Unchanged();
}

}  // namespace
