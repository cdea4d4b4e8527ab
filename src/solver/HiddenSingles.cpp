// Technique 2: a symbol possible in only one undecided cell of a unit goes there.
#include <bit>

#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

bool Sudoku::FindHiddenSingles() {
    currentMethod_ = 2;
    bool result = false;
    for (int u = 0; u < gridSize_; ++u)
        if (HiddenSinglesInUnit(unitCells_[1][u].data(), Tag::Block, result)) return true;
    for (int u = 0; u < gridSize_; ++u)
        if (HiddenSinglesInUnit(unitCells_[0][u].data(), Tag::Row, result)) return true;
    for (int u = 0; u < gridSize_; ++u)
        if (HiddenSinglesInUnit(columnCells_[u].data(), Tag::Column, result)) return true;
    return result;
}

// Returns true when a hint was captured and the technique must stop at once.
bool Sudoku::HiddenSinglesInUnit(const int16_t* cells, Tag tag, bool& result) {
    const int n = gridSize_;
    for (;;) {
        // Symbols seen once and seen at least twice among the undecided cells.
        Mask once = 0, twice = 0;
        for (int k = 0; k < n; ++k) {
            unsigned m = cand_[cells[k]];
            m &= 0u - static_cast<unsigned>(!mask::IsSingle(m)); // decided cells count for nothing
            twice |= static_cast<Mask>(once & m);
            once |= static_cast<Mask>(m);
        }
        const Mask singles = static_cast<Mask>(once & ~twice);
        if (singles == 0) return false;

        // The counts of this sweep are taken before any of its placements.
        int16_t home[kMaxGridSize];
        for (int k = 0; k < n; ++k) {
            const Mask m = cand_[cells[k]];
            if (mask::IsSingle(m)) continue;
            for (Mask hit = m & singles; hit; hit &= static_cast<Mask>(hit - 1))
                home[std::countr_zero(static_cast<unsigned>(hit))] = cells[k];
        }
        for (Mask left = singles; left; left &= static_cast<Mask>(left - 1)) {
            const int s = std::countr_zero(static_cast<unsigned>(left));
            const Mask symbol = static_cast<Mask>(1u << s);
            const int cell = home[s];
            NoteStep();
            RecordStep(2, tag, cell, symbol);
            result = true;
            if (hintFound_) return true;
            cand_[cell] = symbol;
            PlaceValue(cell);
        }
        // Something was placed: recount the same unit from scratch.
    }
}

} // namespace sv
