// Every deduction step passes through RecordStep: its points go to the score, and in hint mode
// the first qualifying step about an empty board cell becomes the hint.
#include <bit>

#include "settings/UiText.h"
#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

void Sudoku::RecordStep(int kind, Tag tag, int cell, Mask symbol) {
    const bool tagged = tag != Tag::None;
    int points = 0;
    switch (kind) {
    case 1:
        points = tagged ? 1 : 0;
        break;
    case 2:
        points = 30;
        break;
    case 3:
        points = tagged ? 100 : 0;
        break;
    case 4:
        points = tagged ? 200 : 100;
        break;
    case 5:
        points = 80;
        break;
    case 6:
        points = 50;
        break;
    case 7:
        points = tagged ? 50 : 0;
        break;
    case 8:
        points = 200;
        break;
    default:
        break;
    }
    solveScore_ += points;

    if (!hintMode_ || hintCaptureSuspended_) return;
    if (cell < 1 || cell > cellCount_ || cellValueLength_[cell] != 0) return;
    const Mask current = cand_[cell];
    const bool single = std::popcount(static_cast<unsigned>(current)) == 1;
    switch (kind) {
    case 1:
        if (tagged) CaptureHint(cell, current, false, kind);
        break;
    case 2:
        if (tagged) CaptureHint(cell, symbol, false, kind);
        break;
    case 3:
        if (!tagged) CaptureHint(cell, current, false, kind);
        break;
    case 4:
        if (!tagged && single) CaptureHint(cell, current, false, kind);
        break;
    case 7:
        if (!tagged && single) CaptureHint(cell, current, true, kind);
        break;
    case 8:
        CaptureHint(cell, symbol, true, kind);
        break;
    default:
        break;
    }
}

void Sudoku::CaptureHint(int cell, Mask symbol, bool english, int kind) {
    hintRow_ = RowOf(cell) + 1;
    hintColumn_ = cell - (hintRow_ - 1) * gridSize_;
    hintSymbol_ = MaskToString(symbol);
    const std::string row = std::to_string(hintRow_);
    const std::string column = std::to_string(hintColumn_);
    if (!english) {
        hintText_ = UiText[68] + " " + row + " " + UiText[67] + " " + column + " " + UiText[69] +
                    " " + hintSymbol_;
    } else if (kind == 7) {
        hintText_ = "By ruling out possibilities, row " + row + " column " + column +
                    " could only be " + hintSymbol_;
    } else {
        hintText_ = "By making certain assumptions in a field it seems that row " + row +
                    " column " + column + " could only be " + hintSymbol_;
    }
    hintFound_ = true;
}

} // namespace sv
