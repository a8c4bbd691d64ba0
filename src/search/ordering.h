// Move ordering: capture scores, killer moves and the hash move.
#pragma once

#include <cstdint>

#include "movegen/move.h"

extern Move killer_1[101];
extern Move killer_2[101];

void Sort_Captures(Move_List* list);
void Killers_To_Front(Move_List* list, uint8_t start, uint8_t ply);
void Hash_Move_To_Front(Move_List* list, Move hash_move);
void Killer_Update(const Move_List* list, uint8_t index, uint8_t ply);
