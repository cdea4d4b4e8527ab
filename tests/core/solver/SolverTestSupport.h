#pragma once
// Shared helpers of the solver tests: loading puzzles, reading sample files and checking grids.
#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "settings/UiText.h"
#include "solver/Sudoku.h"

namespace sv {

// Reaches the placement engine, which is private to the solver.
struct SudokuTestAccess {
    static void RemoveCandidate(Sudoku& s, int target, int source) {
        s.RemoveCandidate(target, source);
    }
    static int PendingCount(const Sudoku& s) { return s.pending_[0]; }
    static int PendingTop(const Sudoku& s) { return s.pending_[s.pending_[0]]; }
};

} // namespace sv

namespace svtest {

inline std::vector<std::string> ReadPuzzles(const std::string& path) {
    std::vector<std::string> puzzles;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('\t'));
        if (line.size() == 81 || line.size() == 256) puzzles.push_back(line);
    }
    return puzzles;
}

inline std::string TestData(const std::string& name) {
    return std::string(SV_TEST_DATA) + "/" + name;
}

// A model of the puzzle's size with the puzzle loaded ("0" or "." for an empty cell).
inline void Load(sv::Sudoku& s, const std::string& puzzle) {
    const int block = puzzle.size() == 256 ? 4 : 3;
    if (s.GridSize() != block * block) {
        s.BlockSize = block;
        s.SetupGeometry();
    }
    s.ResetGrid();
    for (size_t i = 0; i < puzzle.size(); ++i)
        if (puzzle[i] != '0' && puzzle[i] != '.')
            s.SetCell(static_cast<int>(i) + 1, std::string(1, puzzle[i]));
}

inline std::string Candidates(const sv::Sudoku& s) {
    std::string all;
    for (int i = 1; i <= s.CellCount(); ++i) all += s.CandidateStrings(i) + "|";
    return all;
}

// The decided grid, or "" when some cell is not decided.
inline std::string SolvedGrid(const sv::Sudoku& s) {
    std::string grid;
    for (int i = 1; i <= s.CellCount(); ++i) {
        const std::string c = s.CandidateStrings(i);
        if (c.size() != 1) return "";
        grid += c;
    }
    return grid;
}

// True when grid is a complete valid solution that keeps every given of puzzle.
inline bool IsValidSolutionOf(const std::string& grid, const std::string& puzzle) {
    const int n = grid.size() == 256 ? 16 : 9, b = n == 16 ? 4 : 3;
    if (grid.size() != puzzle.size()) return false;
    for (size_t i = 0; i < grid.size(); ++i)
        if (puzzle[i] != '0' && puzzle[i] != '.' && puzzle[i] != grid[i]) return false;
    for (int u = 0; u < n; ++u) {
        std::string row, column, block;
        for (int p = 0; p < n; ++p) {
            row += grid[u * n + p];
            column += grid[p * n + u];
            block += grid[((u / b) * b + p / b) * n + (u % b) * b + p % b];
        }
        for (std::string* unit : {&row, &column, &block}) {
            std::sort(unit->begin(), unit->end());
            if (*unit != std::string("123456789ABCDEFG").substr(0, n)) return false;
        }
    }
    return true;
}

inline bool TrailHasNoRepeat(const std::string& trail) {
    for (size_t i = 1; i < trail.size(); ++i)
        if (trail[i] == trail[i - 1]) return false;
    return trail.find_first_not_of("12345678") == std::string::npos;
}

} // namespace svtest
