// Technique 5: n symbols (2 to 4) that share exactly the same n cells of a unit own those cells.
#include <bit>

#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

namespace {
// where[s] gets bit k when the unit's k-th cell holds symbol s. With the size fixed at compile
// time the loops unroll and vectorise.
template <int N> void Transpose(const uint16_t* cand, const int16_t* cells, uint16_t* where) {
    for (int k = 0; k < N; ++k) {
        const unsigned m = cand[cells[k]];
        for (int s = 0; s < N; ++s) where[s] |= static_cast<uint16_t>(((m >> s) & 1u) << k);
    }
}
} // namespace

bool Sudoku::FindHiddenSubsets() {
    currentMethod_ = 5;
    bool result = false;
    for (int u = 0; u < gridSize_; ++u) HiddenSubsetsInUnit(columnCells_[u].data(), result);
    for (int u = 0; u < gridSize_; ++u) HiddenSubsetsInUnit(unitCells_[0][u].data(), result);
    for (int u = 0; u < gridSize_; ++u) HiddenSubsetsInUnit(unitCells_[1][u].data(), result);
    return result;
}

void Sudoku::HiddenSubsetsInUnit(const int16_t* cells, bool& result) {
    const int n = gridSize_;
    // Per symbol, the unit positions whose candidates hold it, decided cells included. A
    // symbol's first cells in unit order are the lowest bits of this mask, so "same first
    // cell" is "same lowest bit" and "same first n cells" (with n cells in all) is "same mask".
    uint16_t where[kMaxGridSize] = {};
    if (n == 9)
        Transpose<9>(cand_.data(), cells, where);
    else
        Transpose<16>(cand_.data(), cells, where);
    // Only a symbol found in two to four cells can belong to a subset.
    bool possible = false;
    for (int s = 0; s < n; ++s) {
        const int count = mask::Count(where[s]);
        possible |= count >= 2 && count <= 4;
    }
    if (!possible) return;

    for (int size = 2; size <= 4; ++size) {
        int groupCount = 0;
        int first[kMaxGridSize];    // first symbol of each group, in opening order
        Mask members[kMaxGridSize]; // symbols of each group
        int sizes[kMaxGridSize];
        for (int s = 0; s < n; ++s) {
            if (mask::Count(where[s]) != size) continue;
            const uint16_t lowest = static_cast<uint16_t>(where[s] & (~where[s] + 1));
            int g = 0;
            while (g < groupCount && (where[first[g]] & (~where[first[g]] + 1)) != lowest) ++g;
            if (g == groupCount) {
                first[g] = s;
                members[g] = 0;
                sizes[g] = 0;
                ++groupCount;
            }
            members[g] |= static_cast<Mask>(1u << s);
            ++sizes[g];
        }
        for (int g = 0; g < groupCount; ++g) {
            if (sizes[g] != size) continue;
            const uint16_t home = where[first[g]];
            bool skip = false;
            for (Mask m = members[g]; m; m &= static_cast<Mask>(m - 1))
                if (where[std::countr_zero(static_cast<unsigned>(m))] != home) skip = true;
            if (skip) continue;
            const Mask subset = members[g];
            bool applied = true;
            for (uint16_t h = home; h; h &= static_cast<uint16_t>(h - 1))
                if (cand_[cells[std::countr_zero(static_cast<unsigned>(h))]] != subset)
                    applied = false;
            if (applied) continue;
            RecordStep(5, Tag::None, 1, 0);
            result = true;
            for (uint16_t h = home; h; h &= static_cast<uint16_t>(h - 1))
                cand_[cells[std::countr_zero(static_cast<unsigned>(h))]] = subset;
            NoteStep();
        }
    }
}

} // namespace sv
