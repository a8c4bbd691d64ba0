// Move ordering: capture scores, killer moves and the hash move.
#include "search/ordering.h"

Move killer_1[101];
Move killer_2[101];

namespace {

// Brings the first occurrence of m at or after position p to p, shifting the entries between back by one.
void Bring_To(Move_List* list, Move m, int p) {
    int q = p;
    while (q < list->move_count && list->move[q] != m) ++q;
    if (q >= list->move_count) return;
    const int32_t score = list->score[q];
    for (; q > p; --q) {
        list->move[q] = list->move[q - 1];
        list->score[q] = list->score[q - 1];
    }
    list->move[p] = m;
    list->score[p] = score;
}

}  // namespace

// Orders the captures by score, best first; equal scores keep no particular order.
void Sort_Captures(Move_List* list) {
    const int n = list->capture_count;
    for (int i = 0; i + 1 < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (list->score[i] < list->score[j]) {
                const Move m = list->move[i];
                const int32_t s = list->score[i];
                list->move[i] = list->move[j];
                list->score[i] = list->score[j];
                list->move[j] = m;
                list->score[j] = s;
            }
        }
    }
}

// Puts the ply's killers at start and start + 1, each where it occurs in the list.
void Killers_To_Front(Move_List* list, uint8_t start, uint8_t ply) {
    Bring_To(list, killer_1[ply], start);
    Bring_To(list, killer_2[ply], start + 1);
}

// Puts the table's move first when the list holds it.
void Hash_Move_To_Front(Move_List* list, Move hash_move) { Bring_To(list, hash_move, 0); }

// Records a cut-off move as the ply's newest killer.
void Killer_Update(const Move_List* list, uint8_t index, uint8_t ply) {
    const Move m = list->move[index];
    if (killer_1[ply] == m) return;
    killer_2[ply] = killer_1[ply];
    killer_1[ply] = m;
}
