#include "window/Skins.h"

#include <QDir>
#include <QImageReader>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "controls/BgrColor.h"
#include "settings/SettingsStore.h"
#include "window/frmPop.h"
#include "window/PopupMenus.h"

namespace sv {

namespace {
const QString kSkinPrefix = QStringLiteral("Fond_Zadude_");
} // namespace

QStringList SkinNames(const QString& programDir) {
    const QDir folder(QDir(programDir).filePath(QStringLiteral("skins")));
    QStringList names;
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        if (name.startsWith(kSkinPrefix, Qt::CaseSensitive)) names << name;
    return names;
}

QString SkinPath(const QString& programDir, const QString& name) {
    return QDir(programDir).filePath(QStringLiteral("skins/") + name.trimmed());
}

void SetWindowBackground(QWidget* window, const QColor& colour, const QPixmap& picture) {
    QPalette pal = window->palette();
    if (picture.isNull()) {
        pal.setBrush(QPalette::Window, colour);
    } else {
        // One canvas the size of the window: the picture at its own size from the top-left
        // corner, the colour around it when it is smaller (a tiled brush would repeat it).
        QPixmap canvas(window->size().expandedTo(picture.size()));
        canvas.fill(colour);
        QPainter(&canvas).drawPixmap(0, 0, picture);
        pal.setBrush(QPalette::Window, QBrush(canvas));
    }
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

Skins::Skins(QWidget* window, frmPop& pop, PopupMenus& menus, SettingsStore& store,
             const QString& programDir)
    : QObject(window), window_(window), pop_(pop), menus_(menus), store_(store),
      programDir_(programDir) {
    connect(&pop_, &frmPop::skinsClicked, this, &Skins::ChooseSkin);
    Paint();
}

void Skins::AfficherFond() {
    if (store_.GetInt(setting::EtatColor, 0) == 0) {
        const QString name = store_.GetSetting(setting::Skin).trimmed();
        if (name.isEmpty()) return; // no skin chosen: the background stays as it is
        currentColour_ = Qt::white;
        ShowPicture(name);
        return;
    }
    currentColour_ = FromBgr(store_.GetInt(setting::Couleur, kDefaultCouleur));
    currentPicture_.clear();
    picture_ = QPixmap();
    Paint();
}

bool Skins::BackgroundRightClick(const QPoint& globalPos) {
    if (store_.GetInt(setting::EtatColor, 0) == 1) return false;
    const QStringList names = SkinNames(programDir_);
    pop_.FillSkins(names);
    if (names.isEmpty()) return false;
    menus_.Popup(*pop_.MnuSkins, globalPos);
    return true;
}

void Skins::ChooseSkin(const QString& caption) {
    store_.SaveSetting(setting::Skin, caption);
    ShowPicture(caption.trimmed());
}

bool Skins::ShowPicture(const QString& name) {
    const QString path = SkinPath(programDir_, name);
    // A skin deleted or damaged since it was chosen leaves the plain background, not garbage.
    QImageReader reader(path);
    const QImage image = reader.read();
    currentPicture_ = image.isNull() ? QString() : path;
    picture_ = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
    Paint();
    return !image.isNull();
}

void Skins::Paint() {
    if (window_) SetWindowBackground(window_, currentColour_, picture_);
}

} // namespace sv
