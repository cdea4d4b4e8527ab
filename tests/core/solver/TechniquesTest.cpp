// Each technique on a hand-made candidate grid: an empty 9x9 grid (every cell "123456789")
// with a few cells narrowed so that exactly one pattern is present.
#include <gtest/gtest.h>

#include <ostream>

#include "SolverTestSupport.h"

namespace {

using sv::Sudoku;

class TechniqueTest : public ::testing::Test {
protected:
    void SetUp() override {
        sv::SetDefaultUiTexts();
        s.ResetGrid();
    }
    static int Cell(int row, int column) { return row * 9 + column + 1; }
    // Removes the given symbols from a cell's candidates.
    void Drop(int cell, const std::string& symbols) {
        std::string c = s.CandidateStrings(cell);
        for (char x : symbols) c.erase(std::remove(c.begin(), c.end(), x), c.end());
        s.SetCandidates(cell, c);
    }
    Sudoku s;
};

TEST_F(TechniqueTest, HiddenSingleInABlockIsPlacedForThirtyPoints) {
    s.SetCandidates(Cell(0, 0), "125");
    for (int m = 1; m < 9; ++m) Drop(s.UnitCells(0, m, 1), "5");
    EXPECT_TRUE(s.FindHiddenSingles());
    EXPECT_EQ(s.CandidateStrings(Cell(0, 0)), "5");
    EXPECT_EQ(s.SolveScore(), 30);
    EXPECT_EQ(s.MethodTrail(), "2");
    EXPECT_EQ(s.CandidateStrings(Cell(0, 8)).find('5'), std::string::npos); // propagated
    EXPECT_FALSE(s.FindHiddenSingles());
    EXPECT_EQ(s.SolveScore(), 30);
}

TEST_F(TechniqueTest, TwoHiddenSinglesOfOneRowArePlacedInSymbolOrder) {
    // In row 0, 7 is possible only at column 6 and 2 only at column 3.
    for (int c = 0; c < 9; ++c) {
        if (c != 6) Drop(Cell(0, c), "7");
        if (c != 3) Drop(Cell(0, c), "2");
    }
    // Keep the blocks from seeing them first: 2 and 7 stay elsewhere in blocks 1 and 2.
    EXPECT_TRUE(s.FindHiddenSingles());
    EXPECT_EQ(s.CandidateStrings(Cell(0, 3)), "2");
    EXPECT_EQ(s.CandidateStrings(Cell(0, 6)), "7");
    EXPECT_EQ(s.SolveScore(), 60);
}

TEST_F(TechniqueTest, LineConfinedToABlockClearsTheRestOfTheBlock) {
    for (int c = 3; c < 9; ++c) Drop(Cell(0, c), "4");
    EXPECT_TRUE(s.ReduceLinesToBlocks());
    for (int r = 1; r <= 2; ++r)
        for (int c = 0; c <= 2; ++c) EXPECT_EQ(s.CandidateStrings(Cell(r, c)), "12356789");
    EXPECT_EQ(s.CandidateStrings(Cell(0, 1)), "123456789");
    EXPECT_EQ(s.SolveScore(), 100); // one announcement, no cell left with one candidate
    EXPECT_EQ(s.MethodTrail(), "3");
    EXPECT_FALSE(s.ReduceLinesToBlocks()); // confined, but nothing left to remove
    EXPECT_EQ(s.SolveScore(), 100);
}

TEST_F(TechniqueTest, BlockConfinedToARowClearsTheRestOfTheRow) {
    for (int c = 3; c <= 5; ++c) {
        Drop(Cell(3, c), "7");
        Drop(Cell(5, c), "7");
    }
    EXPECT_TRUE(s.ReduceBlocksToLines());
    for (int c : {0, 1, 2, 6, 7, 8}) EXPECT_EQ(s.CandidateStrings(Cell(4, c)), "12345689");
    EXPECT_EQ(s.SolveScore(), 200 + 6 * 100); // announcement plus one record per removal
    EXPECT_FALSE(s.ReduceBlocksToLines());
}

TEST_F(TechniqueTest, SixteenBySixteenConfinementToALateRowCounts) {
    s.BlockSize = 4;
    s.SetupGeometry();
    s.ResetGrid();
    // Block 15 (rows 12..15, columns 12..15): symbol G only in row 14.
    for (int r : {12, 13, 15})
        for (int c = 12; c < 16; ++c) {
            const int cell = r * 16 + c + 1;
            std::string x = s.CandidateStrings(cell);
            x.erase(x.find('G'), 1);
            s.SetCandidates(cell, x);
        }
    EXPECT_TRUE(s.ReduceBlocksToLines());
    EXPECT_EQ(s.CandidateStrings(14 * 16 + 1), "123456789ABCDEF");
    EXPECT_EQ(s.SolveScore(), 200 + 12 * 100);
}

TEST_F(TechniqueTest, HiddenPairNarrowsBothCellsOnce) {
    for (int c = 0; c < 9; ++c)
        if (c != 1 && c != 4) Drop(Cell(0, c), "37");
    EXPECT_TRUE(s.FindHiddenSubsets());
    EXPECT_EQ(s.CandidateStrings(Cell(0, 1)), "37");
    EXPECT_EQ(s.CandidateStrings(Cell(0, 4)), "37");
    EXPECT_EQ(s.SolveScore(), 80);
    EXPECT_EQ(s.MethodTrail(), "5");
    EXPECT_FALSE(s.FindHiddenSubsets()); // already applied
    EXPECT_EQ(s.SolveScore(), 80);
}

TEST_F(TechniqueTest, HiddenTripleNarrowsThreeCells) {
    for (int c = 0; c < 9; ++c)
        if (c != 0 && c != 4 && c != 8) Drop(Cell(2, c), "159");
    EXPECT_TRUE(s.FindHiddenSubsets());
    for (int c : {0, 4, 8}) EXPECT_EQ(s.CandidateStrings(Cell(2, c)), "159");
    EXPECT_EQ(s.SolveScore(), 80);
}

TEST_F(TechniqueTest, SymbolsSharingOnlyTheirFirstCellAreNoSubset) {
    // 3 only at columns 0 and 1, 7 only at columns 0 and 2 of row 0.
    for (int c = 0; c < 9; ++c) {
        if (c != 0 && c != 1) Drop(Cell(0, c), "3");
        if (c != 0 && c != 2) Drop(Cell(0, c), "7");
    }
    EXPECT_FALSE(s.FindHiddenSubsets());
    EXPECT_EQ(s.SolveScore(), 0);
}

struct SquareCase {
    const char* name;
    int r1, r2, c1, c2;
    bool found;
};

std::ostream& operator<<(std::ostream& os, const SquareCase& c) {
    return os << c.name;
}

class SquaresTest : public TechniqueTest, public ::testing::WithParamInterface<SquareCase> {};

TEST_P(SquaresTest, SquareNeedsTwoLinesOfOneBandOrStack) {
    const SquareCase c = GetParam();
    for (int r : {c.r1, c.r2})
        for (int col : {c.c1, c.c2}) s.SetCandidates(Cell(r, col), "26");
    EXPECT_EQ(s.ResolveSquares(), c.found);
    if (c.found) {
        EXPECT_EQ(s.CandidateStrings(Cell(c.r1, c.c1)), "2");
        // The placement decided the other corners through propagation.
        EXPECT_EQ(s.CandidateStrings(Cell(c.r1, c.c2)), "6");
        EXPECT_EQ(s.CandidateStrings(Cell(c.r2, c.c1)), "6");
        EXPECT_EQ(s.CandidateStrings(Cell(c.r2, c.c2)), "2");
        EXPECT_GE(s.SolveScore(), 50);
    } else {
        EXPECT_EQ(s.SolveScore(), 0);
        EXPECT_EQ(s.CandidateStrings(Cell(c.r1, c.c1)), "26");
    }
}

INSTANTIATE_TEST_SUITE_P(Corners, SquaresTest,
                         ::testing::Values(SquareCase{"band", 0, 1, 0, 3, true},
                                           SquareCase{"stack", 0, 3, 0, 1, true},
                                           SquareCase{"neither", 0, 3, 0, 3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TechniqueTest, NakedPairRemovesItsSymbolsAndPlacesWhatIsLeftSingle) {
    for (int c = 0; c < 9; ++c) s.SetCandidates(Cell(0, c), "1235679");
    s.SetCandidates(Cell(0, 2), "48");
    s.SetCandidates(Cell(0, 7), "48");
    s.SetCandidates(Cell(0, 5), "14");
    EXPECT_TRUE(s.FindNakedPairs());
    EXPECT_EQ(s.CandidateStrings(Cell(0, 5)), "1");
    EXPECT_EQ(s.CandidateStrings(Cell(0, 0)), "235679"); // the placement of 1 swept the row
    EXPECT_EQ(s.SolveScore(), 50);
    EXPECT_EQ(s.MethodTrail(), "7");
}

TEST_F(TechniqueTest, NakedPairWithNothingToRemoveIsNoProgress) {
    for (int c = 0; c < 9; ++c) s.SetCandidates(Cell(0, c), "1235679");
    s.SetCandidates(Cell(0, 2), "48");
    s.SetCandidates(Cell(0, 7), "48");
    EXPECT_FALSE(s.FindNakedPairs());
    EXPECT_EQ(s.SolveScore(), 0);
    EXPECT_EQ(s.MethodTrail(), "");
}

TEST_F(TechniqueTest, ForcingOnAnOpenGridTriesEveryCellAndChangesNothing) {
    EXPECT_FALSE(s.FindNakedPairs()); // leaves technique 7 in force, as in a solve
    EXPECT_FALSE(s.TryForcingCell());
    for (int i = 1; i <= 81; ++i) ASSERT_EQ(s.CandidateStrings(i), "123456789");
    EXPECT_EQ(s.SolveScore(), 0);
    EXPECT_EQ(s.MethodTrail(), "7"); // the trials' placements noted technique 7
}

TEST_F(TechniqueTest, ForcingSkipsAnEmptiedCell) {
    // A wrong guess can empty a cell; the trials must step over it instead of running past
    // their table.
    s.SetCandidates(1, "");
    EXPECT_FALSE(s.TryForcingCell());
    EXPECT_EQ(s.CandidateStrings(1), "");
    EXPECT_EQ(s.CandidateStrings(2), "123456789");
}

TEST_F(TechniqueTest, ForcingFindsTheCellBothTrialsDecide) {
    // Cell 1 is 1 or 5. Cell 11 (row 1, column 1) keeps 5 and 9: with 5 in cell 1 it loses 5,
    // with 1 in cell 1 the cell 2 (1 or 5) becomes 5 and takes 5 from cell 11. Either way 9.
    s.SetCandidates(1, "15");
    s.SetCandidates(2, "15");
    s.SetCandidates(11, "59");
    const int32_t before = s.SolveScore();
    EXPECT_TRUE(s.TryForcingCell());
    EXPECT_EQ(s.CandidateStrings(11), "9");
    EXPECT_EQ(s.CurrentMethod(), 8);
    EXPECT_EQ(s.SolveScore(), before + 200); // placing the 9 leaves no new single
    EXPECT_EQ(s.MethodTrail(), "8");
    EXPECT_EQ(s.CandidateStrings(1), "15"); // the trials left no trace
    EXPECT_EQ(s.CandidateStrings(2), "15");
}

} // namespace
