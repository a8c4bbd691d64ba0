// Shared pieces of the fuzz targets: quiet standard streams, a hard failure, board checks, the search state.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "board/board.h"
#include "hash/table.h"
#include "makemove/zobrist.h"
#include "search/repetition.h"
#include "uci/input.h"
#include "uci/loop.h"

// Engine output is noise to the fuzzer; standard input comes from /dev/null, so a search that polls it by
// mistake meets end of input at once and the next check reports it instead of consuming the fuzzer's input.
inline void Silence_Standard_Streams() {
    const int null_device = open("/dev/null", O_RDWR);
    if (null_device < 0 || dup2(null_device, 0) < 0 || dup2(null_device, 1) < 0) std::abort();
    close(null_device);
}

// Reports a broken expectation as a crash, which is what the fuzzer collects.
inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// The engine may read standard input only through the command loop, which the targets never run.
inline void Require_Input_Untouched() {
    Require(!Input_Ended(), "the engine read standard input");
    char line[LINE_BUFFER];
    Require(!Next_Deferred_Line(line), "a search deferred an input line");
}

// Occupancy words are the unions of disjoint piece sets, and the square tables agree with the sets.
inline bool Board_Consistent(const Board& b) {
    uint64_t white = 0, black = 0, seen = 0;
    if (b.white_piece[NONE] != 0 || b.black_piece[NONE] != 0) return false;
    for (int type = PAWN; type <= KING; ++type) {
        if ((seen & b.white_piece[type]) != 0) return false;
        seen |= b.white_piece[type];
        if ((seen & b.black_piece[type]) != 0) return false;
        seen |= b.black_piece[type];
        white |= b.white_piece[type];
        black |= b.black_piece[type];
    }
    if (b.all_white_piece != white || b.all_black_piece != black || b.all_piece != (white | black)) return false;
    for (int s = 0; s < 64; ++s) {
        const uint8_t w = b.white_name_from_coord[s];
        const uint8_t k = b.black_name_from_coord[s];
        if (w > KING || k > KING) return false;
        if ((w != 0) != ((white >> s) & 1) || (k != 0) != ((black >> s) & 1)) return false;
        if (w != 0 && ((b.white_piece[w] >> s) & 1) == 0) return false;
        if (k != 0 && ((b.black_piece[k] >> s) & 1) == 0) return false;
    }
    return true;
}

// Pieces a side can have in a game: one king, at most eight pawns, and no more extra pieces than pawns gone.
inline bool Side_Reachable(const uint64_t* pieces) {
    const int pawns = __builtin_popcountll(pieces[PAWN]);
    const int extra_queens = __builtin_popcountll(pieces[QUEEN]) - 1;
    int promoted = extra_queens > 0 ? extra_queens : 0;
    for (const int type : {KNIGHT, BISHOP, ROOK}) {
        const int extra = __builtin_popcountll(pieces[type]) - 2;
        if (extra > 0) promoted += extra;
    }
    return __builtin_popcountll(pieces[KING]) == 1 && pawns + promoted <= 8;
}

// The search's quiescence has no node bound and never looks at the stop flag: on a board with many queens, or
// with many pawns about to promote (four choices each), its capture tree takes seconds to minutes whatever the
// limits. Searches are run only where the material could stand on the board in a game, neither side has more
// than three queens, no pawn stands on a back rank and at most two pawns a side are one step from promoting.
inline bool Material_Searchable(const Board& b) {
    constexpr int MOST_QUEENS = 3;
    constexpr int MOST_PROMOTING = 2;
    constexpr uint64_t BACK_RANKS = 0xFF000000000000FFULL;
    constexpr uint64_t RANK_2 = 0x000000000000FF00ULL;
    constexpr uint64_t RANK_7 = 0x00FF000000000000ULL;
    return Side_Reachable(b.white_piece) && Side_Reachable(b.black_piece) &&
           __builtin_popcountll(b.white_piece[QUEEN]) <= MOST_QUEENS &&
           __builtin_popcountll(b.black_piece[QUEEN]) <= MOST_QUEENS &&
           ((b.white_piece[PAWN] | b.black_piece[PAWN]) & BACK_RANKS) == 0 &&
           __builtin_popcountll(b.white_piece[PAWN] & RANK_7) <= MOST_PROMOTING &&
           __builtin_popcountll(b.black_piece[PAWN] & RANK_2) <= MOST_PROMOTING;
}

// The keys of the first draw, so that every input starts from the same table.
inline uint64_t (&First_Keys())[2][7][64] {
    static uint64_t keys[2][7][64];
    return keys;
}

// Draws the keys once and keeps them.
inline void Draw_Keys_Once() {
    Prepare_Engine();
    std::memcpy(First_Keys(), zobrist_key, sizeof zobrist_key);
}

// Engine-wide state back to where a freshly started engine has it: first keys, a small empty table, no game.
inline void Restart_Engine_State() {
    std::memcpy(zobrist_key, First_Keys(), sizeof zobrist_key);
    // Only a table of another size is replaced: a fresh allocation for every input would dominate the run.
    if (hash_table == nullptr || hash_mask != Hash_Bucket_Count(1) - 1) Hash_Create();
    Hash_Clear();
    hash_age = 0;
    std::memset(game_keys, 0, sizeof game_keys);
    game_key_count = 0;
}
