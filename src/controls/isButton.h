#pragma once
// The program's push button, used for every command button and for every grid cell (a 16x16
// board has 256 of them, so painting is kept cheap: no style sheets, no per-paint allocation of
// fonts). It draws its own look: raised face, hover, pressed and keyboard-focus looks.
#include <QIcon>
#include <QWidget>

namespace sv {

class isButton : public QWidget {
    Q_OBJECT
public:
    explicit isButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // Text colour as 0x00BBGGRR; for a cell it tells whether it is locked (255 = red).
    int ForeColor() const { return foreColor_; }
    void SetForeColor(int bgr);
    // Face colour; invalid QColor = the standard face.
    void SetBackColor(const QColor& colour);
    // Text is bold by default.
    bool FontBold() const;
    void SetFontBold(bool bold);
    // Optional picture left of the caption (or alone when there is no caption).
    void SetIcon(const QIcon& icon);
    // A flat button shows its face only under the mouse (window buttons of the title strip).
    void SetFlat(bool flat);

    // Size, font, colours and flags of `tmpl`: how a cell is made from the hidden template.
    void CopyLookFrom(const isButton& tmpl);

    QSize sizeHint() const override;

signals:
    // Left button released over the button, or the space bar pressed while it has the focus.
    void Click();
    // A character key (not the space bar): the character typed, e.g. '7', 'a', ':'.
    void KeyPress(QChar ch);
    // Only Qt::Key_Left, Key_Up, Key_Right, Key_Down and Key_Delete are passed on.
    void KeyDown(int key);
    // Any mouse button released; `pos` in the button's own coordinates.
    void MouseUp(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    QString caption_;
    int foreColor_ = 0;
    QColor backColor_;
    QIcon icon_;
    bool hovered_ = false;
    bool pressed_ = false;   // left button held on it
    bool spaceDown_ = false; // space bar held while it has the focus
    bool flat_ = false;
};

} // namespace sv
