// The command loop and the dispatcher of the UCI commands.
#include "uci/loop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "hash/table.h"
#include "makemove/zobrist.h"
#include "uci/go.h"
#include "uci/input.h"
#include "uci/position.h"

namespace {

bool Begins_With(const char* line, const char* word) { return std::strncmp(line, word, std::strlen(word)) == 0; }

bool Is_White_Space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Decimal number at text (leading white space, optional sign, digits), reduced modulo 65536; no digits gives 0.
uint16_t Decimal_16(const char* text) {
    while (Is_White_Space(*text)) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    uint16_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = static_cast<uint16_t>(value * 10 + (*text - '0'));
    return negative ? static_cast<uint16_t>(-value) : value;
}

// "uci": identification, fresh keys, a fresh table, then the acknowledgement.
void Uci_Command() {
    std::fputs("id name Orlem_m2_4_Beta_21_03_2009\n", stdout);
    std::fputs("id author Tolvardi Pelund\n", stdout);
    std::fputs("option name Hash type spin default 1 min 1 max 1024\n", stdout);
    Init_Zobrist_Keys();
    Hash_Create();
    Hash_Clear();
    hash_age = 0;
    std::fputs("uciok \n", stdout);
}

// "setoption": only the table size is an option; any line carrying "Hash value " sets it.
void Setoption_Command(const char* line) {
    const char* found = std::strstr(line, "Hash value ");
    if (found == nullptr) return;
    const uint16_t megabytes = Decimal_16(found + std::strlen("Hash value "));
    if (megabytes == 0) return;
    Prepare_Engine();
    Hash_Resize(megabytes);
    Hash_Clear();
}

}  // namespace

bool Strings_Equal(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

void Prepare_Engine() {
    if (!Zobrist_Keys_Drawn()) Init_Zobrist_Keys();
    if (hash_table == nullptr) {
        Hash_Create();
        Hash_Clear();
        hash_age = 0;
    }
}

void Dispatch_Command(const char* line, Board* bitboard) {
    if (Strings_Equal(line, "uci")) {
        Uci_Command();
    } else if (Begins_With(line, "setoption ")) {
        Setoption_Command(line);
    } else if (Strings_Equal(line, "isready")) {
        std::fputs("readyok \n\n", stdout);
    } else if (Begins_With(line, "position ")) {
        Prepare_Engine();
        Position_Command(bitboard, line);
    } else if (Begins_With(line, "go")) {
        Prepare_Engine();
        Go_Command(bitboard, line);
    } else if (Strings_Equal(line, "quit")) {
        if (hash_table != nullptr) Hash_Release();
        std::fflush(stdout);
        std::exit(1);
    } else if (Strings_Equal(line, "ucinewgame")) {
        Prepare_Engine();
        hash_age = 0;
        Hash_Clear();
    } else if (Begins_With(line, "debug ") || Strings_Equal(line, "ponderhit") || Strings_Equal(line, "stop")) {
        // accepted and ignored
    } else {
        std::fputs("WARNING ! Unknown command\n", stdout);
    }
}

int Command_Loop() {
    Board board;
    Clear_Board(&board);
    // Every line reaches the reader as soon as it is complete.
    std::setvbuf(stdout, nullptr, _IOLBF, LINE_BUFFER);
    static char line[LINE_BUFFER];
    for (;;) {
        // Lines a search read but left for the loop come before anything still unread.
        while (Next_Deferred_Line(line)) Dispatch_Command(line, &board);
        if (Read_Line(line) != Read_Status::Line) return 0;
        Dispatch_Command(line, &board);
    }
}
