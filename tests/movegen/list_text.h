// Readable text of move-list entries, so a test can state a whole generation order in one string.
#pragma once

#include <string>

#include "board/board.h"
#include "movegen/generate.h"
#include "movegen/move.h"

// Sets the board from the FEN fields (the "fen" keyword is added here).
inline Board Board_From(const char* fen) {
    Board b{};
    Set_Fen(&b, (std::string("fen ") + fen).c_str());
    return b;
}

// "e2e4", "b7a8qxr=25", "e1g1=4": move, promotion letter, x and the victim, = and the ordering value.
inline std::string Entry_Text(const Move_List& list, int i, bool scored) {
    const Move m = list.move[i];
    std::string text;
    for (int square : {Move_From(m), Move_To(m)}) {
        text += static_cast<char>('a' + square % 8);
        text += static_cast<char>('1' + square / 8);
    }
    if (Move_Kind_Of(m) > KIND_EN_PASSANT) text += " pnbrqk"[Promoted_Type(Move_Kind_Of(m))];
    if (Move_Captured(m)) {
        text += 'x';
        text += " pnbrqk"[Move_Captured(m)];
    }
    if (scored) {
        text += '=';
        text += std::to_string(list.score[i]);
    }
    return text;
}

// The whole list, captures then " | " then quiet entries; castling entries show their ordering value.
inline std::string List_Text(const Move_List& list) {
    std::string text;
    for (int i = 0; i < list.move_count; ++i) {
        const int kind = Move_Kind_Of(list.move[i]);
        if (i == list.capture_count) text += text.empty() ? "|" : " |";
        if (!text.empty()) text += ' ';
        text += Entry_Text(list, i, i < list.capture_count || kind == KIND_CASTLE_LONG || kind == KIND_CASTLE_SHORT);
    }
    if (list.capture_count == list.move_count) text += text.empty() ? "|" : " |";
    return text;
}

// Captures then quiet moves of the side to move, as the full-width search generates them.
inline Move_List Generate_All(const Board& b) {
    Move_List list;
    if (b.colour_move) {
        Generate_Captures_White(&list, &b);
        Generate_Quiet_White(&list, &b);
    } else {
        Generate_Captures_Black(&list, &b);
        Generate_Quiet_Black(&list, &b);
    }
    return list;
}
