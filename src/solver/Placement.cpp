// Technique 1 and the naked-single engine every other technique places through.
#include <bit>
#include <cstdint>

#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

using mask::Count;

void Sudoku::SeedGivens() {
    currentMethod_ = 1;
    for (int i = 1; i <= cellCount_; ++i) {
        if (cellValueLength_[i] != 1 || !mask::HasSeveral(cand_[i])) continue;
        const Mask given = SymbolMask(cellValue_[i]);
        cand_[i] = given;
        if (given != 0) {
            PlaceValue(i);
            continue;
        }
        // A given outside the symbol set matches no candidate, so its sweeps remove nothing;
        // only the trail mark and the placement record remain. The cell stays undecidable.
        if (lastNotedMethod_ != 99) {
            lastNotedMethod_ = 99;
            NoteMethod();
        }
        RecordStep(1, Tag::None, i, 0);
    }
}

void Sudoku::RemoveCandidate(int target, int source) {
    const Mask s = cand_[source];
    Mask t = cand_[target];
    Mask removed;
    if (mask::IsSingle(s)) {
        if (!(t & s)) return;
        removed = s;
    } else if (s == 0) {
        // The empty string is found at the very start of any non-empty string.
        if (t == 0) return;
        removed = static_cast<Mask>(t & (~t + 1));
    } else {
        // A whole string of several symbols is found only where it stands contiguously in the
        // target (both in symbol order); then only its first character is removed.
        const int low = std::countr_zero(static_cast<unsigned>(s));
        const int high = 31 - std::countl_zero(static_cast<unsigned>(s));
        const Mask span = static_cast<Mask>(((1u << (high + 1)) - 1) & ~((1u << low) - 1));
        if ((t & span) != s) return;
        removed = static_cast<Mask>(1u << low);
    }
    t = static_cast<Mask>(t & ~removed);
    cand_[target] = t;
    if (mask::IsSingle(t)) PushSingle(target);
}

void Sudoku::PlaceValue(int cell) {
    NotePlacement();
    RecordStep(1, Tag::None, cell, 0);
    if (hintFound_) return;

    const Mask placed = cand_[cell];
    const int n = gridSize_;
    // The block, row and column sweeps remove the placed symbol from their undecided cells; a
    // cell left with one candidate is recorded and waits on the shared stack until all three
    // sweeps are done.
    auto sweep = [&](const int16_t* cells, Tag tag) {
        // A source of other than one symbol: a whole-string search, see RemoveCandidate.
        for (int m = 0; m < n; ++m) {
            const int t = cells[m];
            if (!mask::HasSeveral(cand_[t])) continue;
            RemoveCandidate(t, cell);
            if (mask::IsSingle(cand_[t])) {
                RecordStep(1, tag, t, 0);
                if (hintFound_) return false;
            }
        }
        return true;
    };
    if (!mask::IsSingle(placed)) {
        if (!sweep(unitCells_[1][BlockOf(cell)].data(), Tag::Block)) return;
        if (!sweep(unitCells_[0][RowOf(cell)].data(), Tag::Row)) return;
        if (!sweep(columnCells_[ColumnOf(cell)].data(), Tag::Column)) return;
    } else {
        // The usual case, one symbol placed: a cell of the row or column that lies in the
        // block has already lost the symbol in the block sweep, so the peer list visits
        // every neighbour once, in the same order as the three sweeps.
        const int16_t* peers = peers_[cell].data();
        const int blockEnd = n, rowEnd = n + (n - blockSize_), end = rowEnd + (n - blockSize_);
        // First mark, without branches, the peers that hold the symbol among several
        // candidates; removing it from one peer changes no other, so the marks stay exact.
        uint64_t hits = 0;
        for (int m = 0; m < end; ++m) {
            const unsigned c = cand_[peers[m]];
            hits |= static_cast<uint64_t>(((c & placed) != 0) & ((c & (c - 1)) != 0)) << m;
        }
        for (; hits; hits &= hits - 1) {
            const int m = std::countr_zero(hits);
            const int t = peers[m];
            const Mask c = static_cast<Mask>(cand_[t] & ~placed);
            cand_[t] = c;
            if (mask::HasSeveral(c)) continue;
            // From two candidates to one.
            PushSingle(t);
            RecordStep(1, m < blockEnd ? Tag::Block : m < rowEnd ? Tag::Row : Tag::Column, t, 0);
            if (hintFound_) return;
            if (trialTracking_ == TrialTracking::Off) continue;
            if (trialTracking_ == TrialTracking::Noting) {
                decidedInTrial_[t >> 6] |= uint64_t{1} << (t & 63);
                continue;
            }
            // A decided cell never changes again within the propagation, so a trial that has
            // contradicted every cell still in the running can stop here.
            if (watchedValue_[t] != 0 && watchedValue_[t] != c && --watchedLeft_ == 0) {
                trialSettled_ = true;
                return;
            }
        }
    }

    while (pending_[0] > 0) {
        const int t = pending_[pending_[0]];
        --pending_[0];
        PlaceValue(t);
        if (trialSettled_) return;
    }
}

} // namespace sv
