#include "shell/WindowServices.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "settings/SettingsStore.h"

namespace sv {

int TransparencyAlpha(int level) {
    switch (level) {
    case 1:
        return 191;
    case 2:
        return 127;
    case 3:
        return 64;
    default:
        return 255;
    }
}

void SetWindowAlpha(QWidget* window, bool layered, int alpha) {
    if (!window) return;
    window->window()->setWindowOpacity(layered ? qBound(0, alpha, 255) / 255.0 : 1.0);
}

void ApplyTransparency(QWidget* window, int level) {
    SetWindowAlpha(window, true, TransparencyAlpha(level));
}

void ApplyTransparency(QWidget* window, const SettingsStore& store) {
    ApplyTransparency(window, store.GetInt(setting::Transparence, 0));
}

namespace {

void SetStaysOnTop(QWidget* window, bool onTop) {
    if (!window) return;
    QWidget* top = window->window();
    if (top->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    // Changing the flags of a shown window hides it; give it back as it was.
    const bool wasVisible = top->isVisible();
    top->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) top->show();
}

} // namespace

void clsOnTop::MakeTopMost(QWidget* window) const {
    SetStaysOnTop(window, true);
}

void clsOnTop::MakeNormal(QWidget* window) const {
    SetStaysOnTop(window, false);
}

void RendreVisible(QWidget* window, bool onTop) {
    const clsOnTop onTopSwitch;
    if (onTop)
        onTopSwitch.MakeTopMost(window);
    else
        onTopSwitch.MakeNormal(window);
}

void RendreVisible(QWidget* window, const SettingsStore& store) {
    RendreVisible(window, store.GetInt(setting::Visible, kDefaultVisible) != 0);
}

bool StartWindowDrag(QWidget* window) {
    if (!window) return false;
    QWindow* handle = window->window()->windowHandle();
    return handle && handle->startSystemMove();
}

namespace {

// Drags the handle's window: through the window manager for the left button where it can,
// otherwise by following the mouse until the button is released.
class DragFilter : public QObject {
public:
    explicit DragFilter(QWidget* handle) : QObject(handle), handle_(handle) {}

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            QWidget* window = handle_->window();
            if (e->button() == Qt::LeftButton && StartWindowDrag(window)) return true;
            grab_ = e->globalPosition().toPoint() - window->pos();
            dragging_ = true;
            return true;
        }
        case QEvent::MouseMove:
            if (!dragging_) return false;
            handle_->window()->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() -
                                    grab_);
            return true;
        case QEvent::MouseButtonRelease:
            if (!dragging_) return false;
            dragging_ = false;
            return true;
        default:
            return false;
        }
    }

private:
    QWidget* handle_;
    QPoint grab_;
    bool dragging_ = false;
};

} // namespace

void MakeDragHandle(QWidget* handle) {
    if (handle) handle->installEventFilter(new DragFilter(handle));
}

QUrl DocumentUrl(const QString& target) {
    const QFileInfo file(target);
    if (!target.contains(QStringLiteral("://")) && file.exists())
        return QUrl::fromLocalFile(file.absoluteFilePath());
    return QUrl::fromUserInput(target);
}

void OpenDocument(const QString& target, QWidget*) {
    QDesktopServices::openUrl(DocumentUrl(target));
}

void PrepareOverMainWindow(QWidget* window, QWidget* mainWindow, const SettingsStore& store) {
    RendreVisible(window, store);
    if (mainWindow) {
        const QRect m = mainWindow->frameGeometry();
        // Integer division: the halves are rounded toward zero, as the stored places are.
        window->move(m.left() + (m.width() - window->width()) / 2,
                     m.top() + (m.height() - window->height()) / 2);
        window->setWindowIcon(mainWindow->windowIcon());
    }
    ApplyTransparency(window, store);
}

} // namespace sv
