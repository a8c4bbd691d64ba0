// Zobrist keys: the 64-bit identity of a position.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "makemove/make.h"
#include "movegen/move.h"

inline constexpr uint64_t KEY_WHITE_TO_MOVE = 0x7C0228DD624EC390ULL;
inline constexpr uint64_t KEY_WHITE_KINGSIDE = 0xB3598055CE64A656ULL;
inline constexpr uint64_t KEY_WHITE_QUEENSIDE = 0x12A8F886AF9418C2ULL;
inline constexpr uint64_t KEY_BLACK_KINGSIDE = 0x1877B67E57A764D5ULL;
inline constexpr uint64_t KEY_BLACK_QUEENSIDE = 0xD4490AD346F14431ULL;
inline constexpr uint64_t KEY_EN_PASSANT = 0x6BE8C34538F83F11ULL;

// Indexed by colour (0 black, 1 white), piece type and square; zero until the first draw.
extern uint64_t zobrist_key[2][7][64];

// Draws a fresh table from the engine's own generator, continuing its sequence.
void Init_Zobrist_Keys();
// True once Init_Zobrist_Keys has run.
bool Zobrist_Keys_Drawn();

void Compute_Hash_Key(Board* bitboard);
void Update_Hash_Key(Board* bitboard, uint8_t colour, const Move_List* list, uint8_t index, const Undo_Record* undo);

// The en-passant part of a key for the given target coordinates.
inline uint64_t En_Passant_Key(uint8_t x, uint8_t y) { return KEY_EN_PASSANT ^ static_cast<uint8_t>(x ^ y); }
