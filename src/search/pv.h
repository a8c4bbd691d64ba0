// The principal variation: whole lines from the root, kept by the nodes that lie on it.
#pragma once

#include <cstdint>

#include "movegen/move.h"

struct PV_Record {
    Move move[101];
    int32_t score_move;
    uint8_t length;
};

extern PV_Record pv;
extern PV_Record current_line;

void PV_From_Line(uint8_t ply, int32_t score);
void PV_Save(PV_Record* record);
void PV_Restore(const PV_Record* record);
