// Puts the board and the search state where a "go" would leave them, so search routines can be called directly.
#pragma once

#include <cstring>
#include <string>

#include "board/board.h"
#include "hash/table.h"
#include "makemove/zobrist.h"
#include "search/control.h"
#include "search/limits.h"
#include "search/ordering.h"
#include "search/repetition.h"
#include "uci/loop.h"

inline void Prepare_Search(Board* b, const std::string& fen) {
    Prepare_Engine();
    Hash_Clear();
    hash_age = 1;
    Clear_Board(b);
    Set_Fen(b, ("fen " + fen).c_str());
    b->value_white_material = static_cast<uint16_t>(White_Material_Sum(b));
    b->value_black_material = static_cast<uint16_t>(Black_Material_Sum(b));
    Compute_Hash_Key(b);
    for (int i = 0; i < GAME_KEYS; ++i) game_keys[i] = static_cast<uint64_t>(i);
    game_keys[0] = b->hash_key;
    game_key_count = 0;
    for (int i = 0; i <= MAX_PLY; ++i) search_keys[i] = static_cast<uint64_t>(i);
    search_keys[0] = b->hash_key;
    search_control.stop = 0;
    search_control.nodes = 0;
    search_control.poll_count = 0;
    search_control.null_move_on = 1;
    search_control.time_limit = 0;
    search_guard = Search_Guard{Clock_Milliseconds(), 0, 0, false, true, 0};
    root_nodes = 0;
    std::memset(killer_1, 0, sizeof killer_1);
    std::memset(killer_2, 0, sizeof killer_2);
}

// A node at the given ply: its key stands in the search path where the repetition test looks for it.
inline void Place_At_Ply(const Board* b, int ply) { search_keys[ply] = b->hash_key; }
