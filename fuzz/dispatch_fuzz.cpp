// Fuzz target: a session of command lines through the dispatcher, each input from the same fresh engine.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "board/board.h"
#include "fuzz/harness.h"
#include "search/limits.h"
#include "uci/go.h"
#include "uci/input.h"
#include "uci/loop.h"

namespace {

// Each search is cut to this many nodes: it stays short, and its horizon never reaches the input poll.
constexpr const char* SHALLOW_GO[2] = {"go depth 1 nodes 20000", "go depth 2 nodes 20000"};
// Largest table a session may ask for, so that every input stays small.
constexpr uint16_t MOST_MEGABYTES = 4;
constexpr const char* HASH_FIELD = "Hash value ";

Board board;
char line[LINE_BUFFER];

bool Begins_With(const char* text, const char* word) { return std::strncmp(text, word, std::strlen(word)) == 0; }

// The table size a "setoption" line asks for, read the way the dispatcher reads it (modulo 65536).
uint16_t Requested_Megabytes(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    uint16_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = static_cast<uint16_t>(value * 10 + (*text - '0'));
    return negative ? static_cast<uint16_t>(-value) : value;
}

// A request for a large table is cut to a small one; the rest of the line goes through unchanged.
void Clamp_Hash_Request(char* text) {
    char* field = std::strstr(text, HASH_FIELD);
    if (field == nullptr) return;
    char* value = field + std::strlen(HASH_FIELD);
    if (Requested_Megabytes(value) <= MOST_MEGABYTES) return;
    std::snprintf(value, LINE_BUFFER - (value - text), "%u", MOST_MEGABYTES);
}

// One line as the command loop would carry it out, with "quit" skipped and every search made shallow.
void Run_Line(char* text) {
    if (Strings_Equal(text, "quit")) return;
    if (Begins_With(text, "go")) {
        const Go_Parameters go = Parse_Go(text);
        Require(go.infinite <= 1, "go: infinite flag");
        const int deeper = (go.depth ^ go.movestogo ^ go.infinite ^ static_cast<uint8_t>(go.nodes)) & 1;
        // A board without both kings is still searched: the engine must refuse it by itself.
        if (!Both_Kings_Present(&board) || Material_Searchable(board)) Dispatch_Command(SHALLOW_GO[deeper], &board);
    } else {
        if (Begins_With(text, "setoption ")) Clamp_Hash_Request(text);
        Dispatch_Command(text, &board);
    }
    Require(Board_Consistent(board), "board inconsistent after a command");
    Require_Input_Untouched();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Silence_Standard_Streams();
    Draw_Keys_Once();
    return 0;
}

// Splits the bytes into lines as the engine's reader does: a line feed ends a line, a carriage return right
// before it is dropped, and a line longer than the reader holds ends the session.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Clear_Board(&board);
    Restart_Engine_State();
    size_t at = 0;
    while (at < size) {
        int length = 0;
        bool complete = false;
        while (at < size) {
            const char c = static_cast<char>(data[at++]);
            if (c == '\n') {
                complete = true;
                break;
            }
            if (length == MAX_LINE_LENGTH) {
                if (c == '\r' && at < size && data[at] == '\n') {
                    ++at;
                    complete = true;
                    break;
                }
                return 0;
            }
            line[length++] = c;
        }
        if (complete && length > 0 && line[length - 1] == '\r') --length;
        line[length] = 0;
        Run_Line(line);
    }
    return 0;
}
