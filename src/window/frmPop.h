#pragma once
// The window that owns every popup menu of the program. It is created once at start-up, never
// shown, and lives until the program ends; the main window pops its menus up at the mouse and
// reacts to its signals. Entry names follow the menus: mnuLev(0..6), Popup(0..16), ...
#include <array>
#include <functional>
#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QMenu;

namespace sv {

class frmPop : public QWidget {
    Q_OBJECT
public:
    // Called once during load, after the tray menu's captions and pictures are set and before
    // the print menu's captions are: it may turn the menus into drawn menus with pictures.
    using MenuInstaller = std::function<void(frmPop&)>;

    // Builds the menus with their design captions, then loads: tray menu captions from the
    // interface texts (pictures keyed by those captions), `installGraphicalMenus`, print captions.
    explicit frmPop(MenuInstaller installGraphicalMenus = {}, QWidget* parent = nullptr);

    // Level menu: seven entries in level order; CaptionLevelMenu gives them the level names.
    QMenu* mnuLevel = nullptr;
    std::array<QAction*, 7> mnuLev{};
    // A cell's possible symbols: "0" (nothing possible), then "1".."9", "A".."G".
    QMenu* mnuPopup = nullptr;
    std::array<QAction*, 17> Popup{};
    // Print menu.
    QMenu* mnuPrint = nullptr;
    QAction* mnuPrintThis = nullptr;
    QAction* mnuPrintBook = nullptr;
    // Skins menu: entry 0 always exists; FillSkins adds the rest.
    QMenu* MnuSkins = nullptr;
    QList<QAction*> skins;
    // Tray menu.
    QMenu* mnuTasknook = nullptr;
    QAction* Reafficher = nullptr;
    QAction* mnuAide = nullptr;
    QAction* Site = nullptr;
    QAction* Quitter = nullptr;

    // The image list `I`: four pictures (Réafficher, help, Quitter, web site), keyed by the
    // caption of the entry they belong to.
    struct Picture {
        QString key;
        QIcon icon;
    };
    std::array<Picture, 4> I;
    // The picture whose key equals `caption`, upper and lower case alike; null icon when none.
    QIcon PictureFor(const QString& caption) const;

    // The level menu's handler: emits mnuLevClicked(level) at once. Start-up calls it with the
    // stored level, as a choice in the menu does.
    void mnuLev_Click(int level);

    // The symbol menu, prepared before each use: ResetPopup shows only entry 0 and clears all
    // check marks; SetPopupEntry shows entry k, with a check mark when `checked`.
    void ResetPopup();
    void SetPopupEntry(int k, bool visible, bool checked = false);
    bool PopupEntryVisible(int k) const;
    bool PopupEntryChecked(int k) const;
    // Choice of entry k: emits PopupClicked(k, whether k carried the check mark).
    void Popup_Click(int k);

    // Skins menu: entry 0 stays, the others are removed; then one entry per name, in order.
    void FillSkins(const QStringList& names);

signals:
    void mnuLevClicked(int level);
    void PopupClicked(int k, bool wasChecked);
    void mnuPrintThisClicked();
    void mnuPrintBookClicked();
    void skinsClicked(const QString& caption);
    void ReafficherClicked();
    void mnuAideClicked();
    void SiteClicked();
    void QuitterClicked();

private:
    void BuildMenus();
    void Load(const MenuInstaller& installGraphicalMenus);
    std::array<bool, 17> popupChecked_{};
};

} // namespace sv
