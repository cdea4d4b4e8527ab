#pragma once
// The puzzle creator: level tables, grading, the generator and the supply of puzzles from the
// puzzle book. It drives the one shared grid model and talks to the window only through the
// seam. Book file access lives in PuzzleBook.h, the book's letter code in Encoding.h.
#include <array>
#include <cstdint>
#include <string>

#include "creator/Random.h"

namespace sv {

class Sudoku;
class WindowSeam;

inline constexpr int kLevelCount = 7;

// The level and 1-based book index of the last puzzle drawn from the book; index 0 after a
// generated puzzle, so the next draw for that level never counts as a repeat.
struct BookDraw {
    int16_t level = 0;
    int16_t index = 0;
    bool operator==(const BookDraw&) const = default;
};

// The figures behind one grading: rounded average effort A, rounded average pattern score B,
// and K = A * B / 100.
struct GradeDetails {
    int level = 0;
    int64_t effort = 0;
    int64_t pattern = 0;
    double score = 0.0;
};

class Creator {
public:
    Creator(Sudoku& model, WindowSeam& seam, RandomSource& random);

    std::array<std::string, kLevelCount> LevelKeys;   // "Easy" .. "Hardest"
    std::array<std::string, kLevelCount> LevelLabels; // UiText 14..20
    bool AutoCreate = false;
    BookDraw LastDraw;
    std::string BookPath;

    // How much work was done, for `sv-cli generate --stats` and the benchmarks.
    int64_t GradingCount = 0;  // GradePuzzle calls
    int64_t GenerateCount = 0; // GeneratePuzzle calls

    void InitLevelLabels();
    // Fills the level keys, resolves BookPath (the program directory's "Sudoku.par", or a
    // per-user copy when that directory is read-only) and switches AutoCreate off.
    void InitCreator(const std::string& programDir);

    // Mode 0: ten trials with the grading status text; 1: one trial; 2: ten trials, silent.
    int GradePuzzle(const std::string& puzzle, int mode);
    GradeDetails GradePuzzleDetails(const std::string& puzzle, int mode);
    std::string ScramblePuzzle(const std::string& puzzle);

    std::string GeneratePuzzle(int level);
    // "" after saying why when no puzzle of that level can be had.
    std::string CreatePuzzle(int level);
    // Stores the puzzle under its graded level unless it is already there; leaves the caller's
    // string encoded.
    void SaveToBook(std::string& puzzle);
    bool PuzzleInBook(const std::string& encoded, int level);

    // The book section of a level at the current grid size, e.g. "3Easy".
    std::string SectionName(int level) const;

    Sudoku& Model() { return model_; }
    RandomSource& Random() { return random_; }

private:
    Sudoku& model_;
    WindowSeam& seam_;
    RandomSource& random_;
};

} // namespace sv
