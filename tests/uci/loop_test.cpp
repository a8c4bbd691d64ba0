// The dispatcher's replies and its effect on the keys and the table.
#include "uci/loop.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hash/table.h"
#include "makemove/zobrist.h"
#include "protocol_replies.h"

namespace {

std::string Dispatch(const char* line) {
    Board b;
    Clear_Board(&b);
    testing::internal::CaptureStdout();
    Dispatch_Command(line, &b);
    return testing::internal::GetCapturedStdout();
}

TEST(Dispatch_Command, RepliesByteForByte) {
    const struct {
        const char* line;
        std::string output;
    } rows[] = {
        {"uci", UCI_REPLY},
        {"isready", "readyok \n\n"},
        {"ucinewgame", ""},
        {"debug on", ""},
        {"debug ", ""},
        {"ponderhit", ""},
        {"stop", ""},
        {"setoption name Ponder value true", ""},
        {"setoption name Hash value 1", ""},
        {"uci ", UNKNOWN},
        {" uci", UNKNOWN},
        {"UCI", UNKNOWN},
        {"debug", UNKNOWN},
        {"ucinewgamex", UNKNOWN},
        {"isready ", UNKNOWN},
        {"stop now", UNKNOWN},
        {"ponderhit\t", UNKNOWN},
        {"setoption", UNKNOWN},
        {"position", UNKNOWN},
        {"quit ", UNKNOWN},
        {"", UNKNOWN},
    };
    for (const auto& row : rows) EXPECT_EQ(Dispatch(row.line), row.output) << '"' << row.line << '"';
}

TEST(Dispatch_Command, UciDrawsFreshKeysAndAFreshTable) {
    Dispatch("uci");
    uint64_t first[2][7][64];
    std::memcpy(first, zobrist_key, sizeof first);
    hash_age = 9;
    Dispatch("setoption name Hash value 2");
    Dispatch("uci");
    EXPECT_NE(std::memcmp(first, zobrist_key, sizeof first), 0);
    EXPECT_EQ(hash_age, 0);
    ASSERT_NE(hash_table, nullptr);
    EXPECT_EQ(hash_mask + 1, Hash_Bucket_Count(1));
}

TEST(Dispatch_Command, NewGameClearsTheTableAndAge) {
    Dispatch("uci");
    hash_age = 5;
    hash_table[0].move_slot.key_check = 1234;
    Dispatch("ucinewgame");
    EXPECT_EQ(hash_age, 0);
    EXPECT_EQ(hash_table[0].move_slot.key_check, 0u);
}

// The size in a "Hash value " line is reduced modulo 65536; 0 and lines without the text change nothing.
TEST(Dispatch_Command, SetoptionSizesTheTable) {
    const struct {
        const char* line;
        uint16_t megabytes;  // size afterwards, starting from 4
        bool resized;
    } rows[] = {
        {"setoption name Hash value 2", 2, true},
        {"setoption name Hash value 4", 4, true},
        {"setoption name Hash value 0", 4, false},
        {"setoption name Hash value 65537", 1, true},
        {"setoption name Hash value 65538", 2, true},
        {"setoption name Hash value -65534", 2, true},
        {"setoption name Hash value  \t+2 megabytes", 2, true},
        {"setoption name Hash value x", 4, false},
        {"setoption name Hash value", 4, false},
        {"setoption name Other value 2", 4, false},
        {"setoption anything Hash value 1", 1, true},
    };
    Dispatch("uci");
    for (const auto& row : rows) {
        Dispatch("setoption name Hash value 4");
        hash_table[0].score_slot.key_check = 99;
        EXPECT_EQ(Dispatch(row.line), "") << row.line;
        EXPECT_EQ(hash_mask + 1, Hash_Bucket_Count(row.megabytes)) << row.line;
        EXPECT_EQ(hash_table[0].score_slot.key_check, row.resized ? 0u : 99u) << row.line;
    }
}

}  // namespace
