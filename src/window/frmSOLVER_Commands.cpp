// The game commands: create, level label, reset, clear, solve, hint, print; and the board
// changes they share (building the cells, emptying the board, enabling the buttons).
#include <algorithm>
#include <array>
#include <QLineEdit>
#include <QTimer>

#include "controls/isButton.h"
#include "controls/Panel3D.h"
#include "controls/XP_ProgressBar.h"
#include "settings/SettingsStore.h"
#include "settings/UiTextQt.h"
#include "shell/Dialogs.h"
#include "window/BoardView.h"
#include "window/frmPop.h"
#include "window/frmSOLVER.h"
#include "window/GameClock.h"

namespace sv {

void frmSOLVER::RepaintGrid() {
    board_.Resize(model_.BlockSize);
    model_.SetupGeometry();
    // Building the cells: the clock stops, the progress bar shows meanwhile, and the new board
    // starts with no selection and the clock from zero.
    StopClock();
    view_->Build(BP_);
    LevLabel_->move(LevLabel_->x(), 60);
    HideSelection();
    ShowZero();
    StartClock();
    GetAllRCPos();
    EnableBoutons(false);
}

void frmSOLVER::ClearField() {
    model_.ResetGrid();
    board_.Clear();
    GetAllRCPos();
}

void frmSOLVER::GetAllRCPos() {
    const QRect first = view_->Cell(1)->geometry();
    const QRect lastOfRow = view_->Cell(board_.GridSize())->geometry();
    const QRect last = view_->Cell(board_.CellCount())->geometry();
    const int width = lastOfRow.left() + lastOfRow.width() - first.left();
    SB_->setGeometry(first.left(), last.top() + last.height() + 15, width, SB_->height());
    SB_->repaint();
    LevLabel_->setGeometry(first.left(), LevLabel_->y(), width, LevLabel_->height());
}

void frmSOLVER::EnableBoutons(bool on) {
    const std::array<isButton*, 6> buttons{BtnSave_,  btnHint_,  cmdSOLVE_,
                                           cmdCLEAR_, btnReset_, btnPrint_};
    // A button that loses the focus by being disabled hands it down the tab chain, to the name
    // box: the player's next key would then rename them. "Créer" is the next step anyway.
    if (!on &&
        std::any_of(buttons.begin(), buttons.end(), [](isButton* b) { return b->hasFocus(); }))
        BtnCreate_->setFocus();
    for (isButton* b : buttons) b->setEnabled(on);
}

void frmSOLVER::mnuLev_Click(int level) {
    ClearField();
    std::string g = creator_.CreatePuzzle(level);
    if (g.empty()) return; // the creator has told the player why
    g = creator_.ScramblePuzzle(g);
    InitialGrid = g;
    for (int k = 1; k <= board_.CellCount() && k <= static_cast<int>(g.size()); ++k) {
        const char c = g[k - 1];
        if (c == '0') {
            board_.SetText(k, {});
            board_.SetColour(k, kColourBlack);
        } else {
            board_.SetText(k, std::string(1, c)); // a given: stays red and locked
            model_.SetCell(k, board_.Text(k));
        }
    }
    FocusCell(1);
    GetAllRCPos();
    LevLabel_->SetCaption(levLabelTag_ + QString::fromStdString(creator_.LevelLabels[level]));
    CurrentLevel = level;
    EnableBoutons(true);
    services_.settings.SaveSetting(setting::Level, level);
}

void frmSOLVER::BtnCreate_Click() {
    ShowZero();
    StopClock();
    const QString caption = LevLabel_->Caption();
    const qsizetype colon = caption.indexOf(QLatin1Char(':'));
    const QString levelName = (colon < 0 ? caption : caption.mid(colon + 1)).trimmed();
    if (levelName.isEmpty())
        PopupAtMouse(*pop_->mnuLevel);
    else
        mnuLev_Click(CurrentLevel);
    StartClock();
    HideSelection();
}

void frmSOLVER::LevLabel_Click() {
    StopClock();
    ShowZero();
    PopupAtMouse(*pop_->mnuLevel);
    StartClock();
}

void frmSOLVER::btnReset_Click() {
    StopClock();
    ShowZero();
    const std::string g = InitialGrid;
    ClearField();
    for (int k = 1; k <= board_.CellCount(); ++k) {
        // Past the end of the stored grid a cell counts as a given with no symbol: red, empty.
        const char c = k <= static_cast<int>(g.size()) ? g[k - 1] : ' ';
        if (c == '0') {
            board_.SetText(k, {});
            board_.SetColour(k, kColourBlue);
        } else if (c != ' ') {
            board_.SetText(k, std::string(1, c));
            board_.SetColour(k, kColourRed);
            model_.SetCell(k, board_.Text(k));
        }
    }
    if (!board_.IsLocked(1)) {
        FocusCell(1);
        view_->MoveMarker(1);
    }
    GetAllRCPos();
    HideSelection();
    StartClock();
}

void frmSOLVER::cmdCLEAR_Click() {
    ClearField();
    EnableBoutons(false);
    HideSelection();
    StopClock();
    ShowZero();
    gameStartMs_ = services_.clock.NowMs();
}

void frmSOLVER::cmdSOLVE_Click() {
    btnReset_Click(); // the player's entries go first
    model_.ResetGrid();
    for (int k = 1; k <= board_.CellCount(); ++k) {
        if (!board_.Text(k).empty()) {
            model_.SetCell(k, board_.Text(k));
        } else {
            board_.SetColour(k, kColourBlue);
        }
    }
    const bool solved = model_.Solve(false);
    if (!solved) {
        QString m = Ui(39) + QStringLiteral("\r\n\r\n");
        CheckGameOver();
        if (!GridComplete) {
            m += model_.AllowGuessing ? Ui(41) : Ui(40) + QStringLiteral(" : ") + Ui(3);
            services_.dialogs.Message(this, m, ProgramTitle(), MessageIcon::Information);
        }
    }
    for (int k = 1; k <= board_.CellCount(); ++k) {
        const std::string cand = model_.CandidateStrings(k);
        if (cand.size() == 1) board_.SetText(k, cand);
    }
    GetAllRCPos();
    HideSelection();
    ShowZero();
    StopClock();
}

void frmSOLVER::btnHint_Click() {
    model_.ResetGrid();
    for (int k = 1; k <= board_.CellCount(); ++k) {
        const std::string& text = board_.Text(k);
        if (text.empty() || board_.IsSymbol(text)) {
            model_.SetCell(k, text);
        } else {
            board_.SetText(k, {});
            board_.SetColour(k, kColourBlue);
        }
    }
    const std::string h = model_.GetHint();
    // The hint's search keeps its "solving" text up; once the answer is in, it is stale.
    seam_.HideStatus();
    if (h.size() >= 4) {
        const int k = std::stoi(h.substr(0, 3));
        if (k >= 1 && k <= board_.CellCount()) {
            board_.SetText(k, h.substr(h.size() - 1));
            selection_ = k;
            view_->MoveMarker(k);
        }
    }
    CheckGameOver();
}

void frmSOLVER::mnuPrintThis_Click() {
    if (!HasData()) {
        services_.dialogs.Message(this, Ui(9), ProgramTitle(), MessageIcon::NoIcon);
        return;
    }
    // Printing the board is done by the printing code once it is part of the game.
}

} // namespace sv
