#pragma once
// A captioned panel with a bevel (raised or inset) that can hold other controls: the window's
// title strip, frames, the clock and player boxes, the status strip, the selection marker.
#include <QColor>
#include <QWidget>

namespace sv {

class Panel3D : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Inset };

    explicit Panel3D(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // Invalid colour = transparent: whatever is behind (e.g. the skin) shows through.
    void SetBackColor(const QColor& colour);
    QColor BackColor() const { return backColor_; }
    void SetForeColor(const QColor& colour);
    void SetBevel(Bevel bevel);
    void SetAlignment(Qt::Alignment alignment);
    void SetBold(bool bold);

signals:
    void MouseDown(Qt::MouseButton button, QPoint pos);
    void MouseUp(Qt::MouseButton button, QPoint pos);
    void Click();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QString caption_;
    QColor backColor_;
    QColor foreColor_{Qt::black};
    Bevel bevel_ = Bevel::Raised;
    Qt::Alignment alignment_ = Qt::AlignCenter;
};

} // namespace sv
