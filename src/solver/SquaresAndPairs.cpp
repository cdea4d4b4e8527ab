// Techniques 6 and 7, both built on cells with exactly two candidates.
#include <bit>

#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

using mask::Count;

// Decides the first corner of a square by its first candidate. Returns true when the technique
// must stop at once (a hint was already captured).
bool Sudoku::ResolveSquare(int a) {
    NoteStep();
    RecordStep(6, Tag::None, a, 0);
    cand_[a] = static_cast<Mask>(cand_[a] & (~cand_[a] + 1));
    if (hintFound_) return true;
    PlaceValue(a);
    return false;
}

bool Sudoku::ResolveSquares() {
    currentMethod_ = 6;
    bool result = false;
    const int n = gridSize_, b = blockSize_;
    // Two rows of one band.
    for (int i = 0; i < n; ++i) {
        if ((i + 1) % b == 0) continue;
        for (int j = 0; j <= n - 2; ++j) {
            const int a = i * n + j + 1;
            if (Count(cand_[a]) != 2) continue;
            for (int k = 1; k <= n - 1 - j; ++k) {
                if (cand_[a + k] != cand_[a]) continue;
                for (int l = 1; l <= b - ((i + 1) % b); ++l) {
                    const int c = a + l * n, d = c + k;
                    if (cand_[c] == cand_[a] && cand_[d] == cand_[a]) {
                        result = true;
                        if (ResolveSquare(a)) return true;
                    }
                }
            }
        }
    }
    // Two columns of one stack.
    for (int q = 1; q <= n; ++q) {
        if (q % b == 0) continue;
        for (int k = 0; k <= n - 2; ++k) {
            const int a = k * n + q;
            if (Count(cand_[a]) != 2) continue;
            for (int l = 1; l <= n - 1 - k; ++l) {
                if (cand_[a + l * n] != cand_[a]) continue;
                for (int m = 1; m <= b - (q % b); ++m) {
                    const int corner = a + m;
                    if (cand_[corner] == cand_[a] && cand_[corner + l * n] == cand_[a]) {
                        result = true;
                        if (ResolveSquare(a)) return true;
                    }
                }
            }
        }
    }
    return result;
}

bool Sudoku::FindNakedPairs() {
    currentMethod_ = 7;
    bool result = false;
    for (int r = 0; r < gridSize_; ++r)
        if (NakedPairsInUnit(unitCells_[0][r].data(), Tag::Row, result)) return true;
    for (int r = 0; r < gridSize_; ++r)
        if (NakedPairsInUnit(columnCells_[r].data(), Tag::Column, result)) return true;
    for (int r = 0; r < gridSize_; ++r)
        if (NakedPairsInUnit(unitCells_[1][r].data(), Tag::Block, result)) return true;
    return result;
}

// Returns true when a hint was captured and the technique must stop at once.
bool Sudoku::NakedPairsInUnit(const int16_t* cells, Tag tag, bool& result) {
    const int n = gridSize_;
    for (int d = 0; d <= n - 2; ++d) {
        const Mask pair = cand_[cells[d]];
        if (Count(pair) != 2) continue;
        const Mask p0 = static_cast<Mask>(pair & (~pair + 1));
        const Mask p1 = static_cast<Mask>(pair & ~p0);
        for (int e = d + 1; e < n; ++e) {
            if (cand_[cells[e]] != pair) continue;
            bool announced = false;
            for (int m = 0; m < n; ++m) {
                if (m == d || m == e) continue;
                const int c = cells[m];
                for (const Mask f : {p0, p1}) {
                    if (!(cand_[c] & f)) continue;
                    NoteStep();
                    if (!announced) {
                        RecordStep(7, tag, 0, 0);
                        announced = true;
                    }
                    cand_[c] = static_cast<Mask>(cand_[c] & ~f);
                    result = true;
                    RecordStep(7, Tag::None, c, 0);
                    if (mask::IsSingle(cand_[c])) {
                        if (hintFound_) return true;
                        PlaceValue(c);
                    }
                }
            }
        }
    }
    return false;
}

} // namespace sv
