#pragma once
// A slow, plainly written twin of the solver that keeps every candidate as a string and follows
// the rules word for word. The production solver stores bit masks for speed; comparing the two
// on many puzzles shows the masks changed nothing that can be observed.
#include <string>
#include <vector>

namespace svtest {

class LiteralSolver {
public:
    explicit LiteralSolver(int blockSize);
    void ResetGrid();
    void SetCell(int index, const std::string& symbol);
    bool Solve();
    // Hint search with the question answered Yes: "" or e.g. "0237".
    std::string GetHint();

    bool allowGuessing = false;
    std::vector<std::string> cand; // 1-based
    std::string trail;
    long score = 0;
    std::string hintText;
    // Diagnostics for finding boards that show the mended faults.
    int finalGuessCell = 0;    // the guess position when the solve ended
    int rowsOnlyGridsSeen = 0; // solved tests that rows alone would have passed wrongly

private:
    bool IsSolved();
    void NoteMethod();
    void NoteStep();
    void Record(int kind, const std::string& tag, int cell, const std::string& symbol);
    void PlaceValue(int cell);
    void RemoveCandidate(int target, int source);
    void SeedGivens();
    bool HiddenSingles();
    bool HiddenSinglesUnit(const std::vector<int>& cells, const std::string& tag, bool& result);
    bool LinesToBlocks();
    bool BlocksToLines();
    bool HiddenSubsets();
    void HiddenSubsetsUnit(const std::vector<int>& cells, bool& result);
    bool Squares();
    bool Square(int a, bool& result);
    bool NakedPairs();
    bool NakedPairsUnit(const std::vector<int>& cells, const std::string& tag, bool& result);
    bool Forcing();
    int Pos(char c) const; // 1-based position in the symbol set, 0 when absent
    std::vector<int> Row(int r) const;
    std::vector<int> Column(int c) const;
    std::vector<int> Block(int b) const;

    int B, N, count;
    std::string symbols;
    std::vector<std::string> values;
    std::vector<int> pending;
    std::vector<std::string> savedCand;
    long savedScore = 0;
    int currentMethod = 0, lastNoted = 0;
    bool hintMode = false, hintFound = false, suspended = false;
    int hintRow = 0, hintCol = 0;
    std::string hintSymbol;
};

} // namespace svtest
