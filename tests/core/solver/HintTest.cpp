#include <gtest/gtest.h>

#include <ostream>

#include "creator/SeedSolutions.h"
#include "LiteralSolver.h"
#include "SolverTestSupport.h"

namespace {

using sv::Sudoku;

class HintTest : public ::testing::Test {
protected:
    void SetUp() override {
        sv::SetDefaultUiTexts();
        s.SetSeam(&seam);
    }
    std::string HintFor(const std::string& board) {
        svtest::Load(s, board);
        seam.boardHasEmptyCell = board.find('0') != std::string::npos;
        return s.GetHint();
    }
    sv::HeadlessSeam seam;
    Sudoku s;
};

struct BlankCase {
    int blockSize;
    int cell; // the one empty cell
    const char* hint;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const BlankCase& c) {
    return os << "cell " << c.cell << " of a " << c.blockSize * c.blockSize << "x"
              << c.blockSize * c.blockSize << " grid";
}

class OneBlankCellTest : public HintTest, public ::testing::WithParamInterface<BlankCase> {};

// A grid with one empty cell: the givens' sweeps leave it a single, and that neighbour record
// becomes the hint.
TEST_P(OneBlankCellTest, HintNamesTheCellAsThreeDigitsAndTheSymbol) {
    const BlankCase c = GetParam();
    std::string board(c.blockSize == 3 ? sv::kSeedSolutions9[0] : sv::kSeedSolutions16[0]);
    if (c.blockSize == 4) // relabel E and G so that the last cell holds G
        for (char& x : board) x = x == 'E' ? 'G' : x == 'G' ? 'E' : x;
    board[c.cell - 1] = '0';
    EXPECT_EQ(HintFor(board), c.hint);
    EXPECT_EQ(s.HintText(), c.text);
    EXPECT_EQ(seam.lastQuestion, std::string(c.text) + "\r\n\r\nPlacer ce nunméro ?");
    EXPECT_EQ(s.MethodTrail(), "1");
}

INSTANTIATE_TEST_SUITE_P(
    Format, OneBlankCellTest,
    ::testing::Values(BlankCase{3, 23, "0231", "Ligne 3 Colonne 5 devrait être 1"},
                      BlankCase{3, 1, "0011", "Ligne 1 Colonne 1 devrait être 1"},
                      BlankCase{4, 256, "256G", "Ligne 16 Colonne 16 devrait être G"}));

TEST_F(HintTest, AnsweringNoGivesNothingToPlace) {
    std::string board(sv::kSeedSolutions9[0]);
    board[22] = '0';
    seam.answerYes = false;
    EXPECT_EQ(HintFor(board), "");
    EXPECT_FALSE(seam.lastQuestion.empty());
}

TEST_F(HintTest, FullBoardStopsTheClockWithoutABox) {
    EXPECT_EQ(HintFor(std::string(sv::kSeedSolutions9[2])), "");
    EXPECT_TRUE(seam.clockStopped);
    EXPECT_EQ(seam.messagesShown, 0);
    EXPECT_TRUE(seam.lastQuestion.empty());
}

TEST_F(HintTest, BoardNoTechniqueAdvancesSaysSorryAndNeverGuesses) {
    s.AllowGuessing = true;
    EXPECT_EQ(HintFor(std::string(81, '0')), "");
    EXPECT_EQ(seam.messagesShown, 1);
    EXPECT_EQ(seam.lastMessage, "Désolé, conseil impossible");
    EXPECT_FALSE(seam.clockStopped);
    EXPECT_TRUE(s.AllowGuessing); // put back
    EXPECT_FALSE(s.HintFound());
}

// Boards where only trial forcing advances: the position a solve without guessing gets stuck
// in, with every decided cell written on the board. The hint must come from the forced cell's
// own record and agree with the puzzle's solution.
TEST_F(HintTest, StuckBoardsGetTheForcingHintAndItIsRight) {
    int forcingHints = 0;
    for (const std::string& p :
         svtest::ReadPuzzles(svtest::TestData("sudoku9_top95_first30.txt"))) {
        svtest::Load(s, p);
        s.AllowGuessing = true;
        if (!s.Solve(false)) continue;
        const std::string solution = svtest::SolvedGrid(s);
        // Run techniques 1 to 7 only, up to where they are stuck.
        svtest::Load(s, p);
        s.SeedGivens();
        while (s.FindHiddenSingles() || s.ReduceLinesToBlocks() || s.ReduceBlocksToLines() ||
               s.FindHiddenSubsets() || s.ResolveSquares() || s.FindNakedPairs()) {
        }
        std::string board = p;
        for (int i = 1; i <= 81; ++i)
            if (s.CandidateStrings(i).size() == 1) board[i - 1] = s.CandidateStrings(i)[0];
        if (board.find('0') == std::string::npos) continue;
        const std::string hint = HintFor(board);
        if (hint.empty()) continue; // nothing forced either

        const int cell = std::stoi(hint.substr(0, 3));
        EXPECT_EQ(board[cell - 1], '0');
        EXPECT_EQ(hint[3], solution[cell - 1]) << board;
        if (s.HintText().rfind("By making certain assumptions in a field it seems that row ", 0) ==
            0)
            ++forcingHints;
    }
    EXPECT_GE(forcingHints, 1);
}

// Hints on many boards against the string twin: same cell, symbol and sentence.
TEST_F(HintTest, MatchesTheStringTwin) {
    std::vector<std::string> boards;
    for (const char* file :
         {"sudoku9_easy50.txt", "sudoku9_top95_first30.txt", "sudoku9_diabolical_sample40.txt"})
        for (const std::string& p : svtest::ReadPuzzles(svtest::TestData(file)))
            boards.push_back(p);
    for (const std::string& p : boards) {
        const std::string hint = HintFor(p);
        svtest::LiteralSolver twin(3);
        twin.ResetGrid();
        for (int k = 0; k < 81; ++k)
            if (p[k] != '0') twin.SetCell(k + 1, std::string(1, p[k]));
        ASSERT_EQ(hint, twin.GetHint()) << p;
        ASSERT_EQ(hint.empty() ? "" : s.HintText(), twin.hintText) << p;
    }
}

} // namespace
