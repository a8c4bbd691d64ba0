// The process entry: reads command lines and dispatches them.
#pragma once

#include "board/board.h"

int Command_Loop();
void Dispatch_Command(const char* line, Board* bitboard);
bool Strings_Equal(const char* a, const char* b);

// Draws the keys and creates the table when no "uci" has done it yet.
void Prepare_Engine();
