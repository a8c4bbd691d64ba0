// The "go" command: its parameters, the age of the table, and the search.
#include "uci/go.h"

#include <cstring>

#include "hash/table.h"
#include "search/driver.h"
#include "search/limits.h"
#include "uci/loop.h"

namespace {

char go_buffer[65536];

// Decimal conversion of the front end: blanks skipped, optional sign, digits up to the first other character.
int64_t Decimal_Value(const char* text) {
    while (*text == ' ' || *text == '\t') ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        if (value < 1000000000000LL) value = value * 10 + (*text - '0');
    return negative ? -value : value;
}

// Splits the copy of the line into blank-separated tokens in place.
int Split_Tokens(char* text, char** tokens, int capacity) {
    int count = 0;
    char* p = text;
    while (count < capacity) {
        while (*p == ' ') ++p;
        if (*p == 0) break;
        tokens[count++] = p;
        while (*p != 0 && *p != ' ') ++p;
        if (*p == 0) break;
        *p++ = 0;
    }
    return count;
}

}  // namespace

Go_Parameters Parse_Go(const char* line) {
    std::strncpy(go_buffer, line, sizeof go_buffer - 1);
    go_buffer[sizeof go_buffer - 1] = 0;
    static char* tokens[sizeof go_buffer / 2];
    const int count = Split_Tokens(go_buffer, tokens, sizeof go_buffer / 2);

    Go_Parameters go;
    for (int i = 1; i < count; ++i) {
        const char* word = tokens[i];
        if (Strings_Equal(word, "infinite")) {
            go.infinite = 1;
            continue;
        }
        // A keyword with no value after it counts as absent.
        if (i + 1 >= count) break;
        const char* value = tokens[i + 1];
        const int64_t number = Decimal_Value(value);
        if (Strings_Equal(word, "depth")) go.depth = static_cast<uint8_t>(number);
        else if (Strings_Equal(word, "movestogo")) go.movestogo = static_cast<uint8_t>(number);
        else if (Strings_Equal(word, "wtime")) go.wtime = number / 1000.0;
        else if (Strings_Equal(word, "btime")) go.btime = number / 1000.0;
        else if (Strings_Equal(word, "winc")) go.winc = number / 1000.0;
        else if (Strings_Equal(word, "binc")) go.binc = number / 1000.0;
        else if (Strings_Equal(word, "movetime")) go.movetime = number / 1000.0;
        else if (Strings_Equal(word, "nodes")) go.nodes = number > 0 ? static_cast<uint64_t>(number) : 1;
        else continue;
        ++i;  // the value is consumed
    }
    return go;
}

void Go_Command(Board* bitboard, const char* line) {
    const Go_Parameters go = Parse_Go(line);
    hash_age = hash_age <= 250 ? hash_age + 1 : 1;
    Iterative_Deepening(bitboard, go.movestogo, go.infinite, go.wtime, go.btime, go.winc, go.binc, go.movetime,
                        go.depth, go.nodes);
}
