// The principal variation: whole lines from the root, kept by the nodes that lie on it.
#include "search/pv.h"

#include <algorithm>

PV_Record pv;
PV_Record current_line;

namespace {

constexpr int PV_CAPACITY = 101;

// Copies the first length moves of a line, never past the end of the record.
void Copy_Moves(Move* to, const Move* from, int length) { std::copy_n(from, std::min(length, PV_CAPACITY), to); }

}  // namespace

// Ends a line at ply: the path searched so far becomes the principal variation with the given score.
void PV_From_Line(uint8_t ply, int32_t score) {
    Copy_Moves(pv.move, current_line.move, ply);
    pv.score_move = score;
    pv.length = ply;
}

// Keeps the principal variation in a node's own record.
void PV_Save(PV_Record* record) {
    Copy_Moves(record->move, pv.move, pv.length);
    record->score_move = pv.score_move;
    record->length = pv.length;
}

// Puts a node's kept line back as the principal variation.
void PV_Restore(const PV_Record* record) {
    Copy_Moves(pv.move, record->move, record->length);
    pv.score_move = record->score_move;
    pv.length = record->length;
}
