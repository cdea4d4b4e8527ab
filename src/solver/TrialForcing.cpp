// Technique 8: try every candidate of one undecided cell; a cell that ends up with the same
// single symbol in every trial is forced to it.
#include <bit>
#include <cstring>

#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

using mask::Count;

bool Sudoku::TryForcingCell() {
    const size_t bytes = sizeof(Mask) * (cellCount_ + 1);
    auto& base = trials_[0];
    std::memcpy(base.data(), cand_.data(), bytes);
    const int32_t keptScore = solveScore_;
    // Trials propagate fully even in hint mode: a hint seen inside one trial means nothing,
    // only the forced cell's own record below may become the hint.
    hintCaptureSuspended_ = true;
    auto giveUp = [&] {
        solveScore_ = keptScore;
        hintCaptureSuspended_ = false;
        return false;
    };

    int m = 1;
    for (;;) {
        int j = 1;
        int n = 0;
        for (;;) {
            // Decided and emptied cells have nothing to try.
            while (Count(cand_[m]) < 2) {
                if (++m > cellCount_) return giveUp();
            }
            n = Count(cand_[m]);
            cand_[m] = mask::Nth(cand_[m], j);
            PlaceValue(m);
            if (j == n) {
                ++m;
                break; // the last trial stays in cand_
            }
            std::memcpy(trials_[j].data(), cand_.data(), bytes);
            std::memcpy(cand_.data(), base.data(), bytes);
            solveScore_ = keptScore;
            ++j;
        }

        Mask forced = 0;
        int forcedCell = 0;
        hintFound_ = false;
        for (int k = 1; k <= cellCount_; ++k) {
            if (Count(base[k]) <= 1) continue;
            const Mask last = cand_[k];
            if (Count(last) > 1) continue;
            bool qualifies = true;
            for (int t = 1; t < n && qualifies; ++t) qualifies = trials_[t][k] == last;
            if (qualifies) {
                forced = last; // may be empty: a contradiction in every trial forces nothing
                forcedCell = k;
                break;
            }
        }
        std::memcpy(cand_.data(), base.data(), bytes);
        solveScore_ = keptScore;

        if (forced == 0) {
            if (m > cellCount_) return giveUp();
            continue;
        }
        hintCaptureSuspended_ = false;
        currentMethod_ = 8;
        NoteStep();
        RecordStep(8, Tag::None, forcedCell, forced);
        if (!hintFound_) {
            cand_[forcedCell] = forced;
            PlaceValue(forcedCell);
        }
        return true;
    }
}

} // namespace sv
