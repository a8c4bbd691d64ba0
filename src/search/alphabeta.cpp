// The principal-variation alpha-beta search below the root; white maximises, black minimises.
#include "eval/eval.h"
#include "hash/table.h"
#include "makemove/zobrist.h"
#include "search/colour_calls.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/repetition.h"
#include "search/search.h"

uint64_t positions_visited = 0;

namespace {

// Margins of the static futility test by remaining depth; only 1 to 4 are used.
constexpr int32_t futility_margin[8] = {130, 130, 300, 300, 300, 300, 300, 300};

// Every checking move is searched one ply deeper; the child learns that it is in check.
template <Colour Us>
void Check_Extension(const Board* b, uint8_t depth, uint8_t* child_depth, uint8_t* gives_check) {
    *gives_check = King_Attacked<Opposite(Us)>(b) ? 1 : 0;
    if (*gives_check) *child_depth = depth + 1;
}

// A quiet position far beyond the far bound near the horizon is not searched.
template <Colour Us>
bool Futile(const Board* b, Window w, int remaining, int32_t* score) {
    using Side = Side_Window<Us>;
    const int32_t margin = futility_margin[remaining];
    const int32_t material = b->value_white_material - b->value_black_material;
    if (!Side::Reaches(material - Side::dir * margin, Side::Far(w))) return false;
    *score = material + Evaluate(b);
    return Side::Reaches(*score, Side::Far(w) + Side::dir * margin);
}

// Orders the full move list: captures by value, the killers, then the hash move first of all.
void Order_Moves(Move_List* list, uint64_t key, uint8_t ply) {
    Sort_Captures(list);
    Killers_To_Front(list, list->capture_count > 0 && list->score[0] >= 0 ? 1 : 0, ply);
    Move hash_move;
    if (Hash_Move(key, &hash_move)) Hash_Move_To_Front(list, hash_move);
}

// A stopped search returns made-up scores: they never reach the table.
void Store(const Search_Control* control, uint64_t key, const Move_List* list, uint8_t index, int32_t score,
           uint8_t flag, uint8_t depth, uint8_t ply) {
    if (control->stop == 0) Hash_Store(key, list, index, score, flag, depth, ply);
}

template <Colour Us>
int32_t Search_Node(Search_Control* control, Board* b, Window w, uint8_t depth, uint8_t ply, int32_t last_move_kind,
                    uint8_t pv_node, uint8_t in_check, uint8_t no_null) {
    using Side = Side_Window<Us>;
    constexpr Colour Them = Opposite(Us);
    int32_t& near_bound = Side::Near(w);

    // 1-2. Entry: the key to restore after each move, and the stop flag.
    const uint64_t key = b->hash_key;
    int32_t best = Side::worst;
    if (control->stop == 1) return 0;

    // 3. Horizon, also where the per-ply tables end.
    if (ply >= depth || ply >= MAX_PLY) return Leaf_Poll<Us>(b, w.alpha, w.beta, ply, pv_node);
    ++positions_visited;

    // 4. Repetition of an earlier position with the same side to move.
    if (Is_Repetition(ply)) {
        if (pv_node) PV_From_Line(ply, 0);
        return 0;
    }

    // 5. Table probe and static futility, off the principal variation only.
    const int remaining = depth - ply;
    if (!pv_node) {
        const int32_t stored = Hash_Probe<Us>(key, ply, depth, w.alpha, w.beta);
        if (stored != NO_RESULT) return stored;
        int32_t futile_score;
        if (remaining < 5 && !in_check && Futile<Us>(b, w, remaining, &futile_score)) return futile_score;
    }

    // 6. Null move; the test decides by itself whether it applies.
    const int32_t null_score =
        Null_Move<Us>(control, b, w, depth, ply, last_move_kind, pv_node, in_check, no_null, key);
    if (null_score != NO_RESULT) return null_score;

    // 7. Generate and order.
    Move_List list;
    Generate_All<Us>(&list, b);
    Order_Moves(&list, key, ply);
    const uint8_t last_unreduced = list.capture_count + 2;

    // 8. The moves.
    bool any_legal = false;
    bool bound_moved = false;
    uint8_t best_index = 0;
    uint8_t bound_index = 0;
    PV_Record line;
    for (int i = 0; i < list.move_count; ++i) {
        Undo_Record undo;
        Make_Move<Us>(b, &undo, &list, i);
        if (King_Attacked<Us>(b)) {
            Unmake_Move<Us>(b, &undo, &list, i);
            continue;
        }
        ++control->nodes;
        any_legal = true;
        if (pv_node) current_line.move[ply] = list.move[i];
        Update_Hash_Key(b, Us, &list, i, &undo);
        search_keys[ply + 1] = b->hash_key;

        uint8_t child_depth = depth;
        uint8_t gives_check;
        Check_Extension<Us>(b, depth, &child_depth, &gives_check);
        const int32_t kind = Move_Kind_Of(list.move[i]);
        const Window null_window = Side::Null_Window(near_bound);
        int32_t s;
        if (pv_node) {
            if (i == 0) {
                s = Search<Them>(control, b, w, child_depth, ply + 1, kind, 1, gives_check, no_null);
            } else {
                s = Search<Them>(control, b, null_window, child_depth, ply + 1, kind, 0, gives_check, no_null);
                if (Side::Better(s, near_bound))
                    s = Search<Them>(control, b, w, child_depth, ply + 1, kind, 1, gives_check, no_null);
            }
        } else {
            // Late quiet moves are first tried one ply shallower.
            if (i > last_unreduced && !gives_check && !in_check && child_depth - ply >= 3)
                s = Search<Them>(control, b, null_window, child_depth - 1, ply + 1, kind, 0, 0, no_null);
            else
                s = near_bound + Side::dir;
            if (Side::Better(s, near_bound))
                s = Search<Them>(control, b, null_window, child_depth, ply + 1, kind, 0, gives_check, no_null);
        }
        Unmake_Move<Us>(b, &undo, &list, i);
        b->hash_key = key;

        if (!Side::Better(s, best)) continue;
        if (!Side::Better(s, near_bound)) {
            best = s;
            best_index = i;
            continue;
        }
        if (Side::Reaches(s, Side::Far(w))) {
            if (kind != KIND_CAPTURE) Killer_Update(&list, i, ply);
            Store(control, key, &list, i, s, HASH_CUTOFF, depth, ply);
            return s;
        }
        near_bound = s;
        bound_moved = true;
        bound_index = i;
        if (pv_node) PV_Save(&line);
        best = s;
        best_index = i;
    }

    // 9. No legal move: mate or stalemate.
    if (!any_legal) {
        const int32_t s = King_Attacked<Us>(b) ? Side::Mated(ply) : 0;
        if (pv_node) PV_From_Line(ply, s);
        return s;
    }
    // 10. Some move landed inside the window.
    if (bound_moved) {
        if (pv_node) PV_Restore(&line);
        Store(control, key, &list, bound_index, near_bound, HASH_EXACT, depth, ply);
        return best;
    }
    // 11. Every move failed low.
    Store(control, key, &list, best_index, best, HASH_FAILED, depth, ply);
    return best;
}

}  // namespace

int32_t Search_White(Search_Control* control, Board* bitboard, int32_t alpha, int32_t beta, uint8_t depth,
                     uint8_t ply, int32_t last_move_kind, uint8_t pv_node, uint8_t in_check, uint8_t no_null) {
    return Search_Node<WHITE>(control, bitboard, {alpha, beta}, depth, ply, last_move_kind, pv_node, in_check,
                              no_null);
}

int32_t Search_Black(Search_Control* control, Board* bitboard, int32_t alpha, int32_t beta, uint8_t depth,
                     uint8_t ply, int32_t last_move_kind, uint8_t pv_node, uint8_t in_check, uint8_t no_null) {
    return Search_Node<BLACK>(control, bitboard, {alpha, beta}, depth, ply, last_move_kind, pv_node, in_check,
                              no_null);
}
