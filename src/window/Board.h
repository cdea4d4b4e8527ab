#pragma once
// The board as the player sees it: the symbol and the text colour of every cell. The board is
// the game's state while playing; the solver model is refilled from it when a hint or a
// solution is asked. Plain C++ so the rules can be checked without any widget.
#include <functional>
#include <string>
#include <vector>

namespace sv {

// Text colours, 0x00BBGGRR. Red marks a locked cell (a given, or any cell of a cleared
// board); blue and black mark the player's cells.
inline constexpr int kColourRed = 255;
inline constexpr int kColourBlue = 16711680;
inline constexpr int kColourBlack = 0;

// Pixel rectangle of a cell inside the main window.
struct CellPlace {
    int left = 0;
    int top = 0;
    int size = 0;
};

// Keys the board reacts to besides symbols (the push buttons pass on only these).
enum class BoardKey { Left, Up, Right, Down, Delete };

class Board {
public:
    // Builds an empty board for blocks of `blockSize` (3 or 4), every cell locked.
    explicit Board(int blockSize = 3);

    void Resize(int blockSize);
    int BlockSize() const { return blockSize_; }
    int GridSize() const { return gridSize_; }
    int CellCount() const { return gridSize_ * gridSize_; }
    // The first GridSize characters of "123456789ABCDEFG".
    const std::string& SymbolSet() const { return symbols_; }
    bool IsSymbol(const std::string& text) const;

    // Cells are numbered 1..CellCount, row by row.
    const std::string& Text(int index) const { return cells_[index].text; }
    int Colour(int index) const { return cells_[index].colour; }
    bool IsLocked(int index) const { return cells_[index].colour == kColourRed; }
    void SetText(int index, std::string text);
    void SetColour(int index, int colour);

    // Every cell empty and locked.
    void Clear();
    // Symbols cell `index` may still take: SymbolSet less what its row, column and block show.
    std::string CellCandidates(int index) const;
    bool HasData() const;
    bool IsComplete() const;
    // The board row by row, "0" for an empty cell.
    std::string GridString() const;

    // Where the cell sits in the main window.
    CellPlace Place(int index) const;
    // The selection after `key` when cell `selected` is selected (Delete leaves it).
    int MoveSelection(int selected, BoardKey key) const;
    // The character a typed key puts into a cell, or 0 when this board size ignores the key.
    char AcceptedKey(char typed) const;

    // Called after a cell's text or colour changed (the view redraws that cell).
    std::function<void(int index)> onCellChanged;

private:
    struct Cell {
        std::string text;
        int colour = kColourRed;
    };
    void Changed(int index) {
        if (onCellChanged) onCellChanged(index);
    }

    int blockSize_ = 3;
    int gridSize_ = 9;
    std::string symbols_;
    std::vector<Cell> cells_; // slot 0 unused
};

} // namespace sv
