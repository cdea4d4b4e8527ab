#include <gtest/gtest.h>

#include <ostream>

#include "SolverTestSupport.h"

namespace {

using sv::Sudoku;

struct UnitCase {
    int blockSize, unit, position, kind, cell;
};

std::ostream& operator<<(std::ostream& os, const UnitCase& c) {
    return os << "block " << c.blockSize << " unit " << c.unit << " position " << c.position
              << " kind " << c.kind;
}

class UnitCellsTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(UnitCellsTest, MapsUnitPositionToCell) {
    const UnitCase c = GetParam();
    Sudoku s;
    s.BlockSize = c.blockSize;
    s.SetupGeometry();
    EXPECT_EQ(s.UnitCells(c.unit, c.position, c.kind), c.cell);
}

INSTANTIATE_TEST_SUITE_P(Geometry, UnitCellsTest,
                         ::testing::Values(UnitCase{3, 0, 0, 0, 1}, UnitCase{3, 8, 8, 0, 81},
                                           UnitCase{3, 2, 5, 0, 24}, UnitCase{3, 4, 0, 1, 31},
                                           UnitCase{3, 4, 8, 1, 51}, UnitCase{3, 8, 0, 1, 61},
                                           UnitCase{3, 1, 3, 1, 13}, UnitCase{4, 15, 15, 1, 256},
                                           UnitCase{4, 5, 0, 1, 69}, UnitCase{4, 15, 15, 0, 256}));

TEST(GridModel, BlockSizeZeroMeansNineByNineAndFourMeansSixteen) {
    Sudoku s;
    s.BlockSize = 0;
    s.SetupGeometry();
    EXPECT_EQ(s.BlockSize, 3);
    EXPECT_EQ(s.CellCount(), 81);
    EXPECT_EQ(s.SymbolSet(), "123456789");
    s.BlockSize = 4;
    s.SetupGeometry();
    EXPECT_EQ(s.GridSize(), 16);
    EXPECT_EQ(s.CellCount(), 256);
    EXPECT_EQ(s.SymbolSet(), "123456789ABCDEFG");
}

TEST(GridModel, CandidatesAreEmptyUntilResetThenFull) {
    Sudoku s;
    s.BlockSize = 4;
    s.SetupGeometry();
    EXPECT_EQ(s.CandidateStrings(1), "");
    EXPECT_EQ(s.CandidateStrings(256), "");
    s.ResetGrid();
    EXPECT_EQ(s.CandidateStrings(200), "123456789ABCDEFG");
}

TEST(GridModel, SetCellWritesTheGridStringOnlyForASymbol) {
    Sudoku s;
    s.ResetGrid();
    s.SetCell(5, "");
    EXPECT_EQ(s.GetGridString(), std::string(81, '0'));
    s.SetCell(5, "7");
    EXPECT_EQ(s.GetGridString(), std::string(4, '0') + "7" + std::string(76, '0'));
    EXPECT_EQ(s.CandidateStrings(5), "123456789"); // candidates wait for the next solve
}

// Fills the candidates with a whole grid, one symbol per cell.
void FillCandidates(Sudoku& s, const std::string& grid) {
    for (int i = 1; i <= s.CellCount(); ++i) s.SetCandidates(i, grid.substr(i - 1, 1));
}

TEST(IsSolved, RequiresRowsColumnsAndBlocks) {
    const std::string valid =
        "147398256682475193539612748378249561915867324264531987796154832853726419421983675";
    std::string rowsOnly; // every row the same permutation: columns and blocks repeat
    for (int r = 0; r < 9; ++r) rowsOnly += "123456789";
    std::string shifted; // rows and columns are permutations, blocks are not
    for (int r = 0; r < 9; ++r) shifted += ("123456789123456789" + std::string()).substr(r, 9);
    std::string undecided = valid;

    Sudoku s;
    s.ResetGrid();
    FillCandidates(s, valid);
    EXPECT_TRUE(s.IsSolved());
    FillCandidates(s, rowsOnly);
    EXPECT_FALSE(s.IsSolved());
    FillCandidates(s, shifted);
    EXPECT_FALSE(s.IsSolved());
    FillCandidates(s, valid);
    s.SetCandidates(40, "59");
    EXPECT_FALSE(s.IsSolved());
    s.SetCandidates(40, "");
    EXPECT_FALSE(s.IsSolved());
}

TEST(GridModel, RestoreStateBringsBackCandidatesAndScoreButNotTheTrail) {
    Sudoku s;
    s.ResetGrid();
    s.SetCell(1, "5");
    s.AllowGuessing = false;
    s.Solve(false);
    const std::string before = svtest::Candidates(s);
    const int32_t score = s.SolveScore();
    s.SaveState();
    s.SetCandidates(2, "1");
    s.SetCandidates(81, "");
    s.FindHiddenSingles(); // changes score and trail
    s.RestoreState();
    EXPECT_EQ(svtest::Candidates(s), before);
    EXPECT_EQ(s.SolveScore(), score);
}

} // namespace
