// The player's hand on the board: clicks, typed symbols with their check, the arrow keys and
// Delete, and the right-button menu of a cell's possible symbols.
#include <QMenu>

#include "controls/isButton.h"
#include "settings/UiTextQt.h"
#include "shell/Dialogs.h"
#include "window/BoardView.h"
#include "window/frmPop.h"
#include "window/frmSOLVER.h"
#include "window/PopupMenus.h"

namespace sv {

namespace {

bool ToBoardKey(int key, BoardKey& out) {
    switch (key) {
    case Qt::Key_Left:
        out = BoardKey::Left;
        return true;
    case Qt::Key_Up:
        out = BoardKey::Up;
        return true;
    case Qt::Key_Right:
        out = BoardKey::Right;
        return true;
    case Qt::Key_Down:
        out = BoardKey::Down;
        return true;
    case Qt::Key_Delete:
        out = BoardKey::Delete;
        return true;
    default:
        return false;
    }
}
} // namespace

void frmSOLVER::Select(int index, bool showMarker) {
    selection_ = index;
    view_->MoveMarker(index);
    view_->SetMarkerVisible(showMarker);
}

void frmSOLVER::HideSelection() {
    selection_ = 0;
    view_->SetMarkerVisible(false);
}

void frmSOLVER::FocusCell(int index) {
    // Before the window is shown the focus cannot move; the game carries on without it.
    if (index >= 1 && index <= view_->CellCount()) view_->Cell(index)->setFocus();
}

void frmSOLVER::txtCELL_Click(int index) {
    Select(index, ClockRuns());
}

void frmSOLVER::txtCELL_KeyPress(int index, QChar key) {
    if (!BtnSave_->isEnabled() || !ClockRuns()) return;
    if (key.unicode() > 0x7f) return;
    const char symbol = board_.AcceptedKey(static_cast<char>(key.unicode()));
    if (symbol == 0 || board_.IsLocked(index)) return;
    board_.SetText(index, std::string(1, symbol));
    CheckCellEntry(index);
    Select(index, true);
    CheckGameOver();
}

void frmSOLVER::CheckCellEntry(int index) {
    const std::string text = board_.Text(index);
    if (!text.empty() && !board_.IsSymbol(text)) {
        board_.SetText(index, {});
        board_.SetColour(index, kColourBlue);
    } else if (!text.empty() && board_.CellCandidates(index).find(text) == std::string::npos) {
        const QString m = Ui(37) + QLatin1Char(' ') + QString::fromStdString(text) +
                          QLatin1Char(' ') + Ui(38) + QStringLiteral("\r\n");
        services_.dialogs.Message(this, m, ProgramTitle(), MessageIcon::Information);
        board_.SetText(index, {});
        return;
    }
    const int next = index == board_.CellCount() ? 1 : index + 1;
    if (!board_.IsLocked(next)) {
        FocusCell(next);
        view_->MoveMarker(next);
    }
}

void frmSOLVER::txtCELL_KeyDown(int index, int key) {
    BoardKey k;
    if (!ToBoardKey(key, k)) return;
    // With no cell selected the keys start from the cell that has the focus.
    int s = selection_ > 0 ? selection_ : index;
    if (k == BoardKey::Delete) {
        // A given stays: emptied, it could never be typed back into its locked cell.
        if (!board_.IsLocked(index)) board_.SetText(index, {});
    } else {
        s = board_.MoveSelection(s, k);
    }
    selection_ = s;
    FocusCell(s);
    view_->MoveMarker(s);
}

void frmSOLVER::txtCELL_MouseUp(int index, Qt::MouseButton button, const QPoint& globalPos) {
    if (button != Qt::RightButton) return;
    if (!BtnSave_->isEnabled() || !RightClickHelp) return;
    if (!board_.IsLocked(index)) {
        FocusCell(index);
        view_->MoveMarker(index);
    }
    PopupCell = index;
    const std::string cand = board_.CellCandidates(index);
    pop_->ResetPopup();
    if (cand.empty()) {
        services_.dialogs.Message(this, Ui(42) + QStringLiteral("\r\n") + Ui(43), ProgramTitle(),
                                  MessageIcon::NoIcon);
        return;
    }
    const std::string& symbols = board_.SymbolSet();
    for (char c : cand) pop_->SetPopupEntry(static_cast<int>(symbols.find(c)) + 1, true);
    pop_->SetPopupEntry(0, false);
    const std::string& text = board_.Text(index);
    if (board_.IsSymbol(text))
        pop_->SetPopupEntry(static_cast<int>(symbols.find(text[0])) + 1, true, true);
    services_.menus.Popup(*pop_->mnuPopup, globalPos);
}

void frmSOLVER::Popup_Click(int k) {
    if (PopupCell < 1 || PopupCell > board_.CellCount() || board_.IsLocked(PopupCell)) return;
    if (k < 1 || k > board_.GridSize()) return;
    if (pop_->PopupEntryChecked(k))
        board_.SetText(PopupCell, {});
    else
        board_.SetText(PopupCell, std::string(1, board_.SymbolSet()[k - 1]));
    // The last symbol may come from this menu as well as from the keyboard: same ending.
    CheckGameOver();
}

} // namespace sv
