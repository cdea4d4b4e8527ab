#include "controls/XP_ProgressBar.h"

#include <algorithm>
#include <QPainter>

namespace sv {

XP_ProgressBar::XP_ProgressBar(QWidget* parent) : QWidget(parent) {}

void XP_ProgressBar::SetValue(int value) {
    value = std::clamp(value, min_, std::max(min_, max_));
    if (value == value_) return;
    const int before = FilledWidth();
    value_ = value;
    if (FilledWidth() != before) update();
}

void XP_ProgressBar::SetMin(int min) {
    min_ = min;
    value_ = std::max(value_, min_);
    update();
}

void XP_ProgressBar::SetMax(int max) {
    max_ = max;
    value_ = std::min(value_, std::max(min_, max_));
    update();
}

double XP_ProgressBar::Fraction() const {
    if (max_ <= min_) return 0.0;
    return double(value_ - min_) / double(max_ - min_);
}

int XP_ProgressBar::FilledWidth() const {
    return int((width() - 4) * Fraction());
}

void XP_ProgressBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF trough = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient bg(0, 0, 0, height());
    bg.setColorAt(0, QColor(0xE4, 0xE7, 0xEB));
    bg.setColorAt(1, QColor(0xFA, 0xFB, 0xFC));
    p.setBrush(bg);
    p.setPen(QColor(0x86, 0x92, 0xA1));
    p.drawRoundedRect(trough, 3, 3);

    const int filled = FilledWidth();
    if (filled <= 0) return;
    // Segmented green fill: blocks of 7 pixels with a 2-pixel gap, glossy from the middle.
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    QLinearGradient green(0, inner.top(), 0, inner.bottom());
    green.setColorAt(0, QColor(0xB7, 0xEE, 0xA6));
    green.setColorAt(0.45, QColor(0x3F, 0xC1, 0x2E));
    green.setColorAt(1, QColor(0x2C, 0x9A, 0x1F));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.setClipRect(QRect(inner.left(), inner.top(), filled, inner.height()));
    for (int x = inner.left(); x < inner.left() + filled; x += 9)
        p.drawRect(QRect(x, inner.top(), 7, inner.height()));
}

} // namespace sv
