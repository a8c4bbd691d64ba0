// Repetition detection against the game so far and the current search path.
#pragma once

#include <cstdint>

inline constexpr int GAME_KEYS = 1000;

extern uint64_t game_keys[GAME_KEYS];
extern uint16_t game_key_count;
extern uint64_t search_keys[101];

bool Is_Repetition(uint8_t ply);
