// The transposition table: sizing, probe bounds, replacement across searches, clearing, and the resize failure.
#include "hash/table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// A fresh default table and age 1 for every test.
class Table : public testing::Test {
protected:
    void SetUp() override {
        Hash_Create();
        Hash_Clear();
        hash_age = 1;
    }
    void TearDown() override { Hash_Release(); }
};

// Two positions sharing bucket 5: same lower half, different upper halves.
constexpr uint64_t KEY_A = 0x1234567800000005ULL;
constexpr uint64_t KEY_B = 0x9ABCDEF000000005ULL;
constexpr uint64_t BUCKET = 5;

Move_List One_Move(Move m) {
    Move_List list{};
    list.move[0] = m;
    list.move_count = 1;
    return list;
}

TEST(HashSizing, BucketCountIsLargestPowerOfTwoWithinTheClampedSize) {
    struct Row { uint16_t megabytes; uint64_t buckets; };
    const Row rows[] = {{0, 32768},        {1, 32768},        {2, 65536},       {3, 131072},
                        {4, 131072},       {16, 524288},      {64, 2097152},    {128, 4194304},
                        {512, 16777216},   {1000, 33554432},  {1024, 33554432}, {2000, 33554432}};
    for (const Row& r : rows) EXPECT_EQ(Hash_Bucket_Count(r.megabytes), r.buckets) << r.megabytes << " MB";
}

TEST_F(Table, CreateAndResizeSetTheMask) {
    EXPECT_EQ(hash_mask, 32767u);
    Hash_Resize(3);
    EXPECT_EQ(hash_mask, 131071u);
    Hash_Resize(0);
    EXPECT_EQ(hash_mask, 32767u);
    // A second create replaces the block; the leak checker of the sanitizer build would see a lost one.
    Hash_Create();
    EXPECT_EQ(hash_mask, 32767u);
    // The block is zero-filled and ends with two spare buckets beyond the mask.
    const Hash_Bucket& spare = hash_table[hash_mask + 2];
    EXPECT_EQ(spare.move_slot.key_check | spare.score_slot.key_check, 0u);
}

TEST_F(Table, ProbeReturnsOnlyScoresThatSettleTheWindow) {
    struct Row {
        bool white;
        uint8_t flag;
        int32_t stored;
        uint8_t stored_depth;  // remaining depth of the entry
        uint8_t depth, ply;    // the probing node
        int32_t alpha, beta;
        int32_t expected;
    };
    const Row rows[] = {
        // Exact scores inside the window are never returned; outside, the side to move's far side counts.
        {true, HASH_EXACT, 50, 3, 5, 2, 0, 100, NO_RESULT},
        {false, HASH_EXACT, 50, 3, 5, 2, 0, 100, NO_RESULT},
        {true, HASH_EXACT, -1, 3, 5, 2, 0, 100, -1},
        {false, HASH_EXACT, 101, 3, 5, 2, 0, 100, 101},
        {true, HASH_EXACT, 101, 3, 5, 2, 0, 100, NO_RESULT},
        {false, HASH_EXACT, -1, 3, 5, 2, 0, 100, NO_RESULT},
        // Edges: a cut-off at the far bound counts, a fail-low at the near bound does not.
        {true, HASH_CUTOFF, 100, 3, 5, 2, 0, 100, 100},
        {true, HASH_CUTOFF, 99, 3, 5, 2, 0, 100, NO_RESULT},
        {true, HASH_FAILED, 0, 3, 5, 2, 0, 100, NO_RESULT},
        {true, HASH_FAILED, -1, 3, 5, 2, 0, 100, -1},
        {false, HASH_CUTOFF, 0, 3, 5, 2, 0, 100, 0},
        {false, HASH_CUTOFF, 1, 3, 5, 2, 0, 100, NO_RESULT},
        {false, HASH_FAILED, 100, 3, 5, 2, 0, 100, NO_RESULT},
        {false, HASH_FAILED, 101, 3, 5, 2, 0, 100, 101},
        // One ply too shallow is never used, whatever the flag; deeper is.
        {true, HASH_CUTOFF, 500, 2, 5, 2, 0, 100, NO_RESULT},
        {false, HASH_CUTOFF, -500, 2, 5, 2, 0, 100, NO_RESULT},
        {true, HASH_EXACT, -500, 2, 5, 2, 0, 100, NO_RESULT},
        {true, HASH_CUTOFF, 500, 4, 5, 2, 0, 100, 500},
        // A node beyond its horizon asks for a negative depth: any entry is deep enough.
        {true, HASH_CUTOFF, 500, 0, 2, 5, 0, 100, 500},
    };
    for (const Row& r : rows) {
        Hash_Clear();
        Hash_Store_Score(Hash_Index(KEY_A), Hash_Check(KEY_A), r.stored, r.flag, r.stored_depth);
        const int32_t got = r.white ? Hash_Probe_White(KEY_A, r.ply, r.depth, r.alpha, r.beta)
                                    : Hash_Probe_Black(KEY_A, r.ply, r.depth, r.alpha, r.beta);
        EXPECT_EQ(got, r.expected) << (r.white ? "white" : "black") << " flag " << int{r.flag} << " score "
                                   << r.stored << " depth " << int{r.stored_depth};
    }
}

