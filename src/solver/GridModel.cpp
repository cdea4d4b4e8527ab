// Geometry, the unit table, filling and reading the grid, the solved test and the snapshot.
#include <bit>
#include <cstring>

#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

namespace {
constexpr const char* kAllSymbols = "123456789ABCDEFG";
}

Sudoku::Sudoku(WindowSeam* seam) : seam_(seam) {
    // Room for long trails with guessing, so appending never allocates during a solve.
    methodTrail_.reserve(4096);
    SetupGeometry();
}

void Sudoku::SetSeam(WindowSeam* seam) {
    seam_ = seam;
}

void Sudoku::SetupGeometry() {
    // Only 3 and 4 make a grid the symbol set can fill; anything else falls back to 9x9.
    if (BlockSize != 4) BlockSize = 3;
    blockSize_ = BlockSize;
    gridSize_ = blockSize_ * blockSize_;
    cellCount_ = gridSize_ * gridSize_;
    fullMask_ = static_cast<Mask>((1u << gridSize_) - 1);
    symbolSet_.assign(kAllSymbols, static_cast<size_t>(gridSize_));

    const int n = gridSize_, b = blockSize_;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            unitCells_[0][r][c] = static_cast<int16_t>(r * n + c + 1);
            columnCells_[c][r] = static_cast<int16_t>(r * n + c + 1);
        }
    int block = -1;
    for (int k = 0; k < b; ++k)
        for (int l = 0; l < b; ++l) {
            ++block;
            const int base = k * n * b + l * b;
            int position = -1;
            for (int t = 0; t < b; ++t)
                for (int v = 0; v < b; ++v)
                    unitCells_[1][block][++position] = static_cast<int16_t>(t * n + v + base + 1);
        }

    for (int cell = 1; cell <= cellCount_; ++cell) {
        rowOf_[cell] = static_cast<uint8_t>((cell - 1) / n);
        columnOf_[cell] = static_cast<uint8_t>((cell - 1) % n);
        blockOf_[cell] = static_cast<uint8_t>((rowOf_[cell] / b) * b + columnOf_[cell] / b);
    }
    for (int cell = 1; cell <= cellCount_; ++cell) {
        int count = 0;
        const int row = RowOf(cell), column = ColumnOf(cell), block = BlockOf(cell);
        for (int m = 0; m < n; ++m) peers_[cell][count++] = unitCells_[1][block][m];
        for (int m = 0; m < n; ++m)
            if (m / b != column / b) peers_[cell][count++] = unitCells_[0][row][m];
        for (int m = 0; m < n; ++m)
            if (m / b != row / b) peers_[cell][count++] = columnCells_[column][m];
    }

    cand_.fill(0);
    savedCand_.fill(0);
    cellValue_.fill(0);
    cellValueLength_.fill(0);
    pending_.fill(0);
    gridString_.assign(static_cast<size_t>(cellCount_), '0');
    hintMode_ = false;
}

void Sudoku::ResetGrid() {
    for (int i = 1; i <= cellCount_; ++i) {
        cellValue_[i] = 0;
        cellValueLength_[i] = 0;
        cand_[i] = fullMask_;
    }
    lastNotedMethod_ = 0;
    methodTrail_.clear();
    solveScore_ = 0;
    hintMode_ = false;
    gridString_.assign(static_cast<size_t>(cellCount_), '0');
}

void Sudoku::SetCell(int index, std::string_view symbol) {
    if (index < 1 || index > cellCount_) return; // outside the grid: nothing to write
    cellValue_[index] = symbol.empty() ? 0 : symbol[0];
    cellValueLength_[index] = static_cast<uint8_t>(symbol.size() > 2 ? 2 : symbol.size());
    if (!symbol.empty()) gridString_[static_cast<size_t>(index - 1)] = symbol[0];
}

std::string Sudoku::GetGridString() const {
    return gridString_;
}

bool Sudoku::IsSolved() const {
    // Rows alone are not enough: a wrong guess can leave rows that are permutations while a
    // column or block repeats a symbol, and that grid must not pass as the solution.
    for (int i = 1; i <= cellCount_; ++i)
        if (!mask::IsSingle(cand_[i])) return false;
    for (int u = 0; u < gridSize_; ++u) {
        Mask row = 0, column = 0, block = 0;
        for (int p = 0; p < gridSize_; ++p) {
            row |= cand_[unitCells_[0][u][p]];
            column |= cand_[columnCells_[u][p]];
            block |= cand_[unitCells_[1][u][p]];
        }
        // N decided cells covering all N symbols hold each symbol exactly once.
        if (row != fullMask_ || column != fullMask_ || block != fullMask_) return false;
    }
    return true;
}

void Sudoku::SaveState() {
    std::memcpy(savedCand_.data(), cand_.data(), sizeof(Mask) * (cellCount_ + 1));
    savedScore_ = solveScore_;
}

void Sudoku::RestoreState() {
    std::memcpy(cand_.data(), savedCand_.data(), sizeof(Mask) * (cellCount_ + 1));
    solveScore_ = savedScore_;
}

std::string Sudoku::CandidateStrings(int index) const {
    if (index < 1 || index > cellCount_) return {};
    return MaskToString(cand_[index]);
}

void Sudoku::SetCandidates(int index, std::string_view symbols) {
    Mask m = 0;
    for (char c : symbols) m |= SymbolMask(c);
    cand_[index] = m;
}

std::string Sudoku::MaskToString(Mask m) const {
    std::string s;
    for (int b = 0; b < gridSize_; ++b)
        if (m & (1u << b)) s += symbolSet_[static_cast<size_t>(b)];
    return s;
}

Sudoku::Mask Sudoku::SymbolMask(char c) const {
    const auto p = symbolSet_.find(c);
    return p == std::string::npos ? 0 : static_cast<Mask>(1u << p);
}

char Sudoku::TrailCharacter(int method) const {
    return method >= 1 && method <= gridSize_ ? symbolSet_[static_cast<size_t>(method - 1)] : 0;
}

} // namespace sv
