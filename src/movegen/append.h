// Writing entries into a move list without ever passing its capacity.
#pragma once

#include <cstdint>

#include "movegen/move.h"

// Writes the entry at position n and advances n while there is room. A full list keeps its 255 entries and
// lets later moves land in the spare slot 256, past move_count, so a malformed position cannot wrap the
// 8-bit counters or write outside the list.
inline void Append_Scored(Move_List& list, int& n, Move m, int32_t score) {
    list.move[n] = m;
    list.score[n] = score;
    n += n < MOVE_LIST_CAPACITY;
}

// Quiet entries carry no ordering value.
inline void Append_Quiet(Move_List& list, int& n, Move m) {
    list.move[n] = m;
    n += n < MOVE_LIST_CAPACITY;
}
