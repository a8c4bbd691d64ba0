// The engine: nothing but the command loop.
#include "uci/loop.h"

int main() { return Command_Loop(); }
