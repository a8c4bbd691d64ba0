// The principal variation: lines taken from the search path, kept and put back by the nodes.
#include "search/pv.h"

#include <gtest/gtest.h>

namespace {

constexpr Move M1 = Compose_Move(1, 28, 12, KIND_QUIET, 0);
constexpr Move M2 = Compose_Move(1, 36, 52, KIND_QUIET, 0);
constexpr Move M3 = Compose_Move(2, 21, 6, KIND_QUIET, 0);
constexpr Move M4 = Compose_Move(2, 42, 57, KIND_QUIET, 0);

TEST(PrincipalVariation, LineEndsWithThePathToThePly) {
    pv = PV_Record{};
    pv.move[3] = M4;
    current_line = PV_Record{};
    current_line.move[0] = M1;
    current_line.move[1] = M2;
    current_line.move[2] = M3;
    current_line.move[3] = M2;  // a move at the ply itself is not part of the line ending there
    PV_From_Line(3, -997000);
    EXPECT_EQ(pv.length, 3);
    EXPECT_EQ(pv.score_move, -997000);
    EXPECT_EQ(pv.move[0], M1);
    EXPECT_EQ(pv.move[1], M2);
    EXPECT_EQ(pv.move[2], M3);
    EXPECT_EQ(pv.move[3], M4);

    // At the root the line is empty and nothing is copied.
    PV_From_Line(0, 0);
    EXPECT_EQ(pv.length, 0);
    EXPECT_EQ(pv.score_move, 0);
    EXPECT_EQ(pv.move[0], M1);
}

TEST(PrincipalVariation, SaveAndRestoreCarryTheWholeLine) {
    current_line.move[0] = M1;
    current_line.move[1] = M3;
    PV_From_Line(2, 35);
    PV_Record kept{};
    PV_Save(&kept);
    EXPECT_EQ(kept.length, 2);
    EXPECT_EQ(kept.score_move, 35);
    EXPECT_EQ(kept.move[0], M1);
    EXPECT_EQ(kept.move[1], M3);

    // A later child overwrites the variation; the node puts its best line back.
    current_line.move[1] = M4;
    current_line.move[2] = M2;
    PV_From_Line(3, 80);
    PV_Restore(&kept);
    EXPECT_EQ(pv.length, 2);
    EXPECT_EQ(pv.score_move, 35);
    EXPECT_EQ(pv.move[0], M1);
    EXPECT_EQ(pv.move[1], M3);
    EXPECT_EQ(pv.move[2], M2);  // beyond the length the old entries stay
}

TEST(PrincipalVariation, FullLengthLineIsCopied) {
    for (int i = 0; i < 101; ++i) current_line.move[i] = i + 1;
    PV_From_Line(101, 12);
    PV_Record kept{};
    PV_Save(&kept);
    EXPECT_EQ(kept.length, 101);
    EXPECT_EQ(kept.move[100], 101);
}

}  // namespace
