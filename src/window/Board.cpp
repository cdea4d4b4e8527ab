#include "window/Board.h"

namespace sv {

namespace {
constexpr const char* kAllSymbols = "123456789ABCDEFG";
constexpr int kFirstCellLeft9 = 185;
constexpr int kFirstCellLeft16 = 165;
constexpr int kFirstCellTop = 120;
constexpr int kBlockGap = 10;
} // namespace

Board::Board(int blockSize) {
    Resize(blockSize);
}

void Board::Resize(int blockSize) {
    blockSize_ = blockSize == 4 ? 4 : 3;
    gridSize_ = blockSize_ * blockSize_;
    symbols_.assign(kAllSymbols, gridSize_);
    cells_.assign(CellCount() + 1, Cell{});
}

bool Board::IsSymbol(const std::string& text) const {
    return text.size() == 1 && symbols_.find(text[0]) != std::string::npos;
}

void Board::SetText(int index, std::string text) {
    if (cells_[index].text == text) return;
    cells_[index].text = std::move(text);
    Changed(index);
}

void Board::SetColour(int index, int colour) {
    if (cells_[index].colour == colour) return;
    cells_[index].colour = colour;
    Changed(index);
}

void Board::Clear() {
    for (int i = 1; i <= CellCount(); ++i) {
        SetText(i, {});
        SetColour(i, kColourRed);
    }
}

std::string Board::CellCandidates(int index) const {
    const int n = gridSize_;
    const int r = (index - 1) / n;
    const int c = (index - 1) % n;
    const int b = blockSize_ * (r / blockSize_) + c / blockSize_;
    const int blockTop = (b / blockSize_) * blockSize_;
    const int blockLeft = (b % blockSize_) * blockSize_;
    std::string left = symbols_;
    auto removeShown = [&](int other) {
        const std::string& t = cells_[other].text;
        if (other == index || t.empty()) return;
        // Remove the first occurrence only, as a text shown twice still counts once.
        if (auto at = left.find(t); at != std::string::npos) left.erase(at, t.size());
    };
    for (int j = 0; j < n; ++j) {
        removeShown(r * n + j + 1);
        removeShown(j * n + c + 1);
        const int br = blockTop + j / blockSize_;
        const int bc = blockLeft + j % blockSize_;
        removeShown(br * n + bc + 1);
    }
    return left;
}

bool Board::HasData() const {
    for (int i = 1; i <= CellCount(); ++i)
        if (!cells_[i].text.empty()) return true;
    return false;
}

bool Board::IsComplete() const {
    for (int i = 1; i <= CellCount(); ++i)
        if (cells_[i].text.empty()) return false;
    return true;
}

std::string Board::GridString() const {
    std::string g;
    g.reserve(CellCount());
    for (int i = 1; i <= CellCount(); ++i) g += cells_[i].text.empty() ? "0" : cells_[i].text;
    return g;
}

CellPlace Board::Place(int index) const {
    const int size = blockSize_ == 3 ? 40 : 24;
    const int firstLeft = blockSize_ == 3 ? kFirstCellLeft9 : kFirstCellLeft16;
    const int r = (index - 1) / gridSize_;
    const int c = (index - 1) % gridSize_;
    return {firstLeft + size * c + kBlockGap * (c / blockSize_),
            kFirstCellTop + size * r + kBlockGap * (r / blockSize_), size};
}

int Board::MoveSelection(int s, BoardKey key) const {
    switch (key) {
    case BoardKey::Left:
        return s > 1 ? s - 1 : s;
    case BoardKey::Up:
        return s - gridSize_ > 0 ? s - gridSize_ : s;
    case BoardKey::Right:
        return s < CellCount() ? s + 1 : s;
    case BoardKey::Down:
        return s + gridSize_ <= CellCount() ? s + gridSize_ : s;
    case BoardKey::Delete:
        return s;
    }
    return s;
}

char Board::AcceptedKey(char typed) const {
    if (blockSize_ == 3) return typed >= '1' && typed <= '9' ? typed : 0;
    // A 16x16 board takes "1" to "G" (the characters between "9" and "A" included, so they
    // are refused by the entry check) and "a" to "g" as capitals.
    if (typed >= '1' && typed <= 'G') return typed;
    if (typed >= 'a' && typed <= 'g') return static_cast<char>(typed - 'a' + 'A');
    return 0;
}

} // namespace sv
