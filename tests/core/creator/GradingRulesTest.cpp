// The parts of grading that need no solver: code letters, level bounds, rounding, scrambling.
#include <algorithm>
#include <gtest/gtest.h>

#include "creator/Encoding.h"
#include "creator/Grading.h"
#include "creator/LevelTables.h"
#include "creator/SeedSolutions.h"
#include "ScriptedRandom.h"
#include "solver/SolutionCounter.h"

namespace sv {
namespace {

constexpr std::string_view kSymbols16 = "123456789ABCDEFG";

TEST(Encoding, LettersStandForSymbolClasses) {
    EXPECT_EQ(EncodePuzzle("530070000", "123456789"), "LJxxNxxxx");
    EXPECT_EQ(EncodePuzzle("123456789ABCDEFG0", kSymbols16), "HIJKLMNOPQRSTUVWx");
    // Encoding twice changes nothing.
    EXPECT_EQ(EncodePuzzle("LJxxNxxxx", "123456789"), "LJxxNxxxx");
    // Decoding goes through the permutation: H -> 3rd symbol, I -> 1st, J -> 2nd.
    EXPECT_EQ(DecodePuzzle("HIJxJ", {3, 1, 2}, "123"), "31202");
}

TEST(LevelTables, BoundsPerGridSize) {
    struct Case {
        double score;
        int level9;
        int level16;
    };
    const Case cases[] = {
        {0, 0, 0},     {1.99, 0, 0},   {2, 1, 1},      {199.99, 1, 1}, {210, 2, 1},
        {250, 2, 2},   {2800, 3, 2},   {7000, 4, 3},   {29000, 5, 3},  {69999.99, 5, 4},
        {70000, 6, 4}, {100000, 6, 5}, {800000, 6, 6}, {1e12, 6, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LevelFromScore(c.score, 3), c.level9) << c.score;
        EXPECT_EQ(LevelFromScore(c.score, 4), c.level16) << c.score;
        EXPECT_EQ(LevelFromScore(c.score, 5), 0);
    }
}

TEST(Grading, RoundingGoesHalfToEven) {
    struct Case {
        int64_t num, den, expected;
    };
    for (const Case c : {Case{5, 10, 0},
                         {15, 10, 2},
                         {25, 10, 2},
                         {26, 10, 3},
                         {24, 10, 2},
                         {7, 1, 7},
                         {12345, 10, 1234},
                         {12355, 10, 1236},
                         {-15, 10, -2}})
        EXPECT_EQ(RoundHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
}

TEST(Grading, TechniqueWeights) {
    const std::string trail = "12345678A0";
    const int expected[] = {1, 30, 100, 100, 80, 100, 100, 600, 0, 0};
    for (size_t i = 0; i < trail.size(); ++i) EXPECT_EQ(TechniqueWeight(trail[i]), expected[i]);
}

TEST(Random, PositionsAddTheOneBeforeTakingTheIntegerPart) {
    // Just below k / count, rand * count + 1 rounds up to k + 1: the position is k + 1, not k.
    struct Case {
        double rand;
        int count;
        int expected;
    };
    for (const Case c : {Case{0.0, 81, 1},
                         {0.5, 81, 41},
                         {0x1.fffffffffffffp-2, 16, 9},
                         {0x1.fffffffffffffp-5, 16, 2},
                         {0x1.fffffffffffffp-2, 256, 129},
                         {0x1.fffffffffffffp-1, 1, 1},
                         {0x1.fffffffffffffp-1, 16, 16}}) {
        test::ScriptedRandom random({c.rand});
        EXPECT_EQ(DrawPosition(random, c.count), c.expected) << c.rand << " x " << c.count;
    }
}

bool IsValidSolution(const std::string& grid, int blockSize) {
    return CountSolutions(grid, blockSize) == 1 && grid.find('0') == std::string::npos;
}

TEST(Scramble, KeepsSolutionsValidAndPuzzlesIntact) {
    for (int blockSize : {3, 4}) {
        const auto& seeds = blockSize == 3 ? kSeedSolutions9 : kSeedSolutions16;
        SeededRandom random(7);
        for (const auto seed : seeds) {
            const std::string solution(seed);
            const std::string scrambled = ScrambleGrid(solution, blockSize, random);
            EXPECT_TRUE(IsValidSolution(scrambled, blockSize));
            EXPECT_NE(scrambled, solution);

            std::string puzzle = solution;
            for (size_t i = 0; i < puzzle.size(); i += 3) puzzle[i] = '0';
            std::string moved = ScrambleGrid(puzzle, blockSize, random);
            EXPECT_EQ(std::count(moved.begin(), moved.end(), '0'),
                      std::count(puzzle.begin(), puzzle.end(), '0'));
            std::sort(moved.begin(), moved.end());
            std::sort(puzzle.begin(), puzzle.end());
            EXPECT_EQ(moved, puzzle);
        }
    }
}

TEST(Scramble, DrawsInTheFixedOrderAndMakesFortyMoves) {
    // Each move: coin1, coin2, j, k (redrawn while equal to j), then l only when coin1 is false.
    // Move 1 (row swap in band 2, rows 6 and 8) uses 6 numbers, with one k redrawn; the other 39
    // are band swaps 0 <-> 1 that use 4 numbers each, 39 being odd leaves bands 0 and 1 swapped.
    std::vector<double> script = {0.1, 0.9, 0.0, 0.1, 0.99, 0.7};
    for (int move = 1; move < 40; ++move) script.insert(script.end(), {0.9, 0.9, 0.0, 0.5});
    test::ScriptedRandom random(script);
    const std::string grid(kSeedSolutions9[0]);
    const std::string result = ScrambleGrid(grid, 3, random);
    EXPECT_EQ(random.used(), script.size());

    auto row = [](const std::string& g, int r) { return g.substr(r * 9, 9); };
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(row(result, r), row(grid, r + 3));
        EXPECT_EQ(row(result, r + 3), row(grid, r));
    }
    EXPECT_EQ(row(result, 6), row(grid, 8));
    EXPECT_EQ(row(result, 7), row(grid, 7));
    EXPECT_EQ(row(result, 8), row(grid, 6));
}

} // namespace
} // namespace sv
