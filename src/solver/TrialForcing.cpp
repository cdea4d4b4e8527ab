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
    Mask* const base = forcingBase_.data();
    std::memcpy(base, cand_.data(), bytes);
    const int32_t keptScore = solveScore_;
    // Trials propagate fully even in hint mode: a hint seen inside one trial means nothing,
    // only the forced cell's own record below may become the hint.
    hintCaptureSuspended_ = true;
    auto restore = [&] {
        std::memcpy(cand_.data(), base, bytes);
        solveScore_ = keptScore;
    };

    // A cell qualifies when it was open on entry and every trial leaves it with the same
    // string of at most one symbol. Instead of keeping every trial's grid, the cells still in
    // the running are kept with the first trial's value, in cell order, and each later trial
    // strikes out those it contradicts. Once none is left the cell being tried can force
    // nothing, and its remaining trials would change nothing observable (they restore the
    // candidates and the score, and only a call's very first placement can touch the trail).
    //
    // Most cells have a trial that decides nothing: a trial's propagation starts only where
    // the tried symbol leaves a peer with one candidate, i.e. at a peer holding exactly that
    // symbol and one other. Per unit, the symbols of its two-candidate cells seen once and
    // more than once tell, without running any trial, whether all of a cell's trials can
    // start; every trial starts from the entry grid, so they are counted once per call.
    // (The cells' pairs are picked out first in one straight pass, which vectorises.)
    Mask pairOf[kMaxCells + 1];
    for (int i = 0; i <= cellCount_; ++i) {
        const unsigned c = cand_[i];
        pairOf[i] = static_cast<Mask>(c & (0u - mask::IsPair(c)));
    }
    Mask pairOnce[3][kMaxGridSize], pairTwice[3][kMaxGridSize];
    for (int u = 0; u < gridSize_; ++u) {
        const int16_t* units[3] = {unitCells_[0][u].data(), columnCells_[u].data(),
                                   unitCells_[1][u].data()};
        for (int kind = 0; kind < 3; ++kind) {
            Mask once = 0, twice = 0;
            for (int k = 0; k < gridSize_; ++k) {
                const Mask pair = pairOf[units[kind][k]];
                twice |= static_cast<Mask>(once & pair);
                once |= pair;
            }
            pairOnce[kind][u] = once;
            pairTwice[kind][u] = twice;
        }
    }
    // The symbols of `cell` whose trial decides at least one peer (a pair cell must not count
    // its own symbols).
    auto fruitfulSymbols = [&](int cell) {
        const Mask c = cand_[cell];
        const bool pair = pairOf[cell] != 0;
        const int units[3] = {RowOf(cell), ColumnOf(cell), BlockOf(cell)};
        Mask others = 0;
        for (int kind = 0; kind < 3; ++kind)
            others |= pairTwice[kind][units[kind]] | (pair ? 0 : pairOnce[kind][units[kind]]);
        return static_cast<Mask>(c & others);
    };

    int m = 1;
    for (;;) {
        int j = 1;
        int n = 0;
        int alive = 0;
        bool touched = false;
        for (;;) {
            // Decided and emptied cells have nothing to try.
            while (!mask::HasSeveral(cand_[m])) {
                if (++m > cellCount_) {
                    solveScore_ = keptScore;
                    hintCaptureSuspended_ = false;
                    return false;
                }
            }
            n = Count(cand_[m]);
            if (j == 1 && fruitfulSymbols(m) != cand_[m]) {
                // One of its trials decides nothing, so no cell can agree across all of them
                // and this cell is done. Of its trials only the first placement's trail mark
                // would outlive the restores.
                NotePlacement();
                alive = 0;
                ++m;
                break;
            }
            touched = true;
            cand_[m] = mask::Nth(cand_[m], j);
            if (j == 1) {
                // The cells this trial decides are exactly those open on entry and decided
                // after it (a propagation never empties a cell). The tried cell itself is not
                // among them: it takes another symbol in every later trial.
                decidedInTrial_.fill(0);
                trialTracking_ = TrialTracking::Noting;
                PlaceValue(m);
                trialTracking_ = TrialTracking::Off;
                for (size_t w = 0; w < decidedInTrial_.size(); ++w)
                    for (uint64_t bits = decidedInTrial_[w]; bits; bits &= bits - 1) {
                        const int k = static_cast<int>(w * 64) + std::countr_zero(bits);
                        forcingCells_[alive] = static_cast<int16_t>(k);
                        forcingValues_[alive] = cand_[k];
                        ++alive;
                    }
            } else {
                for (int a = 0; a < alive; ++a) watchedValue_[forcingCells_[a]] = forcingValues_[a];
                watchedLeft_ = alive;
                trialTracking_ = TrialTracking::Watching;
                PlaceValue(m);
                trialTracking_ = TrialTracking::Off;
                for (int a = 0; a < alive; ++a) watchedValue_[forcingCells_[a]] = 0;
                if (trialSettled_) {
                    // Stopped half-way: nothing left to compare, and the stack is dropped as
                    // a finished propagation would have emptied it.
                    trialSettled_ = false;
                    pending_[0] = 0;
                    alive = 0;
                } else {
                    int kept = 0;
                    for (int a = 0; a < alive; ++a)
                        if (cand_[forcingCells_[a]] == forcingValues_[a]) {
                            forcingCells_[kept] = forcingCells_[a];
                            forcingValues_[kept] = forcingValues_[a];
                            ++kept;
                        }
                    alive = kept;
                }
            }
            if (j == n || alive == 0) {
                ++m;
                break;
            }
            restore();
            ++j;
        }

        hintFound_ = false;
        if (touched) restore();
        // The first qualifying cell decides, even when its string is empty (a contradiction
        // in every trial), in which case this cell forces nothing.
        if (alive == 0 || forcingValues_[0] == 0) {
            if (m > cellCount_) {
                hintCaptureSuspended_ = false;
                return false;
            }
            continue;
        }
        const int forcedCell = forcingCells_[0];
        const Mask forced = forcingValues_[0];
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
