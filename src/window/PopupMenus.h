#pragma once
// Popup menus hold the event loop until the player picks an entry or dismisses them, so the
// main window pops them up through this seam; tests pick entries without blocking.
#include <QPoint>

class QMenu;

namespace sv {

class PopupMenus {
public:
    virtual ~PopupMenus() = default;
    // Pops `menu` up at `globalPos`; a chosen entry fires its action's triggered signal.
    virtual void Popup(QMenu& menu, const QPoint& globalPos) = 0;
};

class QtPopupMenus : public PopupMenus {
public:
    void Popup(QMenu& menu, const QPoint& globalPos) override;
};

} // namespace sv
