#pragma once
// The main window's background: a skin picture from the "skins" folder beside the program, or a
// plain colour; and the skins menu offered by a right-button click on the background.
#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

namespace sv {

class SettingsStore;
class frmPop;
class PopupMenus;

// Names in "<programDir>/skins" (files and folders alike) that begin with "Fond_Zadude_"
// (case matters), in name order. Empty when there is no such folder.
QStringList SkinNames(const QString& programDir);
// "<programDir>/skins/<name trimmed>".
QString SkinPath(const QString& programDir, const QString& name);

// Paints `window`'s background: `colour`, with `picture` (when not null) drawn at its own size
// from the top-left corner, under all controls.
void SetWindowBackground(QWidget* window, const QColor& colour, const QPixmap& picture);

class Skins : public QObject {
    Q_OBJECT
public:
    // Works on `window`'s background, with `pop`'s skins menu (popped up through `menus`);
    // listens to the menu's choices. The window starts plain white, its design background.
    Skins(QWidget* window, frmPop& pop, PopupMenus& menus, SettingsStore& store,
          const QString& programDir);

    // Applies the stored background. Picture mode ("Options"/"EtatColor" 0) with a stored skin:
    // white behind the picture; a missing or unreadable picture leaves the plain background
    // (white) rather than a broken one. Picture mode without a skin: unchanged. Colour mode:
    // "Options"/"Couleur", no picture.
    void AfficherFond();

    // Right button released on the background (not on a control): in picture mode, fills the
    // skins menu from the folder and pops it up at `globalPos`. Returns whether it was shown.
    bool BackgroundRightClick(const QPoint& globalPos);

    // A skin chosen from the menu: stores its name and shows it (the colour is left as is).
    void ChooseSkin(const QString& caption);

    // What is shown now (for tests): the picture's path, empty when none.
    QString CurrentPicture() const { return currentPicture_; }
    QColor CurrentColour() const { return currentColour_; }

private:
    bool ShowPicture(const QString& name);
    void Paint();

    QWidget* window_;
    frmPop& pop_;
    PopupMenus& menus_;
    SettingsStore& store_;
    QString programDir_;
    QString currentPicture_;
    QPixmap picture_;
    QColor currentColour_{Qt::white};
};

} // namespace sv
