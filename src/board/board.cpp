#include "board/board.h"

#include <cstring>

void Clear_Board(Board* bitboard) { std::memset(bitboard, 0, sizeof(Board)); }
