#include "creator/Grading.h"

#include <utility>

#include "creator/Creator.h"
#include "creator/LevelTables.h"
#include "settings/UiText.h"
#include "solver/Sudoku.h"
#include "solver/WindowSeam.h"

namespace sv {
namespace {

constexpr int kScrambleMoves = 40;

// The integer part of rand * b, capped at b - 1.
int DrawBelow(RandomSource& random, int b) {
    const int value = static_cast<int>(random.Next() * b);
    return value > b - 1 ? b - 1 : value;
}

void SwapRows(std::string& grid, int n, int r1, int r2) {
    for (int c = 0; c < n; ++c) std::swap(grid[r1 * n + c], grid[r2 * n + c]);
}

void SwapColumns(std::string& grid, int n, int c1, int c2) {
    for (int r = 0; r < n; ++r) std::swap(grid[r * n + c1], grid[r * n + c2]);
}

} // namespace

int TechniqueWeight(char trailCharacter) {
    switch (trailCharacter) {
    case '1':
        return 1;
    case '2':
        return 30;
    case '3':
    case '4':
    case '6':
    case '7':
        return 100;
    case '5':
        return 80;
    case '8':
        return 600;
    default:
        return 0;
    }
}

int64_t RoundHalfEven(int64_t num, int64_t den) {
    int64_t quotient = num / den;
    int64_t remainder = num % den;
    if (remainder < 0) { // floor division, so the remainder is in [0, den)
        --quotient;
        remainder += den;
    }
    const int64_t twice = 2 * remainder;
    if (twice > den || (twice == den && quotient % 2 != 0)) ++quotient;
    return quotient;
}

std::string ScrambleGrid(std::string grid, int blockSize, RandomSource& random) {
    const int b = blockSize;
    const int n = b * b;
    if (b < 2 || static_cast<int>(grid.size()) != n * n) return grid;
    for (int move = 0; move < kScrambleMoves; ++move) {
        // The order of the draws is fixed so a seeded run reproduces the same grids.
        const bool coin1 = random.Next() > 0.5;
        const bool coin2 = random.Next() > 0.5;
        const int j = DrawBelow(random, b);
        int k = DrawBelow(random, b);
        while (k == j) k = DrawBelow(random, b);
        const int l = coin1 ? 0 : DrawBelow(random, b);
        if (!coin1 && !coin2) {
            SwapColumns(grid, n, l * b + j, l * b + k);
        } else if (!coin1 && coin2) {
            SwapRows(grid, n, l * b + j, l * b + k);
        } else if (coin1 && !coin2) {
            for (int x = 0; x < b; ++x) SwapColumns(grid, n, j * b + x, k * b + x);
        } else {
            for (int y = 0; y < b; ++y) SwapRows(grid, n, j * b + y, k * b + y);
        }
    }
    return grid;
}

std::string Creator::ScramblePuzzle(const std::string& puzzle) {
    return ScrambleGrid(puzzle, model_.BlockSize, random_);
}

GradeDetails Creator::GradePuzzleDetails(const std::string& puzzle, int mode) {
    ++GradingCount;
    if (mode == 0) seam_.ShowStatus(UiText[46]);
    seam_.PumpMessages();
    const bool savedGuessing = model_.AllowGuessing;
    model_.AllowGuessing = false;

    const int trials = mode == 1 ? 1 : 10;
    // Wide sums: an unsolvable 16x16 grid adds large penalties and efforts in every trial.
    int64_t effortSum = 0;
    int64_t patternSum = 0;
    const int cells = model_.CellCount();
    for (int trial = 0; trial < trials; ++trial) {
        const std::string copy = ScramblePuzzle(puzzle);
        model_.ResetGrid();
        for (int i = 1; i <= cells && i <= static_cast<int>(copy.size()); ++i)
            if (copy[i - 1] != '0') model_.SetCell(i, std::string_view(&copy[i - 1], 1));
        if (!model_.Solve(true)) {
            effortSum += 1000;
            patternSum += 100000;
        }
        effortSum += model_.SolveScore();
        const std::string& trail = model_.MethodTrail();
        for (size_t v = 1; v <= trail.size(); ++v)
            patternSum += static_cast<int64_t>(v) * TechniqueWeight(trail[v - 1]);
    }
    model_.AllowGuessing = savedGuessing;

    GradeDetails details;
    details.effort = RoundHalfEven(effortSum, trials);
    details.pattern = RoundHalfEven(patternSum, trials);
    details.score = static_cast<double>(details.effort * details.pattern) / 100.0;
    details.level = LevelFromScore(details.score, model_.BlockSize);
    if (mode == 0) seam_.HideStatus();
    return details;
}

int Creator::GradePuzzle(const std::string& puzzle, int mode) {
    return GradePuzzleDetails(puzzle, mode).level;
}

} // namespace sv
