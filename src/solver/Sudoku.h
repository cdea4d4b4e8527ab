#pragma once
// The grid model and the human-style solver. The program holds exactly one instance; every
// caller refills it (ResetGrid, SetCell...) before Solve or GetHint and reads the results back.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "solver/WindowSeam.h"

namespace sv {

class Sudoku {
public:
    explicit Sudoku(WindowSeam* seam = nullptr);
    void SetSeam(WindowSeam* seam);

    // Side of a block, 3 or 4; written before SetupGeometry, 0 means 3.
    int BlockSize = 0;
    // The solver may guess once its techniques run out.
    bool AllowGuessing = false;

    void SetupGeometry();
    int GridSize() const;
    int CellCount() const;
    const std::string& SymbolSet() const;
    // kind 0: (row, column) -> CellIndex; kind 1: (block, position) -> CellIndex.
    int UnitCells(int unit, int position, int kind) const;

    void ResetGrid();
    void SetCell(int index, std::string_view symbol); // 1-based CellIndex
    std::string GetGridString() const;
    bool IsSolved() const;
    void SaveState();
    void RestoreState();

    bool Solve(bool keepStatusPanel);
    // "" or the CellIndex as three digits followed by the symbol, e.g. "0237".
    std::string GetHint();

    // The cell's possible symbols in SymbolSet order (length 1: decided).
    std::string CandidateStrings(int index) const;
    int32_t SolveScore() const;
    const std::string& MethodTrail() const;

    // Hint state, readable after GetHint.
    const std::string& HintText() const;
    int HintRow() const;    // 1-based
    int HintColumn() const; // 1-based
    const std::string& HintSymbol() const;
    bool HintFound() const;
    int CurrentMethod() const;
};

} // namespace sv
