#pragma once
// The grid model and the human-style solver. The program holds exactly one instance; every
// caller refills it (ResetGrid, SetCell...) before Solve or GetHint and reads the results back.
//
// Candidate strings are stored as bit masks (bit s-1 for the s-th symbol of SymbolSet). A mask
// read in ascending bit order is exactly the candidate string in SymbolSet order, so every
// string rule (length, n-th character, equality, substring search) has a mask equivalent; the
// rare cases where a string rule has no cheap mask form fall back to real strings.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "solver/WindowSeam.h"

namespace sv {

class Sudoku {
public:
    static constexpr int kMaxGridSize = 16;
    static constexpr int kMaxCells = kMaxGridSize * kMaxGridSize;
    using Mask = uint16_t;

    explicit Sudoku(WindowSeam* seam = nullptr);
    // Status strip, message pump, question/information boxes, board test and clock.
    void SetSeam(WindowSeam* seam);

    // Side of a block, 3 or 4; written before SetupGeometry, 0 means 3.
    int BlockSize = 0;
    // The solver may guess once its techniques run out.
    bool AllowGuessing = false;

    void SetupGeometry();
    int GridSize() const { return gridSize_; }
    int CellCount() const { return cellCount_; }
    const std::string& SymbolSet() const { return symbolSet_; }
    // kind 0: (row, column) -> CellIndex; kind 1: (block, position) -> CellIndex.
    int UnitCells(int unit, int position, int kind) const {
        return unitCells_[kind][unit][position];
    }

    void ResetGrid();
    void SetCell(int index, std::string_view symbol); // 1-based CellIndex
    std::string GetGridString() const;
    // Every cell decided and every row, column and block holding each symbol once.
    bool IsSolved() const;
    void SaveState();
    void RestoreState();

    bool Solve(bool keepStatusPanel);
    // "" or the CellIndex as three digits followed by the symbol, e.g. "0237".
    std::string GetHint();

    // The cell's possible symbols in SymbolSet order (length 1: decided).
    std::string CandidateStrings(int index) const;
    Mask CandidateMask(int index) const { return cand_[index]; }
    int32_t SolveScore() const { return solveScore_; }
    const std::string& MethodTrail() const { return methodTrail_; }

    // Hint state, readable after GetHint (cleared again at its end except the text and cell).
    const std::string& HintText() const { return hintText_; }
    int HintRow() const { return hintRow_; }       // 1-based
    int HintColumn() const { return hintColumn_; } // 1-based
    const std::string& HintSymbol() const { return hintSymbol_; }
    bool HintFound() const { return hintFound_; }
    int CurrentMethod() const { return currentMethod_; }

    // The eight techniques, public so tests can drive one on a prepared grid. Each returns
    // whether it made progress.
    void SeedGivens();
    bool FindHiddenSingles();
    bool ReduceLinesToBlocks();
    bool ReduceBlocksToLines();
    bool FindHiddenSubsets();
    bool ResolveSquares();
    bool FindNakedPairs();
    bool TryForcingCell();

    // Test access: put a candidate string directly into a cell (SymbolSet characters only).
    void SetCandidates(int index, std::string_view symbols);

private:
    friend struct SudokuTestAccess; // tests reach the placement engine directly

    // The unit tag of a step; see RecordStep.
    enum class Tag : uint8_t { None, Row, Column, Block };
    // Points of a step by kind (1..8), without and with a unit tag.
    static constexpr int kStepPoints[9][2] = {{0, 0},   {0, 1},   {30, 30}, {0, 100},  {100, 200},
                                              {80, 80}, {50, 50}, {0, 50},  {200, 200}};

