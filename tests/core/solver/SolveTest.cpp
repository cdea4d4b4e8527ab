// Whole solves: every observable result against the plain string twin, solved grids checked
// against the rules and the givens, the trail's invariants, and guessing.
#include <gtest/gtest.h>

#include <ostream>

#include "creator/SeedSolutions.h"
#include "LiteralSolver.h"
#include "SolverTestSupport.h"

namespace {

using sv::Sudoku;

struct SetCase {
    const char* file;
    size_t limit; // puzzles taken from the file
};

std::ostream& operator<<(std::ostream& os, const SetCase& c) {
    return os << c.file;
}

std::string Name(const ::testing::TestParamInfo<SetCase>& info) {
    std::string n = info.param.file;
    n = n.substr(0, n.find('.'));
    return n;
}

// 16x16 puzzles from the seed solutions: cells removed by a fixed pattern, more of them for
// later seeds, so the set runs from trivial to needing the later techniques.
std::vector<std::string> SixteenPuzzles() {
    std::vector<std::string> puzzles;
    for (int seed = 0; seed < 10; ++seed) {
        std::string p(sv::kSeedSolutions16[seed]);
        const int keepPercent = 75 - seed * 4; // 75% .. 39% of the cells stay
        uint32_t x = 12345u + seed;
        for (char& c : p) {
            x = x * 1103515245u + 12345u;
            if ((x >> 16) % 100 >= static_cast<uint32_t>(keepPercent)) c = '0';
        }
        puzzles.push_back(p);
    }
    return puzzles;
}

std::vector<std::string> PuzzlesOf(const SetCase& c) {
    if (std::string(c.file) == "sixteen") return SixteenPuzzles();
    auto all = svtest::ReadPuzzles(svtest::TestData(c.file));
    if (all.size() > c.limit) all.resize(c.limit);
    return all;
}

class SolveSetTest : public ::testing::TestWithParam<SetCase> {
protected:
    void SetUp() override { sv::SetDefaultUiTexts(); }
};

// The bit-mask solver must match the string twin point by point and cell by cell, with
// guessing off and on; every solved grid must be a valid solution of its puzzle.
TEST_P(SolveSetTest, MatchesTheStringTwinAndSolvesValidly) {
    const auto puzzles = PuzzlesOf(GetParam());
    ASSERT_FALSE(puzzles.empty());
    Sudoku s;
    for (const bool guessing : {false, true}) {
        for (size_t i = 0; i < puzzles.size(); ++i) {
            const std::string& p = puzzles[i];
            SCOPED_TRACE("puzzle " + std::to_string(i + 1) + (guessing ? " guessing" : ""));
            svtest::Load(s, p);
            s.AllowGuessing = guessing;
            const bool solved = s.Solve(false);

            svtest::LiteralSolver twin(p.size() == 256 ? 4 : 3);
            twin.ResetGrid();
            for (size_t k = 0; k < p.size(); ++k)
                if (p[k] != '0') twin.SetCell(static_cast<int>(k) + 1, std::string(1, p[k]));
            twin.allowGuessing = guessing;
            ASSERT_EQ(solved, twin.Solve());
            ASSERT_EQ(s.SolveScore(), twin.score);
            ASSERT_EQ(s.MethodTrail(), twin.trail);
            for (int c = 1; c <= s.CellCount(); ++c)
                ASSERT_EQ(s.CandidateStrings(c), twin.cand[c]) << "cell " << c;

            EXPECT_EQ(s.CurrentMethod(), 0);
            EXPECT_TRUE(svtest::TrailHasNoRepeat(s.MethodTrail())) << s.MethodTrail();
            EXPECT_EQ(s.MethodTrail().substr(0, 1), "1");
            if (solved) {
                EXPECT_TRUE(svtest::IsValidSolutionOf(svtest::SolvedGrid(s), p));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, SolveSetTest,
                         ::testing::Values(SetCase{"sudoku9_easy50.txt", 50},
                                           SetCase{"sudoku9_diabolical_sample40.txt", 40},
                                           SetCase{"sudoku9_17clue_sample40.txt", 40},
                                           SetCase{"sudoku9_top95_first30.txt", 30},
                                           SetCase{"sudoku9_hardest11.txt", 11},
                                           SetCase{"sixteen", 10}),
                         Name);

TEST(Solve, CompleteGridIsSolvedByPlacingTheGivens) {
    Sudoku s;
    svtest::Load(s, std::string(sv::kSeedSolutions9[3]));
    EXPECT_TRUE(s.Solve(false));
    EXPECT_EQ(s.MethodTrail(), "1");
    EXPECT_EQ(s.CurrentMethod(), 0);
}

TEST(Solve, EasyPuzzleNeedsOnlyPropagationAndHiddenSingles) {
    Sudoku s;
    // Easy set, puzzle 2: the givens' propagation and hidden singles finish it.
    const auto puzzles = svtest::ReadPuzzles(svtest::TestData("sudoku9_easy50.txt"));
    svtest::Load(s, puzzles[1]);
    EXPECT_TRUE(s.Solve(false));
    EXPECT_EQ(s.MethodTrail(), "12");
}

TEST(Solve, SixteenBySixteenSolvesValidly) {
    Sudoku s;
    int solved = 0;
    for (const std::string& p : SixteenPuzzles()) {
        svtest::Load(s, p);
        s.AllowGuessing = true;
        if (s.Solve(false)) {
            ++solved;
            EXPECT_TRUE(svtest::IsValidSolutionOf(svtest::SolvedGrid(s), p));
        }
    }
    EXPECT_GE(solved, 8);
}

// When no guess solves the grid, the model holds the state in which the techniques first got
// stuck: exactly what a solve without guessing leaves, score included. Guesses add nothing to
// the trail except what the techniques note after them.
TEST(Guessing, FailedGuessesLeaveTheStuckStateAndScore) {
    Sudoku s;
    int compared = 0;
    for (const std::string& p : svtest::ReadPuzzles(svtest::TestData("sudoku9_hardest11.txt"))) {
        svtest::Load(s, p);
        s.AllowGuessing = false;
        if (s.Solve(false)) continue;
        const std::string stuck = svtest::Candidates(s);
        const int32_t score = s.SolveScore();
        const std::string trail = s.MethodTrail();
        svtest::Load(s, p);
        s.AllowGuessing = true;
        if (s.Solve(false)) continue;
        ++compared;
        EXPECT_EQ(svtest::Candidates(s), stuck);
        EXPECT_EQ(s.SolveScore(), score);
        EXPECT_EQ(s.MethodTrail().substr(0, trail.size()), trail);
    }
    EXPECT_GE(compared, 1);
}

svtest::LiteralSolver TwinSolve(const std::string& puzzle) {
    svtest::LiteralSolver twin(3);
    twin.ResetGrid();
    for (int k = 0; k < 81; ++k)
        if (puzzle[k] != '0') twin.SetCell(k + 1, std::string(1, puzzle[k]));
    twin.allowGuessing = true;
    twin.Solve();
    return twin;
}

// Only the very last guess (the last candidate of the last open cell) solves this one. The
// solve must end with that solution, not with the snapshot restored over it.
TEST(Guessing, LastGuessThatSolvesKeepsTheSolution) {
    const std::string puzzle =
        "780900000609000800000050000070500600000040030000002001090600500003005002000010040";
    ASSERT_EQ(TwinSolve(puzzle).finalGuessCell, 82); // the case really arises here
    Sudoku s;
    svtest::Load(s, puzzle);
    s.AllowGuessing = true;
    EXPECT_TRUE(s.Solve(false));
    EXPECT_TRUE(svtest::IsValidSolutionOf(svtest::SolvedGrid(s), puzzle));
}

// A wrong guess here yields a grid whose rows are all permutations while a column or block
// repeats a symbol. It must be rejected and guessing must go on to the real solution.
TEST(Guessing, GuessLeadingToAGridValidOnlyByRowsIsRejected) {
    const std::string puzzle =
        "005000987040050001007000000200048000090100000600200000300600200000009070000000500";
    ASSERT_GT(TwinSolve(puzzle).rowsOnlyGridsSeen, 0);
    Sudoku s;
    svtest::Load(s, puzzle);
    s.AllowGuessing = true;
    EXPECT_TRUE(s.Solve(false));
    EXPECT_TRUE(svtest::IsValidSolutionOf(svtest::SolvedGrid(s), puzzle));
}

TEST(Guessing, OffNeverGuesses) {
    Sudoku s;
    s.ResetGrid(); // nothing given: no technique can start
    s.AllowGuessing = false;
    EXPECT_FALSE(s.Solve(false));
    for (int i = 1; i <= 81; ++i) ASSERT_EQ(s.CandidateStrings(i), "123456789");
}

} // namespace
