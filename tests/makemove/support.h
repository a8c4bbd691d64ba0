// Shared helpers of the make/unmake, key and perft tests.
#pragma once

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "board/board.h"
#include "makemove/make.h"
#include "makemove/zobrist.h"
#include "movegen/bits.h"
#include "movegen/list_text.h"

inline constexpr const char* START_POSITION = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Material of one colour counted from its piece sets.
inline uint16_t Counted_Material(const uint64_t* pieces) {
    int sum = 0;
    for (int t = PAWN; t <= KING; ++t) sum += Pop_Count(pieces[t]) * material_value[t];
    return static_cast<uint16_t>(sum);
}

// A board from FEN with its material fields filled, as a search would start from it.
inline Board Searchable_Board(const char* fen) {
    Board b = Board_From(fen);
    b.value_white_material = Counted_Material(b.white_piece);
    b.value_black_material = Counted_Material(b.black_piece);
    return b;
}

// Names of the fields in which two boards differ, saved_targets left out.
inline std::string Board_Differences(const Board& a, const Board& b) {
    std::string out;
    auto field = [&](const char* name, bool same) {
        if (!same) out += std::string(name) + ' ';
    };
    field("all_piece", a.all_piece == b.all_piece);
    field("all_white_piece", a.all_white_piece == b.all_white_piece);
    field("all_black_piece", a.all_black_piece == b.all_black_piece);
    field("white_piece", std::memcmp(a.white_piece, b.white_piece, sizeof a.white_piece) == 0);
    field("black_piece", std::memcmp(a.black_piece, b.black_piece, sizeof a.black_piece) == 0);
    field("white_name_from_coord", std::memcmp(a.white_name_from_coord, b.white_name_from_coord, 64) == 0);
    field("black_name_from_coord", std::memcmp(a.black_name_from_coord, b.black_name_from_coord, 64) == 0);
    field("colour_move", a.colour_move == b.colour_move);
    field("taking_passage_yes", a.taking_passage_yes == b.taking_passage_yes);
    field("taking_passage_x", a.taking_passage_x == b.taking_passage_x);
    field("taking_passage_y", a.taking_passage_y == b.taking_passage_y);
    field("castling_Q", a.castling_Q == b.castling_Q);
    field("castling_K", a.castling_K == b.castling_K);
    field("castling_q", a.castling_q == b.castling_q);
    field("castling_k", a.castling_k == b.castling_k);
    field("hash_key", a.hash_key == b.hash_key);
    field("value_white_material", a.value_white_material == b.value_white_material);
    field("value_black_material", a.value_black_material == b.value_black_material);
    return out;
}

// The first generated move of the side to move whose coordinate text matches, as the position command finds it.
inline int Find_Move(const Move_List& list, const std::string& text) {
    for (int i = 0; i < list.move_count; ++i)
        if (Entry_Text(list, i, false).substr(0, 4) == text.substr(0, 4) &&
            (text.size() == 4 || Entry_Text(list, i, false)[4] == text[4]))
            return i;
    return -1;
}

inline void Make(Board& b, Undo_Record& undo, const Move_List& list, int i) {
    if (b.colour_move) Make_Move_White(&b, &undo, &list, static_cast<uint8_t>(i));
    else Make_Move_Black(&b, &undo, &list, static_cast<uint8_t>(i));
}

// mover is the colour that made the move.
inline void Unmake(Board& b, uint8_t mover, const Undo_Record& undo, const Move_List& list, int i) {
    if (mover) Unmake_Move_White(&b, &undo, &list, static_cast<uint8_t>(i));
    else Unmake_Move_Black(&b, &undo, &list, static_cast<uint8_t>(i));
}

struct Perft_Position {
    std::string fen;
    std::vector<uint64_t> counts;  // counts[d - 1] is the count at depth d
};

// The shared perft positions with their published counts.
inline std::vector<Perft_Position> Perft_Positions() {
    std::vector<Perft_Position> positions;
    std::ifstream file(ORLEM_SHARED_DATA "/perft.epd");
    for (std::string line; std::getline(file, line);) {
        const size_t cut = line.find(';');
        if (cut == std::string::npos) continue;
        Perft_Position p{line.substr(0, line.find_last_not_of(' ', cut - 1) + 1), {}};
        std::istringstream counts(line.substr(cut));
        for (std::string depth; counts >> depth;) {
            uint64_t count;
            counts >> count;
            p.counts.push_back(count);
        }
        positions.push_back(p);
    }
    return positions;
}

// The first table this test process draws, recorded before anything else can draw again.
struct First_Draw {
    bool drawn_before;
    uint64_t black_pawn_a1, black_pawn_b1, white_pawn_a1;
    uint64_t start_key;
};

// Draws the keys once for the whole process; every test that needs keys goes through here.
inline const First_Draw& Keys_Drawn() {
    static const First_Draw first = [] {
        First_Draw d{};
        d.drawn_before = Zobrist_Keys_Drawn();
        Init_Zobrist_Keys();
        d.black_pawn_a1 = zobrist_key[BLACK][PAWN][0];
        d.black_pawn_b1 = zobrist_key[BLACK][PAWN][1];
        d.white_pawn_a1 = zobrist_key[WHITE][PAWN][0];
        Board b = Board_From(START_POSITION);
        Compute_Hash_Key(&b);
        d.start_key = b.hash_key;
        return d;
    }();
    return first;
}