    void PlaceValue(int cell);
    // The trail mark every placement starts with.
    void NotePlacement() {
        if (lastNotedMethod_ != 99) {
            lastNotedMethod_ = 99;
            NoteMethod();
        }
    }
    void RemoveCandidate(int target, int source);
    void NoteMethod();
    void NoteStep();
    // Records one step: its points go to the score; in hint mode it may capture the hint.
    void RecordStep(int kind, Tag tag, int cell, Mask symbol) {
        solveScore_ += kStepPoints[kind][tag == Tag::None ? 0 : 1];
        if (hintMode_ && !hintCaptureSuspended_) CaptureIfQualifies(kind, tag, cell, symbol);
    }
    void CaptureIfQualifies(int kind, Tag tag, int cell, Mask symbol);
    void CaptureHint(int cell, Mask symbol, bool english, int kind);
    void PushSingle(int cell) { pending_[++pending_[0]] = static_cast<int16_t>(cell); }

    bool HiddenSinglesInUnit(const int16_t* cells, Tag tag, bool& result);
    bool BlockToLine(int block, bool rows, const Mask* record, bool& result);
    bool ResolveSquare(int a);
    bool NakedPairsInUnit(const int16_t* cells, Tag tag, bool& result);
    void HiddenSubsetsInUnit(const int16_t* cells, bool& result);

    std::string MaskToString(Mask m) const;
    Mask SymbolMask(char c) const;
    char TrailCharacter(int method) const;
    int RowOf(int cell) const { return rowOf_[cell]; }
    int ColumnOf(int cell) const { return columnOf_[cell]; }
    int BlockOf(int cell) const { return blockOf_[cell]; }

    WindowSeam* seam_ = nullptr;

    int blockSize_ = 3;
    int gridSize_ = 9;
    int cellCount_ = 81;
    Mask fullMask_ = 0x1FF;
    std::string symbolSet_ = "123456789";
    // [kind][unit][position]: kind 0 rows (read transposed for columns), kind 1 blocks.
    std::array<std::array<std::array<int16_t, kMaxGridSize>, kMaxGridSize>, 2> unitCells_{};
    // Column lists, the transpose of kind 0, kept so every unit is a contiguous list.
    std::array<std::array<int16_t, kMaxGridSize>, kMaxGridSize> columnCells_{};
    // Per cell (1-based): its row, column and block, from 0.
    std::array<uint8_t, kMaxCells + 1> rowOf_{}, columnOf_{}, blockOf_{};
    // Per cell: its block's cells, then its row's and its column's cells outside the block.
    std::array<std::array<int16_t, 3 * kMaxGridSize>, kMaxCells + 1> peers_{};

    // Per-cell arrays, slot 0 unused (except PendingSingles' count).
    std::array<Mask, kMaxCells + 1> cand_{};
    std::array<Mask, kMaxCells + 1> savedCand_{};
    std::array<char, kMaxCells + 1> cellValue_{};          // first character, 0 when empty
    std::array<uint8_t, kMaxCells + 1> cellValueLength_{}; // length of the given's string
    std::array<int16_t, kMaxCells + 1> pending_{};
    std::string gridString_;

    int currentMethod_ = 0;
    int lastNotedMethod_ = 0;
    std::string methodTrail_;
    int32_t solveScore_ = 0;
    int32_t savedScore_ = 0;
    bool hintMode_ = false;
    bool hintFound_ = false;
    // Trials of technique 8 propagate fully; only its own record may capture a hint.
    bool hintCaptureSuspended_ = false;
    std::string hintText_;
    int hintRow_ = 0;
    int hintColumn_ = 0;
    std::string hintSymbol_;

    // Technique 8: the grid on entry, and the cells still in the running with their value.
    std::array<Mask, kMaxCells + 1> forcingBase_{};
    std::array<int16_t, kMaxCells> forcingCells_{};
    std::array<Mask, kMaxCells> forcingValues_{};
    // While a later trial runs: each running cell's value (0 for others), how many running
    // cells the trial has not yet contradicted, and whether it contradicted them all.
    std::array<Mask, kMaxCells + 1> watchedValue_{};
    // The first trial notes every cell it decides; later trials watch the running cells.
    enum class TrialTracking : uint8_t { Off, Noting, Watching };
    TrialTracking trialTracking_ = TrialTracking::Off;
    std::array<uint64_t, (kMaxCells + 1 + 63) / 64> decidedInTrial_{};
    int watchedLeft_ = 0;
    bool trialSettled_ = false;
};

} // namespace sv
