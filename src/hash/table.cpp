// The transposition table: sizing, clearing, the two slot writers and the two score probes.
#include "hash/table.h"

#include <cstdio>
#include <cstdlib>

#include "board/board.h"

Hash_Bucket* hash_table = nullptr;
uint64_t hash_mask = 0;
uint8_t hash_age = 0;

namespace {

constexpr uint16_t DEFAULT_MEGABYTES = 1;
constexpr uint16_t MAX_MEGABYTES = 1024;
constexpr uint64_t BUCKET_BYTES = 24;
static_assert(sizeof(Hash_Bucket) == BUCKET_BYTES, "the sizing rule counts 24 bytes a bucket");

// The table's messages are Windows-1251 text.
constexpr const char* NOTHING_TO_RELEASE = "\xEE\xF1\xE2\xEE\xE1\xEE\xE6\xE4\xE0\xF2\xFC \xED\xE5\xF7\xE5\xE3\xEE \n";
constexpr const char* NOT_A_POWER_OF_TWO =
    "\xC7\xC0\xD1\xC0\xC4\xC0! \xF0\xE0\xE7\xEC\xE5\xF0 \xED\xE5 \xE2\xE8\xE4\xE0 \xF1\xF2\xE5\xEF\xE5\xED\xE8 "
    "\xE4\xE2\xF3\xF5 ";
constexpr const char* NO_MEMORY = "\xEF\xE0\xEC\xFF\xF2\xE8 \xED\xE5\xF2 \n";

// Writes a table message and ends the process.
[[noreturn]] void Fail(const char* message) {
    std::fputs(message, stdout);
    std::fflush(stdout);
    std::exit(1);
}

// Sets the mask and allocates the zero-filled block; two spare buckets follow the addressed ones.
void Allocate(uint64_t count) {
    if ((count & (count - 1)) != 0) {
        std::printf("%s%llu\n", NOT_A_POWER_OF_TWO, static_cast<unsigned long long>(count));
        std::fflush(stdout);
    }
    hash_mask = count - 1;
    hash_table = static_cast<Hash_Bucket*>(std::calloc(count + 2, sizeof(Hash_Bucket)));
    if (hash_table == nullptr) Fail(NO_MEMORY);
}

}  // namespace

// Largest power of two not above the bucket target of the clamped size.
uint64_t Hash_Bucket_Count(uint16_t megabytes) {
    if (megabytes == 0) megabytes = 1;
    if (megabytes > MAX_MEGABYTES) megabytes = MAX_MEGABYTES;
    const uint64_t target = uint64_t{megabytes} * 1048576 / BUCKET_BYTES;
    uint64_t count = 2;
    while (count <= target) count *= 2;
    return count / 2;
}

// Creates the table at the default size, releasing any earlier one.
void Hash_Create() {
    Hash_Release();
    Allocate(Hash_Bucket_Count(DEFAULT_MEGABYTES));
}

// Replaces the table by one of the requested size; the contents are lost.
void Hash_Resize(uint16_t megabytes) {
    if (hash_table == nullptr) Fail(NOTHING_TO_RELEASE);
    Hash_Release();
    Allocate(Hash_Bucket_Count(megabytes));
}

// Empties every slot; only the check words are written, the rest keeps its old values.
void Hash_Clear() {
    if (hash_table == nullptr) return;
    for (uint64_t i = 0; i <= hash_mask; ++i) {
        hash_table[i].move_slot.key_check = 0;
        hash_table[i].score_slot.key_check = 0;
    }
}

// Frees the block.
void Hash_Release() {
    std::free(hash_table);
    hash_table = nullptr;
}

// Stores a node's result: its move first, then its score.
void Hash_Store(uint64_t key, const Move_List* list, uint8_t index, int32_t score, uint8_t flag, uint8_t depth,
                uint8_t ply) {
    const uint64_t bucket = Hash_Index(key);
    const uint32_t check = Hash_Check(key);
    const uint8_t remaining = static_cast<uint8_t>(depth - ply);
    Hash_Store_Move(bucket, check, list, index, remaining);
    Hash_Store_Score(bucket, check, score, flag, remaining);
}

// Writes the move slot unless it holds a deeper move of the current search.
void Hash_Store_Move(uint64_t bucket, uint32_t key_check, const Move_List* list, uint8_t index, uint8_t depth) {
    Move_Slot& slot = hash_table[bucket].move_slot;
    if (slot.key_check != 0 && slot.age == hash_age && depth < slot.depth) return;
    slot.key_check = key_check;
    slot.move = list->move[index];
    slot.depth = depth;
    slot.age = hash_age;
}

// Writes the score slot unless it holds a deeper score of the current or the previous search.
void Hash_Store_Score(uint64_t bucket, uint32_t key_check, int32_t score, uint8_t flag, uint8_t depth) {
    Score_Slot& slot = hash_table[bucket].score_slot;
    // Ages are compared as plain integers, so after the wrap to 1 slots stamped 250 and 251 never count as old.
    const bool old = int{hash_age} > int{slot.age} + 1;
    if (slot.key_check != 0 && !old && depth < slot.depth) return;
    slot.key_check = key_check;
    slot.score = score;
    slot.flag = flag;
    slot.depth = depth;
    slot.age = hash_age;
}

namespace {

// The score slot of the key when it is deep enough for the remaining depth, else null.
const Score_Slot* Usable_Score(uint64_t key, uint8_t ply, uint8_t depth) {
    const Score_Slot& slot = hash_table[Hash_Index(key)].score_slot;
    if (slot.key_check != Hash_Check(key)) return nullptr;
    if (int{slot.depth} < int{depth} - int{ply}) return nullptr;
    return &slot;
}

// A stored score that settles a node without searching it: white raises, black lowers.
template <Colour Us>
int32_t Probe(uint64_t key, uint8_t ply, uint8_t depth, int32_t alpha, int32_t beta) {
    const Score_Slot* slot = Usable_Score(key, ply, depth);
    if (slot == nullptr) return NO_RESULT;
    const int32_t s = slot->score;
    bool settles;
    if constexpr (Us == WHITE)
        settles = slot->flag == HASH_CUTOFF ? s >= beta : s < alpha;
    else
        settles = slot->flag == HASH_CUTOFF ? s <= alpha : s > beta;
    return settles ? s : NO_RESULT;
}

}  // namespace

int32_t Hash_Probe_White(uint64_t key, uint8_t ply, uint8_t depth, int32_t alpha, int32_t beta) {
    return Probe<WHITE>(key, ply, depth, alpha, beta);
}

int32_t Hash_Probe_Black(uint64_t key, uint8_t ply, uint8_t depth, int32_t alpha, int32_t beta) {
    return Probe<BLACK>(key, ply, depth, alpha, beta);
}
