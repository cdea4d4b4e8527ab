#pragma once
// The board's widgets: one push button per cell, placed in the main window, and the blinking
// selection marker. It shows what Board holds and reports the player's clicks and keys by cell
// index; it decides nothing itself.
#include <QObject>
#include <QPoint>
#include <vector>

class QTimer;
class QWidget;

namespace sv {

class Board;
class isButton;
class Panel3D;
class XP_ProgressBar;

class BoardView : public QObject {
    Q_OBJECT
public:
    BoardView(QWidget* window, Board& board);

    // Removes every cell and builds Board::CellCount() new ones at their places, advancing
    // `progress` (shown meanwhile) once per cell and once per row.
    void Build(XP_ProgressBar* progress);
    // The cell widget, 1..CellCount; 0 is the hidden template every cell copies.
    isButton* Cell(int index) const { return cells_[index]; }
    int CellCount() const { return static_cast<int>(cells_.size()) - 1; }
    // Shows the board's text and colour of cell `index`.
    void Refresh(int index);

    // The selection marker, an 8 x 8 square on the selected cell's top-left corner.
    Panel3D* Marker() const { return marker_; }
    void MoveMarker(int index);
    void SetMarkerVisible(bool visible);
    // Swaps the marker between orange and black (every 500 ms).
    void Blink();

signals:
    void CellClick(int index);
    void CellKeyPress(int index, QChar key);
    void CellKeyDown(int index, int key);
    void CellMouseUp(int index, Qt::MouseButton button, QPoint globalPos);

private:
    void SizeCellTemplate();
    isButton* MakeCell(int index);

    QWidget* window_;
    Board& board_;
    std::vector<isButton*> cells_; // [0] is the template
    Panel3D* marker_ = nullptr;
    bool markerOrange_ = true;
};

} // namespace sv
