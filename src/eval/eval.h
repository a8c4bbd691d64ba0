// Static positional score from white's point of view, material excluded.
#pragma once

#include <cstdint>

#include "board/board.h"

inline constexpr uint16_t ENDGAME_MATERIAL = 1800;

int32_t Evaluate(const Board* bitboard);

void Eval_Kings(const Board* bitboard, uint8_t* white_king, uint8_t* black_king, uint16_t white_material,
                uint16_t black_material, int32_t* accumulator);
void Eval_Pawns(int32_t* accumulator, const Board* bitboard, uint8_t white_king, uint8_t black_king,
                uint16_t white_material, uint16_t black_material);
void Eval_Pieces(const Board* bitboard, int32_t* accumulator);
uint8_t Rook_File_Mobility(uint64_t occupancy, uint64_t own, uint8_t square);
