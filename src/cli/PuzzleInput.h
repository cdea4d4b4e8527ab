#pragma once
// Reading puzzles from standard input: one per line, 81 characters (9x9) or 256 (16x16),
// "0" or "." for an empty cell, the grid's symbols otherwise. Blank lines are skipped.
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "solver/Sudoku.h"

namespace sv::cli {

struct PuzzleLine {
    int blockSize = 3; // 3 for 9x9, 4 for 16x16
    std::string cells; // one character per cell, '0' for every empty cell
    std::string error; // non-empty when the line is not a puzzle
};

// Parses one line (without its line end). A trailing carriage return is ignored.
PuzzleLine ParsePuzzleLine(std::string_view line);

// True for a line with nothing but blanks.
bool IsBlankLine(std::string_view line);

// Calls onPuzzle for every puzzle line and onError for every bad one (blank lines are
// skipped). Returns false when at least one line was bad.
bool ForEachPuzzle(std::istream& in, const std::function<void(const PuzzleLine&)>& onPuzzle,
                   const std::function<void(const std::string&)>& onError);

// Prints {"error": reason} for a bad input line.
void PrintLineError(std::ostream& out, const std::string& reason);

// Makes the model's geometry fit the puzzle (only when it changes), then ResetGrid and one
// SetCell per given in CellIndex order.
void LoadPuzzle(Sudoku& sudoku, const PuzzleLine& puzzle);

} // namespace sv::cli
