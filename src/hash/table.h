// The transposition table: per position a best move and a bounded score.
#pragma once

#include <cstdint>

#include "movegen/move.h"

enum Hash_Flag : uint8_t { HASH_EXACT = 1, HASH_CUTOFF = 2, HASH_FAILED = 3 };

inline constexpr int32_t NO_RESULT = -1000000000;

struct Move_Slot {
    uint32_t key_check;  // upper half of the position's key; 0 marks an empty slot
    Move move;
    uint8_t depth;  // remaining depth of the search that wrote it
    uint8_t age;
};

struct Score_Slot {
    uint32_t key_check;
    int32_t score;
    uint8_t flag;
    uint8_t depth;
    uint8_t age;
};

// The two slots are independent: a bucket may hold the move of one position and the score of another.
struct Hash_Bucket {
    Move_Slot move_slot;
    Score_Slot score_slot;
};

extern Hash_Bucket* hash_table;
extern uint64_t hash_mask;
extern uint8_t hash_age;

inline uint64_t Hash_Index(uint64_t key) { return (key & 0xFFFFFFFFULL) & hash_mask; }
inline uint32_t Hash_Check(uint64_t key) { return static_cast<uint32_t>(key >> 32); }

// Bucket count for a size in megabytes: the largest power of two not above megabytes * 2^20 / 24.
uint64_t Hash_Bucket_Count(uint16_t megabytes);

void Hash_Create();
void Hash_Resize(uint16_t megabytes);
void Hash_Clear();
void Hash_Release();

void Hash_Store(uint64_t key, const Move_List* list, uint8_t index, int32_t score, uint8_t flag, uint8_t depth,
                uint8_t ply);
void Hash_Store_Move(uint64_t bucket, uint32_t key_check, const Move_List* list, uint8_t index, uint8_t depth);
void Hash_Store_Score(uint64_t bucket, uint32_t key_check, int32_t score, uint8_t flag, uint8_t depth);

int32_t Hash_Probe_White(uint64_t key, uint8_t ply, uint8_t depth, int32_t alpha, int32_t beta);
int32_t Hash_Probe_Black(uint64_t key, uint8_t ply, uint8_t depth, int32_t alpha, int32_t beta);

// The stored move of the position, when its move slot carries the position's check word.
inline bool Hash_Move(uint64_t key, Move* move) {
    const Move_Slot& slot = hash_table[Hash_Index(key)].move_slot;
    if (slot.key_check != Hash_Check(key)) return false;
    *move = slot.move;
    return true;
}