TEST_F(Table, ProbeIgnoresAnotherPositionInTheBucket) {
    Hash_Store_Score(BUCKET, Hash_Check(KEY_B), 500, HASH_CUTOFF, 9);
    EXPECT_EQ(Hash_Probe_White(KEY_A, 0, 1, 0, 100), NO_RESULT);
    EXPECT_EQ(Hash_Probe_White(KEY_B, 0, 1, 0, 100), 500);
}

// Each row stamps a slot in one search, then stores again later; the slot keeps or yields.
struct Replacement {
    uint8_t first_age, first_depth;
    uint8_t second_age, second_depth;
    bool replaced;
};

TEST_F(Table, MoveSlotYieldsToAnyNewerSearchAndToEqualDepthInTheSame) {
    const Replacement rows[] = {
        {1, 6, 1, 5, false}, {1, 6, 1, 6, true},  {1, 6, 1, 7, true}, {1, 6, 2, 0, true},
        {251, 6, 1, 0, true}, {250, 6, 1, 0, true}, {5, 6, 4, 0, true},
        // Depths compare as unsigned bytes: a wrapped remaining depth counts as very deep.
        {1, 255, 1, 254, false}, {1, 254, 1, 255, true},
    };
    for (const Replacement& r : rows) {
        Hash_Clear();
        hash_age = r.first_age;
        const Move_List first = One_Move(111);
        Hash_Store_Move(BUCKET, Hash_Check(KEY_A), &first, 0, r.first_depth);
        hash_age = r.second_age;
        const Move_List second = One_Move(222);
        Hash_Store_Move(BUCKET, Hash_Check(KEY_B), &second, 0, r.second_depth);
        const Move_Slot& slot = hash_table[BUCKET].move_slot;
        const bool replaced = slot.move == 222;
        EXPECT_EQ(replaced, r.replaced) << "ages " << int{r.first_age} << "->" << int{r.second_age} << " depths "
                                        << int{r.first_depth} << "->" << int{r.second_depth};
        EXPECT_EQ(slot.key_check, Hash_Check(replaced ? KEY_B : KEY_A));
        EXPECT_EQ(slot.depth, replaced ? r.second_depth : r.first_depth);
        EXPECT_EQ(slot.age, replaced ? r.second_age : r.first_age);
    }
}

TEST_F(Table, ScoreSlotKeepsDeeperEntriesOfTheLastSearch) {
    const Replacement rows[] = {
        {1, 6, 1, 5, false}, {1, 6, 1, 6, true},   {1, 6, 2, 5, false}, {1, 6, 2, 6, true},
        {1, 6, 3, 0, true},  {1, 6, 200, 0, true},
        // After the wrap to 1, slots stamped 250 and 251 are not old until the next clear.
        {250, 6, 1, 5, false}, {251, 6, 1, 5, false}, {251, 6, 251, 5, false}, {251, 6, 1, 6, true},
        // A slot stamped 1 is old again from age 3.
        {1, 6, 3, 5, true},  {249, 6, 251, 5, true},
        {1, 255, 1, 254, false},
    };
    for (const Replacement& r : rows) {
        Hash_Clear();
        hash_age = r.first_age;
        Hash_Store_Score(BUCKET, Hash_Check(KEY_A), 111, HASH_EXACT, r.first_depth);
        hash_age = r.second_age;
        Hash_Store_Score(BUCKET, Hash_Check(KEY_B), 222, HASH_CUTOFF, r.second_depth);
        const Score_Slot& slot = hash_table[BUCKET].score_slot;
        const bool replaced = slot.score == 222;
        EXPECT_EQ(replaced, r.replaced) << "ages " << int{r.first_age} << "->" << int{r.second_age} << " depths "
                                        << int{r.first_depth} << "->" << int{r.second_depth};
        EXPECT_EQ(slot.key_check, Hash_Check(replaced ? KEY_B : KEY_A));
        EXPECT_EQ(slot.flag, replaced ? HASH_CUTOFF : HASH_EXACT);
        EXPECT_EQ(slot.depth, replaced ? r.second_depth : r.first_depth);
        EXPECT_EQ(slot.age, replaced ? r.second_age : r.first_age);
    }
}

