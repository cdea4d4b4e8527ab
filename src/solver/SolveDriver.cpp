// The solve loop with its fixed technique order, one-level guessing, the method trail and the
// hint entry point.
#include <bit>
#include <cstdio>

#include "settings/UiText.h"
#include "solver/MaskOps.h"
#include "solver/Sudoku.h"

namespace sv {

namespace {
constexpr int kGuessing = 99;

} // namespace

void Sudoku::NoteMethod() {
    if (currentMethod_ == kGuessing) return;
    const char c = TrailCharacter(currentMethod_);
    if (c == 0) return;
    if (methodTrail_.empty() || methodTrail_.back() != c) methodTrail_.push_back(c);
}

void Sudoku::NoteStep() {
    if (lastNotedMethod_ != currentMethod_) {
        lastNotedMethod_ = currentMethod_;
        NoteMethod();
    }
}

bool Sudoku::Solve(bool keepStatusPanel) {
    if (seam_) {
        seam_->ShowStatus(UiText[59]);
        seam_->PumpMessages();
    }
    pending_[0] = 0;
    SeedGivens();

    bool solved = false;
    int p = 1; // next guess cell
    int k = 0; // candidates of that cell already tried
    bool snapshotTaken = false;
    bool stoppedForHint = false;
    for (;;) {
        if (hintMode_ && hintFound_) {
            stoppedForHint = true; // the hint solve keeps its technique number
            break;
        }
        if (IsSolved()) {
            solved = true;
            break;
        }
        if (FindHiddenSingles() || ReduceLinesToBlocks() || ReduceBlocksToLines() ||
            FindHiddenSubsets() || ResolveSquares() || FindNakedPairs() || TryForcingCell())
            continue;
        if (!AllowGuessing) break;
        if (p == cellCount_ + 1) break;

        currentMethod_ = kGuessing;
        if (!snapshotTaken) {
            SaveState();
            k = 0;
        } else {
            RestoreState();
        }
        snapshotTaken = true;
        while (p <= cellCount_) {
            const int n = mask::Count(cand_[p]);
            if (n > 1) {
                cand_[p] = mask::Nth(cand_[p], k + 1);
                ++k;
                const int g = p;
                if (k == n) {
                    ++p;
                    k = 0;
                }
                PlaceValue(g);
                break;
            }
            ++p;
        }
        // Past the last cell: the next pass finds p beyond the grid and ends the solve.
    }
    if (!stoppedForHint) {
        currentMethod_ = 0;
        // Every guess was tried and none solved the grid: back to where the techniques got
        // stuck. A last guess that does solve it keeps its solution.
        if (p == cellCount_ + 1 && !solved) RestoreState();
    }

    if (!keepStatusPanel && seam_) {
        seam_->HideStatus();
        seam_->PumpMessages();
    }
    return solved;
}

std::string Sudoku::GetHint() {
    const bool allowGuessing = AllowGuessing;
    hintMode_ = true;
    hintFound_ = false;
    AllowGuessing = false;
    // A hint from an earlier board must not be read back as this board's.
    hintText_.clear();
    hintSymbol_.clear();
    hintRow_ = hintColumn_ = 0;

    Solve(true);

    std::string result;
    if (hintFound_) {
        const std::string question = hintText_ + "\r\n\r\n" + UiText[58] + " ?";
        const bool yes = seam_ ? seam_->AskYesNo(question, kProgramTitle) : true;
        if (yes) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%03d", (hintRow_ - 1) * gridSize_ + hintColumn_);
            result = digits + hintSymbol_;
        }
    } else {
        bool boardHasEmptyCell = false;
        if (seam_) {
            boardHasEmptyCell = seam_->BoardHasEmptyCell();
        } else {
            for (int i = 1; i <= cellCount_; ++i)
                if (cellValueLength_[i] == 0) boardHasEmptyCell = true;
        }
        if (boardHasEmptyCell) {
            if (seam_) seam_->ShowMessage(UiText[57], kProgramTitle, MessageIcon::Information);
        } else if (seam_) {
            seam_->StopClock();
        }
    }

    AllowGuessing = allowGuessing;
    hintMode_ = false;
    hintFound_ = false;
    return result;
}

} // namespace sv
