#include "cli/PuzzleInput.h"

#include <ostream>

#include "cli/Json.h"

namespace sv::cli {

namespace {
constexpr std::string_view kAllSymbols = "123456789ABCDEFG";
}

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

PuzzleLine ParsePuzzleLine(std::string_view line) {
    PuzzleLine out;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() == 81) {
        out.blockSize = 3;
    } else if (line.size() == 256) {
        out.blockSize = 4;
    } else {
        out.error =
            "a puzzle line must have 81 or 256 characters, not " + std::to_string(line.size());
        return out;
    }
    const std::string_view symbols = kAllSymbols.substr(0, line.size() == 81 ? 9 : 16);
    out.cells.reserve(line.size());
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '0' || c == '.') {
            out.cells += '0';
        } else if (symbols.find(c) != std::string_view::npos) {
            out.cells += c;
        } else {
            out.cells.clear();
            out.error = "character " + std::to_string(i + 1) + " is not 0, . or one of " +
                        std::string(symbols);
            return out;
        }
    }
    return out;
}

bool ForEachPuzzle(std::istream& in, const std::function<void(const PuzzleLine&)>& onPuzzle,
                   const std::function<void(const std::string&)>& onError) {
    bool allGood = true;
    std::string line;
    while (std::getline(in, line)) {
        if (IsBlankLine(line)) continue;
        const PuzzleLine puzzle = ParsePuzzleLine(line);
        if (!puzzle.error.empty()) {
            allGood = false;
            onError(puzzle.error);
        } else {
            onPuzzle(puzzle);
        }
    }
    return allGood;
}

void PrintLineError(std::ostream& out, const std::string& reason) {
    out << JsonObject().Add("error", reason).Str() << '\n';
}

void LoadPuzzle(Sudoku& sudoku, const PuzzleLine& puzzle) {
    if (sudoku.BlockSize != puzzle.blockSize ||
        sudoku.GridSize() != puzzle.blockSize * puzzle.blockSize) {
        sudoku.BlockSize = puzzle.blockSize;
        sudoku.SetupGeometry();
    }
    sudoku.ResetGrid();
    for (size_t i = 0; i < puzzle.cells.size(); ++i)
        if (puzzle.cells[i] != '0')
            sudoku.SetCell(static_cast<int>(i) + 1, std::string_view(&puzzle.cells[i], 1));
}

} // namespace sv::cli
