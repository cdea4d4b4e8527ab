#include "window/BoardView.h"

#include <QWidget>

#include "controls/BgrColor.h"
#include "controls/isButton.h"
#include "controls/Panel3D.h"
#include "controls/XP_ProgressBar.h"
#include "window/Board.h"

namespace sv {

namespace {
const QColor kMarkerOrange = FromBgr(33023);
const QColor kMarkerBlack = FromBgr(0);
} // namespace

BoardView::BoardView(QWidget* window, Board& board)
    : QObject(window), window_(window), board_(board) {
    auto* tmpl = new isButton(window_);
    tmpl->SetFontBold(true);
    tmpl->SetForeColor(kColourRed);
    tmpl->setFocusPolicy(Qt::StrongFocus);
    tmpl->hide();
    cells_.push_back(tmpl);

    marker_ = new Panel3D(window_);
    marker_->SetBevel(Panel3D::Bevel::None);
    marker_->SetBackColor(kMarkerOrange);
    marker_->resize(8, 8);
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker_->hide();
    board_.onCellChanged = [this](int index) { Refresh(index); };
}

void BoardView::SizeCellTemplate() {
    const int size = board_.BlockSize() == 3 ? 40 : 24;
    cells_[0]->resize(size, size);
    QFont f = cells_[0]->font();
    f.setPixelSize(board_.BlockSize() == 3 ? 20 : 13);
    cells_[0]->setFont(f);
}

isButton* BoardView::MakeCell(int index) {
    auto* cell = new isButton(window_);
    cell->CopyLookFrom(*cells_[0]);
    const CellPlace place = board_.Place(index);
    cell->setGeometry(place.left, place.top, place.size, place.size);
    connect(cell, &isButton::Click, this, [this, index] { emit CellClick(index); });
    connect(cell, &isButton::KeyPress, this,
            [this, index](QChar k) { emit CellKeyPress(index, k); });
    connect(cell, &isButton::KeyDown, this, [this, index](int k) { emit CellKeyDown(index, k); });
    connect(cell, &isButton::MouseUp, this, [this, index, cell](Qt::MouseButton b, QPoint pos) {
        emit CellMouseUp(index, b, cell->mapToGlobal(pos));
    });
    return cell;
}

void BoardView::Build(XP_ProgressBar* progress) {
    for (size_t i = 1; i < cells_.size(); ++i) delete cells_[i];
    cells_.resize(1);
    SizeCellTemplate();

    const int n = board_.GridSize();
    progress->SetMin(0);
    progress->SetMax(n * n + n);
    progress->SetValue(0);
    progress->show();
    progress->raise();
    cells_.reserve(board_.CellCount() + 1);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            progress->SetValue(progress->Value() + 1);
            cells_.push_back(MakeCell(static_cast<int>(cells_.size())));
        }
        progress->SetValue(progress->Value() + 1);
        // Draw the bar once per row so the player sees the build going on.
        if (window_->isVisible()) progress->repaint();
    }
    for (int i = 1; i <= board_.CellCount(); ++i) {
        Refresh(i);
        cells_[i]->show();
    }
    cells_[0]->hide();
    progress->hide();
    progress->SetValue(0);
    marker_->raise();
    SetMarkerVisible(false);
}

void BoardView::Refresh(int index) {
    if (index >= static_cast<int>(cells_.size())) return; // board resized before the build
    isButton* cell = cells_[index];
    cell->SetCaption(QString::fromStdString(board_.Text(index)));
    cell->SetForeColor(board_.Colour(index));
}

void BoardView::MoveMarker(int index) {
    if (index < 1 || index > CellCount()) return;
    marker_->move(cells_[index]->pos());
    marker_->raise();
}

void BoardView::SetMarkerVisible(bool visible) {
    marker_->setVisible(visible);
}

void BoardView::Blink() {
    markerOrange_ = !markerOrange_;
    marker_->SetBackColor(markerOrange_ ? kMarkerOrange : kMarkerBlack);
}

} // namespace sv
