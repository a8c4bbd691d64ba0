// Repetition detection against the game so far and the current search path.
#include "search/repetition.h"

#include "search/control.h"

uint64_t game_keys[GAME_KEYS];
uint16_t game_key_count;
uint64_t search_keys[101];

// True when the node's position occurred an even number of plies, at least four, earlier.
bool Is_Repetition(uint8_t ply) {
    if (ply > MAX_PLY) return false;
    const uint64_t key = search_keys[ply];
    if (ply >= 4) {
        // Four or more plies in, only the search path is examined.
        for (int i = ply - 4; i >= 0; i -= 2)
            if (search_keys[i] == key) return true;
        return false;
    }
    // Near the root the earlier positions with the same side to move lie in the game before it.
    int i = int{game_key_count} + ply - 4;
    while (i >= GAME_KEYS) i -= 2;  // a longer game has no keys stored beyond the table
    for (; i >= 0; i -= 2)
        if (game_keys[i] == key) return true;
    return false;
}
