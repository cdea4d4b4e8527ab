// The game: one main window over the real seams. `--measure-startup` prints how long it took
// from process start to the first playable board on screen, and the memory in use, then quits.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include "creator/Random.h"
#include "settings/SettingsStore.h"
#include "shell/Dialogs.h"
#include "window/frmSOLVER.h"
#include "window/GameClock.h"
#include "window/PopupMenus.h"
#include "window/Services.h"
#include "window/SingleInstance.h"
#include "window/StartupMeasure.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The standard buttons of message boxes (Yes/No, OK, Cancel) speak the desktop's language,
    // as every other program on it does; our own texts come from the language file.
    QTranslator standardButtons;
    if (standardButtons.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&standardButtons);
    const QStringList args = QApplication::arguments();
    const bool measure = args.contains(QStringLiteral("--measure-startup"));
    const int rebuilds = sv::RebuildCountArgument(args);

    sv::ClockSeededRandom random;
    sv::SettingsStore settings;
    sv::QtDialogs dialogs;
    sv::SystemClock clock;
    sv::FileInstanceLock lock;
    sv::QtPopupMenus menus;
    sv::Services services{dialogs,
                          settings,
                          random,
                          clock,
                          lock,
                          menus,
                          QCoreApplication::applicationDirPath(),
                          sv::SystemLoginName};

    sv::frmSOLVER window(services);
    if (window.Refused()) return 0;
    if (!window.StartupError().isEmpty()) return 1;
    QObject::connect(&window, &sv::frmSOLVER::QuitRequested, &app, &QCoreApplication::quit);
    if (measure || rebuilds > 0) sv::MeasureWhenShown(window, rebuilds);
    window.show();
    return app.exec();
}
