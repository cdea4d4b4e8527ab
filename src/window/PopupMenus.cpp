#include "window/PopupMenus.h"

#include <QMenu>

namespace sv {

void QtPopupMenus::Popup(QMenu& menu, const QPoint& globalPos) {
    menu.exec(globalPos);
}

} // namespace sv
