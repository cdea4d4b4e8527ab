// Every deduction step passes through RecordStep: its points go to the score, and in hint mode
// the first qualifying step about an empty board cell becomes the hint.
#include <bit>

#include "settings/UiText.h"
#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

// Hint mode only: the first qualifying step about a cell that is empty on the board.
void Sudoku::CaptureIfQualifies(int kind, Tag tag, int cell, Mask symbol) {
    const bool tagged = tag != Tag::None;
    if (cell < 1 || cell > cellCount_ || cellValueLength_[cell] != 0) return;
    const Mask current = cand_[cell];
    const bool single = mask::IsSingle(current);
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
