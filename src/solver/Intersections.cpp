// Techniques 3 and 4: a symbol confined to the overlap of a line and a block leaves the rest
// of the block (3) or of the line (4).
#include <bit>

#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

using mask::Count;

bool Sudoku::ReduceLinesToBlocks() {
    currentMethod_ = 3;
    bool result = false;
    const int n = gridSize_, b = blockSize_;
    for (int pass = 0; pass < 2; ++pass) {
        const bool rows = pass == 0;
        const Tag tag = rows ? Tag::Row : Tag::Column;
        for (int i = 0; i < n; ++i) {
            const int16_t* line = rows ? unitCells_[0][i].data() : columnCells_[i].data();
            // Per symbol, the groups of the line (one per block it crosses) holding it.
            // (Walked group by group: a division by the block size per cell was the costliest
            // step of this technique.)
            Mask groupOr[4] = {0, 0, 0, 0};
            for (int g = 0, k = 0; g < b; ++g)
                for (int t = 0; t < b; ++t, ++k) {
                    const unsigned m = cand_[line[k]];
                    groupOr[g] |= static_cast<Mask>(m & (0u - mask::HasSeveral(m)));
                }
            Mask confined[4];
            for (int g = 0; g < b; ++g) {
                Mask others = 0;
                for (int h = 0; h < b; ++h)
                    if (h != g) others |= groupOr[h];
                confined[g] = static_cast<Mask>(groupOr[g] & ~others);
            }
            Mask anyConfined = 0;
            for (int g = 0; g < b; ++g) anyConfined |= confined[g];
            for (; anyConfined; anyConfined &= static_cast<Mask>(anyConfined - 1)) {
                const int s = mask::Index(anyConfined);
                const Mask d = static_cast<Mask>(1u << s);
                int g = 0;
                while (g < b && !(confined[g] & d)) ++g;
                if (g == b) continue;
                const int block = rows ? (i / b) * b + g : g * b + i / b;
                const int16_t* blockCells = unitCells_[1][block].data();
                bool announced = false;
                for (int m = 0; m < n; ++m) {
                    const int c = blockCells[m];
                    if ((rows ? RowOf(c) : ColumnOf(c)) == i || !(cand_[c] & d)) continue;
                    NoteStep();
                    if (!announced) {
                        RecordStep(3, tag, blockCells[0], 0);
                        result = true;
                        announced = true;
                    }
                    cand_[c] = static_cast<Mask>(cand_[c] & ~d);
                    if (mask::IsSingle(cand_[c])) {
                        RecordStep(3, Tag::None, c, 0);
                        if (hintFound_) return true;
                        PlaceValue(c);
                    }
                }
            }
        }
    }
    return result;
}

bool Sudoku::ReduceBlocksToLines() {
    currentMethod_ = 4;
    bool result = false;
    const int n = gridSize_;
    for (int i = 0; i < n; ++i) {
        // Per symbol, the distinct rows and columns (absolute) of its candidates in the block.
        Mask rowRecord[kMaxGridSize] = {};
        Mask columnRecord[kMaxGridSize] = {};
        for (int j = 0; j < n; ++j) {
            const int e = unitCells_[1][i][j];
            const Mask m = cand_[e];
            if (!mask::HasSeveral(m)) continue;
            const Mask rowBit = static_cast<Mask>(1u << RowOf(e));
            const Mask columnBit = static_cast<Mask>(1u << ColumnOf(e));
            for (Mask left = m; left; left &= static_cast<Mask>(left - 1)) {
                const int s = std::countr_zero(static_cast<unsigned>(left));
                rowRecord[s] |= rowBit;
                columnRecord[s] |= columnBit;
            }
        }
        if (BlockToLine(i, true, rowRecord, result)) return true;
        if (BlockToLine(i, false, columnRecord, result)) return true;
    }
    return result;
}

// Removes each symbol confined to one line of block i from that line outside the block.
// Returns true when a hint was captured and the technique must stop at once.
bool Sudoku::BlockToLine(int i, bool rows, const Mask* record, bool& result) {
    const int n = gridSize_, b = blockSize_;
    const int ownGroup = rows ? i % b : i / b;
    const Tag tag = rows ? Tag::Row : Tag::Column;
    for (int s = 0; s < n; ++s) {
        if (!mask::IsSingle(record[s])) continue;
        const int line = std::countr_zero(static_cast<unsigned>(record[s]));
        const Mask symbol = static_cast<Mask>(1u << s);
        bool announced = false;
        for (int l = 0; l < n; ++l) {
            if (l == ownGroup * b) l += b; // skip the block's own stretch of the line
            if (l >= n) break;
            const int cell = rows ? unitCells_[0][line][l] : unitCells_[0][l][line];
            if (!mask::HasSeveral(cand_[cell]) || !(cand_[cell] & symbol)) continue;
            NoteStep();
            if (!announced) {
                RecordStep(4, tag, unitCells_[1][i][0], 0);
                result = true;
                announced = true;
            }
            cand_[cell] = static_cast<Mask>(cand_[cell] & ~symbol);
            RecordStep(4, Tag::None, cell, 0);
            if (mask::IsSingle(cand_[cell])) {
                if (hintFound_) return true;
                PlaceValue(cell);
            }
        }
    }
    return false;
}

} // namespace sv
