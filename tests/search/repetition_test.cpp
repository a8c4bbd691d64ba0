// Repetition detection against the search path and the game before the root.
#include "search/repetition.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Keys as the driver and the position command leave them: every entry holds its own index.
void Reset_Keys() {
    for (int i = 0; i < GAME_KEYS; ++i) game_keys[i] = i;
    for (int i = 0; i < 101; ++i) search_keys[i] = i;
}

constexpr uint64_t KEY = 0xC0FFEE1234567890ULL;

TEST(Repetition, OnlySameSideEarlierPositionsAtLeastFourPliesBack) {
    struct Row {
        const char* what;
        uint16_t game_count;
        std::vector<std::pair<bool, int>> earlier;  // {in the game, index} entries that hold the key
        uint8_t ply;
        bool expected;
    };
    const Row rows[] = {
        {"root again at ply 4", 10, {{false, 0}}, 4, true},
        {"ply 6 against ply 2", 10, {{false, 2}}, 6, true},
        {"ply 6 against the root", 10, {{false, 0}}, 6, true},
        {"two plies back is too near", 10, {{false, 4}}, 6, false},
        {"odd distance is the other side", 10, {{false, 1}}, 6, false},
        {"ply 100 against the root", 10, {{false, 0}}, 100, true},
        {"deep in the search the game is not looked at", 10, {{true, 8}, {true, 9}, {true, 6}}, 5, false},
        {"ply 2 against the game two plies before the root", 10, {{true, 8}}, 2, true},
        {"ply 2 against the game's first position", 10, {{true, 0}}, 2, true},
        {"ply 2 against the root", 10, {{true, 10}}, 2, false},
        {"ply 3 against the game one ply before the root", 10, {{true, 9}}, 3, true},
        {"ply 3 against the game two plies before the root", 10, {{true, 8}}, 3, false},
        {"near the root the search path is not looked at", 10, {{false, 0}, {false, 1}}, 3, false},
        {"ply 0 against the game four plies back", 10, {{true, 6}}, 0, true},
        {"ply 1 with two game positions: index -1, nothing compared", 2, {{true, 0}, {true, 1}}, 1, false},
        {"ply 0 at the start of the game", 0, {{true, 0}}, 0, false},
        {"a game that fills the table", 999, {{true, 997}}, 2, true},
    };
    for (const Row& r : rows) {
        Reset_Keys();
        game_key_count = r.game_count;
        for (const auto& [in_game, index] : r.earlier) (in_game ? game_keys : search_keys)[index] = KEY;
        search_keys[r.ply] = KEY;
        EXPECT_EQ(Is_Repetition(r.ply), r.expected) << r.what;
    }
}

}  // namespace
