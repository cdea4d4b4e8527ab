#include "controls/isButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "controls/BgrColor.h"

namespace sv {

namespace {

// The face brushes are shared by every button: gradients in object coordinates stretch to any
// size, so a board of 256 cells paints without building a gradient per cell.
QBrush FaceBrush(const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, 0, 0, 1);
    g.setCoordinateMode(QGradient::ObjectMode);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return QBrush(g);
}

struct Look {
    QBrush normal = FaceBrush(QColor(0xFD, 0xFE, 0xFF), QColor(0xE3, 0xE9, 0xF1));
    QBrush hover = FaceBrush(QColor(0xFF, 0xFF, 0xFF), QColor(0xD5, 0xE6, 0xFA));
    QBrush pressed = FaceBrush(QColor(0xC9, 0xDA, 0xEE), QColor(0xE4, 0xEC, 0xF6));
    QBrush disabled = QBrush(QColor(0xEE, 0xEF, 0xF1));
    QPen border = QPen(QColor(0x8E, 0x9C, 0xAE), 1);
    QPen hoverBorder = QPen(QColor(0x3C, 0x7F, 0xD6), 1);
    QPen disabledBorder = QPen(QColor(0xC3, 0xC7, 0xCD), 1);
    QPen focusRing = QPen(QColor(0x3C, 0x7F, 0xD6, 160), 2);
    QColor disabledText = QColor(0xA0, 0xA4, 0xAA);
};

const Look& SharedLook() {
    static const Look look;
    return look;
}

QFont BoldFont(const QFont& base) {
    QFont f = base;
    f.setBold(true);
    return f;
}

} // namespace

isButton::isButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Parents' backgrounds show around the rounded corners; nothing else is filled by Qt.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    static const QFont bold = BoldFont(QWidget::font());
    setFont(bold);
}

void isButton::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

void isButton::SetForeColor(int bgr) {
    if (bgr == foreColor_) return;
    foreColor_ = bgr;
    update();
}

void isButton::SetBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

bool isButton::FontBold() const {
    return font().bold();
}

void isButton::SetFontBold(bool bold) {
    if (bold == FontBold()) return;
    QFont f = font();
    f.setBold(bold);
    setFont(f);
    update();
}

void isButton::SetIcon(const QIcon& icon) {
    icon_ = icon;
    update();
}

void isButton::SetFlat(bool flat) {
    flat_ = flat;
    update();
}

void isButton::CopyLookFrom(const isButton& tmpl) {
    resize(tmpl.size());
    setFont(tmpl.font());
    foreColor_ = tmpl.foreColor_;
    backColor_ = tmpl.backColor_;
    icon_ = tmpl.icon_;
    flat_ = tmpl.flat_;
    setEnabled(tmpl.isEnabled());
    setFocusPolicy(tmpl.focusPolicy());
}

QSize isButton::sizeHint() const {
    const QFontMetrics fm(font());
    return {std::max(fm.horizontalAdvance(caption_) + 16, 24), fm.height() + 12};
}

void isButton::paintEvent(QPaintEvent*) {
    const Look& look = SharedLook();
    const bool enabled = isEnabled();
    const bool down = (pressed_ && hovered_) || spaceDown_;
    QPainter p(this);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(4.0, std::min(width(), height()) / 8.0);

    if (!flat_ || ((hovered_ || down) && enabled)) {
        p.setRenderHint(QPainter::Antialiasing);
        if (!enabled)
            p.setBrush(look.disabled);
        else if (down)
            p.setBrush(look.pressed);
        else if (backColor_.isValid())
            p.setBrush(FaceBrush(backColor_.lighter(112), backColor_.darker(108)));
        else
            p.setBrush(hovered_ ? look.hover : look.normal);
        p.setPen(!enabled ? look.disabledBorder : hovered_ ? look.hoverBorder : look.border);
        p.drawRoundedRect(face, radius, radius);
        if (hasFocus() && enabled) {
            p.setBrush(Qt::NoBrush);
            p.setPen(look.focusRing);
            p.drawRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
        }
        p.setRenderHint(QPainter::Antialiasing, false);
    }

    // The pressed look moves the content down and right by one pixel.
    QRect content = rect().adjusted(3, 2, -3, -2);
    if (down) content.translate(1, 1);
    if (!icon_.isNull()) {
        const int side = std::min({16, content.height(), content.width()});
        const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
        if (caption_.isEmpty()) {
            icon_.paint(&p, QRect(content.center() - QPoint(side / 2, side / 2), QSize(side, side)),
                        Qt::AlignCenter, mode);
            return;
        }
        icon_.paint(&p, QRect(content.left() + 2, content.center().y() - side / 2, side, side),
                    Qt::AlignCenter, mode);
        content.setLeft(content.left() + side + 4);
    }
    if (caption_.isEmpty()) return;
    p.setPen(enabled ? FromBgr(foreColor_) : look.disabledText);
    p.drawText(content, Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

void isButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        pressed_ = true;
        update();
    }
    e->accept();
}

void isButton::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = e->button() == Qt::LeftButton && pressed_ && rect().contains(e->pos());
    if (e->button() == Qt::LeftButton) {
        pressed_ = false;
        update();
    }
    // A handler may rebuild the board and delete this button.
    QPointer<isButton> alive(this);
    emit MouseUp(e->button(), e->pos());
    if (alive && click) emit Click();
}

void isButton::mouseMoveEvent(QMouseEvent* e) {
    // While the button is held the pressed look follows the mouse in and out.
    const bool inside = rect().contains(e->pos());
    if (pressed_ && inside != hovered_) {
        hovered_ = inside;
        update();
    }
}

void isButton::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Space:
        if (!e->isAutoRepeat()) {
            spaceDown_ = true;
            update();
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Delete:
        emit KeyDown(e->key());
        return;
    default:
        break;
    }
    const QString text = e->text();
    if (text.size() == 1 && text[0].isPrint() && !(e->modifiers() & Qt::ControlModifier)) {
        emit KeyPress(text[0]);
        return;
    }
    QWidget::keyPressEvent(e); // not ours: let the window see it
}

void isButton::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && spaceDown_) {
        spaceDown_ = false;
        update();
        emit Click();
        return;
    }
    QWidget::keyReleaseEvent(e);
}

void isButton::enterEvent(QEnterEvent*) {
    hovered_ = true;
    update();
}

void isButton::leaveEvent(QEvent*) {
    hovered_ = false;
    update();
}

void isButton::focusInEvent(QFocusEvent*) {
    update();
}

void isButton::focusOutEvent(QFocusEvent*) {
    pressed_ = spaceDown_ = false;
    update();
}

} // namespace sv
