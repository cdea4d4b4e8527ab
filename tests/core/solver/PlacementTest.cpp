#include <gtest/gtest.h>

#include <ostream>

#include "SolverTestSupport.h"

namespace {

using sv::Sudoku;
using sv::SudokuTestAccess;

TEST(SeedGivens, OneGivenClearsItsTwentyNeighboursWithoutNeighbourRecords) {
    Sudoku s;
    s.ResetGrid();
    s.SetCell(41, "5"); // row 4, column 4
    s.SeedGivens();
    int without5 = 0;
    for (int i = 1; i <= 81; ++i)
        if (i != 41 && s.CandidateStrings(i).find('5') == std::string::npos) ++without5;
    EXPECT_EQ(without5, 20);
    EXPECT_EQ(s.CandidateStrings(41), "5");
    EXPECT_EQ(s.SolveScore(), 0);
    EXPECT_EQ(s.MethodTrail(), "1");
}

TEST(SeedGivens, NinthCellOfARowIsANakedSingleWorthOnePoint) {
    Sudoku s;
    s.ResetGrid();
    for (int c = 1; c <= 8; ++c) s.SetCell(c, std::to_string(c));
    s.SeedGivens();
    EXPECT_EQ(s.CandidateStrings(9), "9");
    EXPECT_EQ(s.SolveScore(), 1); // the neighbour record; its placement adds nothing
    // The placement of cell 9 ran: 9 is gone from its block and column.
    EXPECT_EQ(s.CandidateStrings(18).find('9'), std::string::npos);
    EXPECT_EQ(s.CandidateStrings(81).find('9'), std::string::npos);
}

TEST(SeedGivens, ConflictingGivensAreNotReportedAndNeverSolve) {
    Sudoku s;
    s.ResetGrid();
    s.SetCell(1, "3");
    s.SetCell(5, "3");
    EXPECT_FALSE(s.Solve(false));
    EXPECT_EQ(s.CandidateStrings(1), "3");
    EXPECT_EQ(s.CandidateStrings(5), "3");
}

struct RemoveCase {
    const char* target;
    const char* source;
    const char* result;
    bool pushed;
};

std::ostream& operator<<(std::ostream& os, const RemoveCase& c) {
    return os << '"' << c.target << "\" minus \"" << c.source << '"';
}

class RemoveCandidateTest : public ::testing::TestWithParam<RemoveCase> {};

// The source's whole candidate string is searched inside the target's; only the character
// where it was found goes.
TEST_P(RemoveCandidateTest, RemovesByWholeStringSearch) {
    const RemoveCase c = GetParam();
    Sudoku s;
    s.ResetGrid();
    s.SetCandidates(10, c.target);
    s.SetCandidates(20, c.source);
    SudokuTestAccess::RemoveCandidate(s, 10, 20);
    EXPECT_EQ(s.CandidateStrings(10), c.result);
    EXPECT_EQ(SudokuTestAccess::PendingCount(s), c.pushed ? 1 : 0);
    if (c.pushed) {
        EXPECT_EQ(SudokuTestAccess::PendingTop(s), 10);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quirks, RemoveCandidateTest,
    ::testing::Values(RemoveCase{"1378", "3", "178", false}, RemoveCase{"1378", "5", "1378", false},
                      RemoveCase{"38", "3", "8", true}, RemoveCase{"1378", "37", "178", false},
                      RemoveCase{"1378", "38", "1378", false}, RemoveCase{"1378", "", "378", false},
                      RemoveCase{"37", "37", "7", true}, RemoveCase{"29", "", "9", true}));

} // namespace
