// Every line a search writes, and move words as coordinate text.
#pragma once

#include <cstdint>

#include "movegen/move.h"
#include "search/pv.h"

extern int32_t last_info_score;
extern uint8_t last_info_depth;

// A score beyond this, seen from the side to move, is reported as a mate.
inline constexpr int32_t MATE_THRESHOLD = 900000;

enum class Suffix : uint8_t { None, Promotions, All_But_En_Passant };

// Writes the move's text and a terminating zero into text (at least 6 bytes); returns its length.
int Move_Text(Move m, Suffix suffix, char* text);

void Print_Currmove(const Move_List* list, uint8_t number, uint8_t index, uint8_t depth);
void Print_Root_Info(int32_t score, uint8_t depth, const PV_Record* record, uint8_t colour, uint64_t nodes);

// The score part shared by the root info line and the iteration line; length is the line's move count.
void Print_Score_Part(int32_t score, uint8_t colour, uint8_t length);
// The line after an iteration; returns whether it reported a mate.
bool Print_Iteration_Info(uint64_t nps, uint8_t depth, const PV_Record* record, int32_t score, uint8_t colour_move,
                          uint64_t nodes);
// The search's final answer.
void Print_Bestmove(Move m);