TEST_F(Table, StoreWritesMoveAndScoreWithTheRemainingDepth) {
    const Move_List list = [] {
        Move_List l{};
        l.move[0] = 7;
        l.move[1] = 42;
        l.move_count = 2;
        return l;
    }();
    Hash_Store(KEY_A, &list, 1, -300, HASH_FAILED, 9, 4);
    const Hash_Bucket& b = hash_table[BUCKET];
    EXPECT_EQ(b.move_slot.key_check, Hash_Check(KEY_A));
    EXPECT_EQ(b.move_slot.move, 42);
    EXPECT_EQ(b.move_slot.depth, 5);
    EXPECT_EQ(b.score_slot.key_check, Hash_Check(KEY_A));
    EXPECT_EQ(b.score_slot.score, -300);
    EXPECT_EQ(b.score_slot.flag, HASH_FAILED);
    EXPECT_EQ(b.score_slot.depth, 5);
    Move m = 0;
    EXPECT_TRUE(Hash_Move(KEY_A, &m));
    EXPECT_EQ(m, 42);
    EXPECT_FALSE(Hash_Move(KEY_B, &m));
    // Past the horizon the remaining depth wraps in eight bits.
    Hash_Clear();
    Hash_Store(KEY_B, &list, 0, 0, HASH_EXACT, 3, 5);
    EXPECT_EQ(b.move_slot.depth, 254);
    EXPECT_EQ(b.score_slot.depth, 254);
}

TEST_F(Table, ClearEmptiesSlotsButKeepsTheirContents) {
    hash_age = 7;
    const Move_List list = One_Move(333);
    Hash_Store(KEY_A, &list, 0, 77, HASH_CUTOFF, 20, 0);
    Hash_Clear();
    const Hash_Bucket& b = hash_table[BUCKET];
    EXPECT_EQ(b.move_slot.key_check, 0u);
    EXPECT_EQ(b.score_slot.key_check, 0u);
    EXPECT_EQ(b.move_slot.move, 333);
    EXPECT_EQ(b.score_slot.score, 77);
    EXPECT_EQ(b.score_slot.depth, 20);
    EXPECT_EQ(Hash_Probe_White(KEY_A, 0, 1, 0, 50), NO_RESULT);
    // An empty slot takes the next store whatever depth and age it held.
    const Move_List other = One_Move(444);
    Hash_Store(KEY_B, &other, 0, -5, HASH_EXACT, 1, 0);
    EXPECT_EQ(b.move_slot.move, 444);
    EXPECT_EQ(b.score_slot.score, -5);
    EXPECT_EQ(b.score_slot.depth, 1);
}

TEST(HashResize, WithoutATableItComplainsAndExits) {
    const std::string path = testing::TempDir() + "hash_resize_stdout";
    EXPECT_EXIT(
        {
            if (std::freopen(path.c_str(), "wb", stdout) == nullptr) std::exit(2);
            Hash_Release();
            Hash_Resize(16);
        },
        testing::ExitedWithCode(1), "");
    std::ifstream in(path, std::ios::binary);
    const std::string out{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // "освобождать нечего " in Windows-1251.
    EXPECT_EQ(out, "\xEE\xF1\xE2\xEE\xE1\xEE\xE6\xE4\xE0\xF2\xFC \xED\xE5\xF7\xE5\xE3\xEE \n");
    std::remove(path.c_str());
}

}  // namespace
