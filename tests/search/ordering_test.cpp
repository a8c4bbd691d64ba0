// Move ordering: the capture sort, the killers, the hash move and the killer update.
#include "search/ordering.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

// Distinct move words; E never occurs in the lists below.
constexpr Move A = Compose_Move(1, 28, 12, KIND_QUIET, 0);
constexpr Move B = Compose_Move(2, 21, 6, KIND_QUIET, 0);
constexpr Move C = Compose_Move(3, 19, 5, KIND_QUIET, 0);
constexpr Move D = Compose_Move(5, 31, 3, KIND_QUIET, 0);
constexpr Move E = Compose_Move(6, 13, 4, KIND_QUIET, 0);

struct Entry {
    Move move;
    int32_t score;
    bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& e) { return out << e.move << ':' << e.score; }

Move_List Make_List(const std::vector<Entry>& entries, uint8_t captures) {
    Move_List list{};
    for (const Entry& e : entries) {
        list.move[list.move_count] = e.move;
        list.score[list.move_count] = e.score;
        ++list.move_count;
    }
    list.capture_count = captures;
    return list;
}

std::vector<Entry> Entries(const Move_List& list) {
    std::vector<Entry> entries;
    for (int i = 0; i < list.move_count; ++i) entries.push_back({list.move[i], list.score[i]});
    return entries;
}

TEST(SortCaptures, ExchangeSortOfTheCapturePartOnly) {
    struct Row { std::vector<Entry> in; uint8_t captures; std::vector<Entry> out; };
    const Row rows[] = {
        // Not stable: the two moves scored 2 swap places.
        {{{A, 2}, {B, 1}, {C, 2}, {D, 3}}, 4, {{D, 3}, {C, 2}, {A, 2}, {B, 1}}},
        // Signed scores; the quiet moves after the captures keep their order and their (meaningless) scores.
        {{{A, -5}, {B, 3}, {C, 99}, {D, 0}}, 2, {{B, 3}, {A, -5}, {C, 99}, {D, 0}}},
        {{{A, 7}, {B, 9}}, 0, {{A, 7}, {B, 9}}},
        {{{A, 7}}, 1, {{A, 7}}},
    };
    for (const Row& r : rows) {
        Move_List list = Make_List(r.in, r.captures);
        Sort_Captures(&list);
        EXPECT_EQ(Entries(list), r.out);
        EXPECT_EQ(list.capture_count, r.captures);
    }
}

TEST(KillersToFront, EachKillerMovesToItsPlaceWhereItOccurs) {
    struct Row { std::vector<Entry> in; uint8_t captures; Move k1, k2; uint8_t start; std::vector<Entry> out; };
    const Row rows[] = {
        {{{A, 0}, {B, 0}, {C, 0}, {D, 0}}, 0, C, D, 0, {{C, 0}, {D, 0}, {A, 0}, {B, 0}}},
        {{{A, 0}, {B, 0}, {C, 0}, {D, 0}}, 0, D, C, 0, {{D, 0}, {C, 0}, {A, 0}, {B, 0}}},
        // First killer absent: the second still goes to the place after the start.
        {{{A, 0}, {B, 0}, {C, 0}, {D, 0}}, 0, E, D, 0, {{A, 0}, {D, 0}, {B, 0}, {C, 0}}},
        // Behind a capture scored 0 the killers follow it.
        {{{A, 0}, {B, 0}, {C, 0}, {D, 0}}, 1, C, D, 1, {{A, 0}, {C, 0}, {D, 0}, {B, 0}}},
        // A promotion killer from the capture part carries its score along.
        {{{A, 30}, {B, 20}, {C, 12}, {D, 0}}, 3, C, E, 1, {{A, 30}, {C, 12}, {B, 20}, {D, 0}}},
        // Each killer is looked for from its own place on: A before the start and B at the first killer's place stay.
        {{{A, 0}, {B, 0}, {C, 0}}, 1, A, B, 1, {{A, 0}, {B, 0}, {C, 0}}},
        // Empty killers (the zero word) change nothing.
        {{{A, 0}, {B, 0}, {C, 0}}, 0, 0, 0, 0, {{A, 0}, {B, 0}, {C, 0}}},
    };
    for (const Row& r : rows) {
        Move_List list = Make_List(r.in, r.captures);
        killer_1[7] = r.k1;
        killer_2[7] = r.k2;
        Killers_To_Front(&list, r.start, 7);
        EXPECT_EQ(Entries(list), r.out);
    }
}

TEST(HashMoveToFront, FoundAnywhereItGoesFirst) {
    struct Row { std::vector<Entry> in; Move hash_move; std::vector<Entry> out; };
    const Row rows[] = {
        {{{A, 1}, {B, 2}, {C, 3}, {D, 4}}, D, {{D, 4}, {A, 1}, {B, 2}, {C, 3}}},
        {{{A, 1}, {B, 2}, {C, 3}, {D, 4}}, B, {{B, 2}, {A, 1}, {C, 3}, {D, 4}}},
        {{{A, 1}, {B, 2}, {C, 3}, {D, 4}}, A, {{A, 1}, {B, 2}, {C, 3}, {D, 4}}},
        // Another position's move sharing the bucket is not in the list.
        {{{A, 1}, {B, 2}, {C, 3}, {D, 4}}, E, {{A, 1}, {B, 2}, {C, 3}, {D, 4}}},
    };
    for (const Row& r : rows) {
        Move_List list = Make_List(r.in, 0);
        Hash_Move_To_Front(&list, r.hash_move);
        EXPECT_EQ(Entries(list), r.out);
    }
}

TEST(NodeOrder, HashMoveThenBestCaptureThenKillers) {
    Move_List list = Make_List({{A, 10}, {B, 20}, {C, 0}, {D, 0}, {E, 0}}, 2);
    killer_1[3] = D;
    killer_2[3] = E;
    Sort_Captures(&list);
    Killers_To_Front(&list, 1, 3);
    Hash_Move_To_Front(&list, C);
    EXPECT_EQ(Entries(list), (std::vector<Entry>{{C, 0}, {B, 20}, {D, 0}, {E, 0}, {A, 10}}));
    // A killer that is also the hash move ends first.
    Hash_Move_To_Front(&list, D);
    EXPECT_EQ(list.move[0], D);
}

TEST(KillerUpdate, NewMovePushesTheOldFirstKillerDown) {
    struct Row { Move k1, k2, cut; Move k1_after, k2_after; };
    const Row rows[] = {
        {0, 0, A, A, 0},
        {A, B, C, C, A},
        {A, B, A, A, B},
        {A, B, B, B, A},
    };
    for (const Row& r : rows) {
        killer_1[100] = r.k1;
        killer_2[100] = r.k2;
        const Move_List list = Make_List({{E, 0}, {r.cut, 0}}, 0);
        Killer_Update(&list, 1, 100);
        EXPECT_EQ(killer_1[100], r.k1_after);
        EXPECT_EQ(killer_2[100], r.k2_after);
    }
}

}  // namespace
