// Quiescence search: captures and promotions only, with stand pat and narrowed victims.
#include "eval/eval.h"
#include "movegen/generate.h"
#include "search/colour_calls.h"
#include "search/limits.h"
#include "search/ordering.h"
#include "search/pv.h"
#include "search/search.h"

namespace {

// Far below the bound, captures of cheap pieces cannot bring the score back: drop them as victims.
template <Colour Us>
void Narrow_Targets(Board* b, int32_t near_bound, int32_t* stand_pat) {
    using Side = Side_Window<Us>;
    constexpr Colour Them = Opposite(Us);
    uint64_t& targets = Occupancy<Them>(*b);
    const uint64_t* victims = Pieces<Them>(*b);
    targets &= ~victims[PAWN];
    if (Side::Better(near_bound - Side::dir * 500, *stand_pat)) {
        targets &= ~(victims[KNIGHT] | victims[BISHOP]);
        if (Side::Better(near_bound - Side::dir * 700, *stand_pat)) targets &= ~victims[ROOK];
    }
    *stand_pat += Side::dir * 160;
}

template <Colour Us>
int32_t Quiescence_Node(Board* b, Window w, uint8_t ply, uint8_t pv_node) {
    using Side = Side_Window<Us>;
    constexpr Colour Them = Opposite(Us);
    int32_t& near_bound = Side::Near(w);
    ++positions_visited;

    // The clock and the node budget are watched here too, so that no capture sequence outlasts them; once
    // stopped, the search's scores mean nothing and the node returns at once.
    Count_Toward_Limits();
    if (search_control.stop == 1) return 0;

    // 1. Stand pat on the static score.
    int32_t stand_pat = b->value_white_material - b->value_black_material + Evaluate(b);
    bool raised = false;
    if (Side::Better(stand_pat, near_bound)) {
        if (Side::Reaches(stand_pat, Side::Far(w))) return stand_pat;
        near_bound = stand_pat;
        raised = true;
    }
    // The per-ply tables end here: a line this long stands pat.
    if (ply >= MAX_PLY) {
        if (pv_node && raised) PV_From_Line(ply, stand_pat);
        return stand_pat;
    }

    // 2-4. Generate against the (possibly narrowed) victims, then make the opponent whole again.
    uint64_t& targets = Occupancy<Them>(*b);
    b->saved_targets = targets;
    if (Side::Better(near_bound - Side::dir * 160, stand_pat)) Narrow_Targets<Us>(b, near_bound, &stand_pat);
    Move_List list;
    Generate_Captures<Us>(&list, b);
    Sort_Captures(&list);
    targets = b->saved_targets;

    // 5-6. Try each capture with the full current window.
    int32_t best = stand_pat;
    PV_Record line;
    for (uint8_t i = 0; i < list.capture_count; ++i) {
        Undo_Record undo;
        Make_Move<Us>(b, &undo, &list, i);
        if (pv_node) current_line.move[ply] = list.move[i];
        if (Move_Captured(list.move[i]) == KING) {
            // The opponent's last move left its king en prise.
            const int32_t s = Side_Window<Them>::Mated(ply);
            Unmake_Move<Us>(b, &undo, &list, i);
            if (pv_node) PV_From_Line(ply, s);
            return s;
        }
        const int32_t s = Quiescence<Them>(b, w.alpha, w.beta, ply + 1, pv_node);
        Unmake_Move<Us>(b, &undo, &list, i);
        if (!Side::Better(s, best)) continue;
        if (!Side::Better(s, near_bound)) {
            best = s;
            continue;
        }
        if (Side::Reaches(s, Side::Far(w))) return s;
        near_bound = s;
        if (pv_node) PV_Save(&line);
        raised = true;
        best = s;
    }

    // 7. Report the line that raised the bound, if any.
    if (!raised) return best;
    if (pv_node) {
        if (best == stand_pat) PV_From_Line(ply, stand_pat); else PV_Restore(&line);
    }
    return best;
}

}  // namespace

int32_t Quiescence_White(Board* bitboard, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node) {
    return Quiescence_Node<WHITE>(bitboard, {alpha, beta}, ply, pv_node);
}

int32_t Quiescence_Black(Board* bitboard, int32_t alpha, int32_t beta, uint8_t ply, uint8_t pv_node) {
    return Quiescence_Node<BLACK>(bitboard, {alpha, beta}, ply, pv_node);
}
