// Every line a search writes, and move words as coordinate text.
#include "uci/output.h"

#include <cstdarg>
#include <cstdio>

int32_t last_info_score = 0;
uint8_t last_info_depth = 0;

namespace {

// One output line, gathered so that it leaves in a single write.
struct Line {
    char text[4096];
    int length;
};

// Appends formatted text, cutting it short rather than overrunning the line.
[[gnu::format(printf, 2, 3)]] void Append(Line& line, const char* format, ...) {
    const int room = static_cast<int>(sizeof line.text) - line.length;
    if (room <= 1) return;
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(line.text + line.length, room, format, args);
    va_end(args);
    if (written > 0) line.length += written < room ? written : room - 1;
}

// Writes the gathered line and flushes, so that the GUI sees it at once.
void Emit(const Line& line) {
    std::fwrite(line.text, 1, line.length, stdout);
    std::fflush(stdout);
}

// Appends a move's text.
void Append_Move(Line& line, Move m, Suffix suffix) {
    char text[6];
    Move_Text(m, suffix, text);
    Append(line, "%s", text);
}

// Counts are reported through their low 32 bits as signed numbers.
int32_t Low_32(uint64_t count) { return static_cast<int32_t>(static_cast<uint32_t>(count)); }

// The score as the side to move sees it.
int64_t Side_Score(int32_t score, uint8_t colour) { return colour != 0 ? int64_t{score} : -int64_t{score}; }

// The score part; a mate is counted in plies along the line, negative when the side to move is mated.
void Append_Score(Line& line, int32_t score, uint8_t colour, uint8_t length) {
    const int64_t e = Side_Score(score, colour);
    if (e > MATE_THRESHOLD)
        Append(line, " score mate %d", int{length});
    else if (e < -MATE_THRESHOLD)
        Append(line, " score mate %d", -int{length});
    else
        Append(line, " score cp %lld", static_cast<long long>(e));
}

// The moves of a line, each followed by one blank.
void Append_Moves(Line& line, const PV_Record* record, Suffix suffix) {
    for (int i = 0; i < record->length && i < 101; ++i) {
        Append_Move(line, record->move[i], suffix);
        Append(line, " ");
    }
}

// Promotion letter of a kind; kinds that promote nothing read as a blank.
char Suffix_Letter(int kind) {
    switch (Promoted_Type(kind)) {
        case 2: return 'n';
        case 3: return 'b';
        case 4: return 'r';
        case 5: return 'q';
        default: return ' ';
    }
}

}  // namespace

// Coordinate text of a move: the two squares and, by variant, a promotion letter or a blank.
int Move_Text(Move m, Suffix suffix, char* text) {
    const int from = Move_From(m);
    const int to = Move_To(m);
    const int kind = Move_Kind_Of(m);
    text[0] = static_cast<char>('a' + from % 8);
    text[1] = static_cast<char>('1' + from / 8);
    text[2] = static_cast<char>('a' + to % 8);
    text[3] = static_cast<char>('1' + to / 8);
    int length = 4;
    const bool with_suffix = (suffix == Suffix::Promotions && kind > KIND_EN_PASSANT) ||
                             (suffix == Suffix::All_But_En_Passant && kind != KIND_EN_PASSANT);
    if (with_suffix) text[length++] = Suffix_Letter(kind);
    text[length] = '\0';
    return length;
}

// Announces the root move about to be searched.
void Print_Currmove(const Move_List* list, uint8_t number, uint8_t index, uint8_t depth) {
    Line line{};
    Append(line, "info currmove ");
    Append_Move(line, list->move[index], Suffix::None);
    Append(line, " currmovenumber %u depth %u\n", unsigned{number}, unsigned{depth});
    Emit(line);
}

// Reports the best line after a root move; an unchanged score gives an empty line, and nothing more at the same depth.
void Print_Root_Info(int32_t score, uint8_t depth, const PV_Record* record, uint8_t colour, uint64_t nodes) {
    Line line{};
    if (score == last_info_score) {
        Append(line, "\n");
        if (depth == last_info_depth) {
            Emit(line);
            return;
        }
    }
    last_info_score = score;
    last_info_depth = depth;
    Append(line, "info  depth %u seldepth %u", unsigned{depth}, unsigned{record->length});
    Append_Score(line, score, colour, record->length);
    Append(line, " nodes %d", Low_32(nodes));
    const int64_t line_size = record->score_move < 0 ? -int64_t{record->score_move} : int64_t{record->score_move};
    const int64_t score_size = score < 0 ? -int64_t{score} : int64_t{score};
    if (line_size == score_size) {
        Append(line, " pv ");
        Append_Moves(line, record, Suffix::All_But_En_Passant);
    } else {
        // The line held for the best move does not carry the best score: the bookkeeping is broken.
        Append(line, "\nERROR LINE \n value = %d\n p_PV_best_point.score_move = %d\n", score, record->score_move);
        Append(line, "**********************\n  \n");
    }
    Append(line, "\n");
    Emit(line);
}

// Writes the score part on its own.
void Print_Score_Part(int32_t score, uint8_t colour, uint8_t length) {
    Line line{};
    Append_Score(line, score, colour, length);
    Emit(line);
}

// Reports a finished iteration with its whole line.
bool Print_Iteration_Info(uint64_t nps, uint8_t depth, const PV_Record* record, int32_t score, uint8_t colour_move,
                          uint64_t nodes) {
    Line line{};
    Append(line, "info  nps %d depth %u seldepth %u", Low_32(nps), unsigned{depth}, unsigned{record->length});
    Append_Score(line, score, colour_move, record->length);
    Append(line, " nodes %d pv ", Low_32(nodes));
    Append_Moves(line, record, Suffix::Promotions);
    Append(line, "\n");
    Emit(line);
    const int64_t e = Side_Score(score, colour_move);
    return e > MATE_THRESHOLD || e < -MATE_THRESHOLD;
}

// Names the move the search chose.
void Print_Bestmove(Move m) {
    Line line{};
    Append(line, "bestmove ");
    Append_Move(line, m, Suffix::Promotions);
    Append(line, "\n");
    Emit(line);
}
