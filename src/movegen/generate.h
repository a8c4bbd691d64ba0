// Pseudo-legal move generation and the attack tests.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "movegen/move.h"

// Captures, en-passant captures and promotions; starts the list at position 0 and sets both counters.
void Generate_Captures_White(Move_List* list, const Board* bitboard);
void Generate_Captures_Black(Move_List* list, const Board* bitboard);

// Quiet moves and castling, appended from move_count; sets move_count only.
void Generate_Quiet_White(Move_List* list, const Board* bitboard);
void Generate_Quiet_Black(Move_List* list, const Board* bitboard);

void Add_Castling_Move(Move_List* list, uint8_t kind, uint8_t from, uint8_t to);

// 0 when no piece of the named colour attacks the back-rank square, else the first attacker's type.
uint8_t Square_Attacked_By_Black(const Board* bitboard, uint8_t square);
uint8_t Square_Attacked_By_White(const Board* bitboard, uint8_t square);

// 0 when the king of the named colour is not attacked (or that side has no king), else the first attacker's type.
uint8_t King_Attacked_White(const Board* bitboard);
uint8_t King_Attacked_Black(const Board* bitboard);
