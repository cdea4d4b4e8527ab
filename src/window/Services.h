#pragma once
// Everything the main window reaches outside itself, bundled so tests can hand in doubles:
// modal boxes, the settings store, the random source, the clock, the one-instance lock,
// the popup menus, and the program's own directory.
#include <functional>
#include <QString>

namespace sv {

class Dialogs;
class SettingsStore;
class RandomSource;
class Clock;
class InstanceLock;
class PopupMenus;

struct Services {
    Dialogs& dialogs;
    SettingsStore& settings;
    RandomSource& random;
    Clock& clock;
    InstanceLock& instanceLock;
    PopupMenus& menus;
    // Where the data files (language file, puzzle book, skins, scores) are looked for.
    QString programDir;
    // The operating system's name for the logged-on user.
    std::function<QString()> loginName;
};

// The logged-on user's name as the system knows it, or the empty text.
QString SystemLoginName();

} // namespace sv
