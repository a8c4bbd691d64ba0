#include <gtest/gtest.h>

#include "makemove/perft.h"
#include "uci/output.h"
#include "makemove/support.h"

namespace {

// Deep enough to reach every kind of move, shallow enough for the sanitizer build.
constexpr uint64_t NODE_BUDGET = 1'000'000;

TEST(Perft, PublishedCounts) {
    const std::vector<Perft_Position> positions = Perft_Positions();
    ASSERT_GE(positions.size(), 7u);
    for (const Perft_Position& p : positions) {
        SCOPED_TRACE(p.fen);
        Board b = Board_From(p.fen.c_str());
        for (size_t d = 1; d <= p.counts.size() && p.counts[d - 1] <= NODE_BUDGET; ++d)
            EXPECT_EQ(Perft(&b, static_cast<int>(d)), p.counts[d - 1]) << "depth " << d;
    }
}

// The root moves the perft tool splits by, and their text.
TEST(Perft, LegalRootMovesAndTheirText) {
    Board b = Board_From("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    Move_List legal;
    ASSERT_EQ(Legal_Moves(&b, &legal), 48);
    char text[6];
    // Pawn captures come first, from the lowest square up: g2 before d5.
    Move_Text(legal.move[0], Suffix::Promotions, text);
    EXPECT_STREQ(text, "g2h3");
    Move_Text(legal.move[1], Suffix::Promotions, text);
    EXPECT_STREQ(text, "d5e6");
    const struct {
        Move move;
        const char* text;
    } texts[] = {{Compose_Move(PAWN, 60, 52, KIND_PROMOTE_QUEEN, 0), "e7e8q"},
                 {Compose_Move(PAWN, 56, 49, KIND_CAPTURE_PROMOTE_KNIGHT, ROOK), "b7a8n"},
                 {Compose_Move(KING, 6, 4, KIND_CASTLE_SHORT, 0), "e1g1"}};
    for (const auto& t : texts) {
        Move_Text(t.move, Suffix::Promotions, text);
        EXPECT_STREQ(text, t.text);
    }
}

}  // namespace
