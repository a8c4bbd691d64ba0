// The "go" command.
#pragma once

#include "board/board.h"

void Go_Command(Board* bitboard, const char* line);

#include "search/limits.h"

// Reads the parameters of a "go" line; later values of a repeated keyword win.
Go_Parameters Parse_Go(const char* line);
