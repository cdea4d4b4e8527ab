// Technique 5: n symbols (2 to 4) that share exactly the same n cells of a unit own those cells.
#include <bit>

#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

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
    // First count every symbol's cells with bit-sliced counters (bit s of cB is bit B of
    // symbol s's count): only a symbol found in two to four cells can join a subset.
    unsigned unit[kMaxGridSize];
    unsigned c0 = 0, c1 = 0, c2 = 0, c3 = 0, c4 = 0; // c4 saturates: sixteen or more
    for (int k = 0; k < n; ++k) {
        const unsigned m = unit[k] = cand_[cells[k]];
        const unsigned t0 = c0 & m, t1 = c1 & t0, t2 = c2 & t1;
        c0 ^= m;
        c1 ^= t0;
        c2 ^= t1;
        c4 |= c3 & t2;
        c3 ^= t2;
    }
    // Symbols found in exactly two, three and four cells. A group of size n needs n symbols
    // of count n, so a size with fewer is skipped.
    const unsigned few = ~c3 & ~c4;
    unsigned exactly[5] = {0, 0, few & ~c0 & c1 & ~c2, few & c0 & c1 & ~c2, few & ~c0 & ~c1 & c2};
    unsigned wanted = 0;
    for (int size = 2; size <= 4; ++size) {
        if (mask::Count(exactly[size]) < size) exactly[size] = 0;
        wanted |= exactly[size];
    }
    if (wanted == 0) return;

    // Per such symbol, the unit positions whose candidates hold it, decided cells included. A
    // symbol's first cells in unit order are the lowest bits of this mask, so "same first
    // cell" is "same lowest bit" and "same first n cells" (with n cells in all) is "same mask".
    uint16_t where[kMaxGridSize] = {};
    for (unsigned left = wanted; left; left &= left - 1) {
        const int s = mask::Index(left);
        uint16_t w = 0;
        for (int k = 0; k < n; ++k) w |= static_cast<uint16_t>(((unit[k] >> s) & 1u) << k);
        where[s] = w;
    }

    for (int size = 2; size <= 4; ++size) {
        int groupCount = 0;
        int first[kMaxGridSize];    // first symbol of each group, in opening order
        Mask members[kMaxGridSize]; // symbols of each group
        int sizes[kMaxGridSize];
        if (exactly[size] == 0) continue;
        for (unsigned left = exactly[size]; left; left &= left - 1) {
            const int s = mask::Index(left);
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
