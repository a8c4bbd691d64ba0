// One iteration over the root moves: a principal-variation search of every legal move, with its report.
#include <cstdio>
#include <cstring>

#include "hash/table.h"
#include "makemove/zobrist.h"
#include "search/colour_calls.h"
#include "search/driver.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/repetition.h"
#include "uci/output.h"

bool root_has_result = false;

namespace {

void Copy_Line(PV_Record* destination, const PV_Record* source) {
    std::memcpy(destination->move, source->move, sizeof(Move) * source->length);
    destination->score_move = source->score_move;
    destination->length = source->length;
}

template <Colour Us>
int32_t Root_Search(Move_List* list, Board* b, uint8_t depth) {
    using Side = Side_Window<Us>;
    constexpr Colour Them = Opposite(Us);
    root_has_result = false;

    // 1-7. Set-up: fresh killers, the previous iteration's order with the hash move first, a snapshot.
    if (search_control.stop == 1) return 0;
    std::memset(killer_1, 0, sizeof killer_1);
    std::memset(killer_2, 0, sizeof killer_2);
    Sort_Captures(list);
    const uint64_t key = b->hash_key;
    Move hash_move;
    if (Hash_Move(key, &hash_move)) Hash_Move_To_Front(list, hash_move);
    Board test;
    Copy_Board(&test, b);
    search_control.null_move_on = 1;

    int32_t best = Side::worst;
    uint8_t best_index = 0;
    bool any_legal = false;
    uint8_t number = 1;
    PV_Record best_line;

    // 8. The root moves.
    for (int i = 0; i < list->move_count; ++i) {
        Undo_Record undo;
        Make_Move<Us>(b, &undo, list, i);
        if (King_Attacked<Us>(b)) {
            Unmake_Move<Us>(b, &undo, list, i);
            list->score[i] = Side::Mated(0);
            continue;
        }
        ++root_nodes;
        any_legal = true;
        Print_Currmove(list, number, i, depth);
        current_line.move[0] = list->move[i];
        Update_Hash_Key(b, Us, list, i, &undo);
        search_keys[1] = b->hash_key;

        const uint8_t gives_check = King_Attacked<Them>(b) ? 1 : 0;
        const uint8_t child_depth = gives_check ? depth + 1 : depth;
        const int32_t kind = Move_Kind_Of(list->move[i]);
        Window full{-INFINITE_SCORE, INFINITE_SCORE};
        Side::Near(full) = best;
        int32_t s;
        if (i == 0) {
            s = Search<Them>(&search_control, b, full, child_depth, 1, kind, 1, gives_check, 0);
        } else {
            s = Search<Them>(&search_control, b, Side::Null_Window(best), child_depth, 1, kind, 0, gives_check, 0);
            if (Side::Better(s, best)) s = Search<Them>(&search_control, b, full, child_depth, 1, kind, 1, gives_check, 0);
        }
        Unmake_Move<Us>(b, &undo, list, i);
        b->hash_key = key;

        // A search cut short by a stop returns a made-up score: it is never compared.
        if (search_control.stop == 1) continue;
        list->score[i] = s;
        root_has_result = true;
        if (Side::Better(s, best)) {
            best_from = static_cast<uint8_t>(Move_From(list->move[i]));
            best_to = static_cast<uint8_t>(Move_To(list->move[i]));
            best = s;
            best_index = i;
            Copy_Line(&best_line, &pv);
            if (s != pv.score_move) std::fputs(Us == WHITE ? "ERROR white value \n" : "ERROR black value \n", stdout);
        }
        ++number;
        Print_Root_Info(best, depth, &best_line, Us == WHITE ? 1 : 0, root_nodes + search_control.nodes);
    }

    // 9. Every move has been taken back: the board must equal the snapshot.
    Test_Board(b, &test);

    // 10. No legal move: mate or stalemate.
    if (!any_legal) {
        const int32_t s = King_Attacked<Us>(b) ? Side::Mated(0) : 0;
        pv.score_move = s;
        pv.length = 0;
        root_has_result = true;
        return s;
    }
    if (!root_has_result) return best;

    // 11-13. The best line becomes the principal variation and the result goes to the table.
    Copy_Line(&pv, &best_line);
    if (search_control.stop == 0) {
        Hash_Store_Move(Hash_Index(key), Hash_Check(key), list, best_index, depth);
        Hash_Store_Score(Hash_Index(key), Hash_Check(key), best, HASH_FAILED, depth);
    }
    return best;
}

}  // namespace

int32_t Root_Search_White(Move_List* list, Board* bitboard, uint8_t depth) {
    return Root_Search<WHITE>(list, bitboard, depth);
}

int32_t Root_Search_Black(Move_List* list, Board* bitboard, uint8_t depth) {
    return Root_Search<BLACK>(list, bitboard, depth);
}
