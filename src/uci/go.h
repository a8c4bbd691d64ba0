// The "go" command.
#pragma once

#include "board/board.h"

void Go_Command(Board* bitboard, const char* line);
