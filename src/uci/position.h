// The "position" command.
#pragma once

#include "board/board.h"

inline constexpr const char* START_FEN = "fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 ";

void Position_Command(Board* bitboard, const char* line);

// text[1..4] are the squares, text[5] the promotion letter or 0.
void Play_Move_Text(Board* bitboard, const char* text);
