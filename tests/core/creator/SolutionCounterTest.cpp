// The exact counter the generator trusts for uniqueness.
#include <gtest/gtest.h>

#include "creator/SeedSolutions.h"
#include "solver/SolutionCounter.h"

namespace sv {
namespace {

// A 17-clue puzzle from Gordon Royle's list of minimal puzzles (via the MIT-licensed
// norvig/pytudes collection, ipynb/sudokus_17.txt).
const std::string k17Clue =
    "000000012003600000000007000410020000000500300700000600280000040000300500000000000";

// Empties a unique rectangle: two rows of one band and two columns of different stacks whose
// four cells hold a b / b a. The rest of the grid then fixes everything but those four, which
// can be swapped: exactly two solutions.
std::string WithDeadlyRectangle(std::string grid, int blockSize) {
    const int n = blockSize * blockSize;
    for (int r1 = 0; r1 < n; ++r1)
        for (int r2 = r1 + 1; r2 < n && r2 / blockSize == r1 / blockSize; ++r2)
            for (int c1 = 0; c1 < n; ++c1)
                for (int c2 = c1 + 1; c2 < n; ++c2) {
                    if (c1 / blockSize == c2 / blockSize) continue;
                    char& a = grid[r1 * n + c1];
                    char& b = grid[r1 * n + c2];
                    char& c = grid[r2 * n + c1];
                    char& d = grid[r2 * n + c2];
                    if (a == d && b == c) {
                        a = b = c = d = '0';
                        return grid;
                    }
                }
    return grid;
}

TEST(SolutionCounter, CountsUpToTheLimit) {
    const std::string full9(kSeedSolutions9[3]);
    const std::string full16(kSeedSolutions16[5]);
    std::string clash = full9;
    clash[1] = clash[0];
    clash[2] = '0';
    struct Case {
        const char* name;
        std::string grid;
        int blockSize;
        int expected;
    };
    const Case cases[] = {
        {"full 9x9", full9, 3, 1},
        {"full 16x16", full16, 4, 1},
        {"17 clues", k17Clue, 3, 1},
        {"15 of 17 clues", "000000000" + k17Clue.substr(9), 3, 2},
        {"empty 9x9", std::string(81, '0'), 3, 2},
        {"empty 16x16", std::string(256, '0'), 4, 2},
        {"9x9 rectangle", WithDeadlyRectangle(full9, 3), 3, 2},
        {"16x16 rectangle", WithDeadlyRectangle(full16, 4), 4, 2},
        {"clashing givens", clash, 3, 0},
        {"not a symbol", "A" + full9.substr(1), 3, 0},
        {"wrong length", full9.substr(1), 3, 0},
        {"wrong block size", full9, 2, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountSolutions(c.grid, c.blockSize), c.expected) << c.name;
    EXPECT_EQ(CountSolutions(std::string(81, '0'), 3, 5), 5);
}

} // namespace
} // namespace sv
