#include "controls/Panel3D.h"

#include <QMouseEvent>
#include <QPainter>

namespace sv {

Panel3D::Panel3D(QWidget* parent) : QWidget(parent) {}

void Panel3D::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

void Panel3D::SetBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

void Panel3D::SetForeColor(const QColor& colour) {
    foreColor_ = colour;
    update();
}

void Panel3D::SetBevel(Bevel bevel) {
    bevel_ = bevel;
    update();
}

void Panel3D::SetAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void Panel3D::SetBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void Panel3D::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    if (backColor_.isValid()) p.fillRect(r, backColor_);
    if (bevel_ != Bevel::None && r.width() > 1 && r.height() > 1) {
        const QColor light(255, 255, 255, 200), dark(0x6B, 0x74, 0x80, 200);
        const QColor& topLeft = bevel_ == Bevel::Raised ? light : dark;
        const QColor& bottomRight = bevel_ == Bevel::Raised ? dark : light;
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (caption_.isEmpty()) return;
    p.setPen(foreColor_);
    p.drawText(r.adjusted(4, 1, -4, -1), int(alignment_) | Qt::TextWordWrap, caption_);
}

void Panel3D::mousePressEvent(QMouseEvent* e) {
    emit MouseDown(e->button(), e->pos());
}

void Panel3D::mouseReleaseEvent(QMouseEvent* e) {
    emit MouseUp(e->button(), e->pos());
    if (e->button() == Qt::LeftButton && rect().contains(e->pos())) emit Click();
}

} // namespace sv
