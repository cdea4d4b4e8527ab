#include "settings/ConfirmQuit.h"

#include <QWidget>

#include "settings/SettingsStore.h"
#include "settings/Twips.h"
#include "settings/UiTextQt.h"
#include "shell/Dialogs.h"

namespace sv {

QString ConfirmQuitText() {
    return Ui(82) + ' ' + kProgramTitle + " ?";
}

bool ConfirmQuit(QWidget* mainWindow, Dialogs& dialogs, SettingsStore& store) {
    if (!dialogs.YesNo(mainWindow, ConfirmQuitText(), kProgramTitle)) return false;
    if (mainWindow) {
        // The frame's corner: what the next start gives back to move().
        const QPoint at = mainWindow->pos();
        store.SaveSetting(setting::Left, PixelsToTwips(at.x()));
        store.SaveSetting(setting::Top, PixelsToTwips(at.y()));
    }
    return true;
}

} // namespace sv
