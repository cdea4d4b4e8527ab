#include "window/frmPop.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include "settings/UiTextQt.h"

namespace sv {

namespace {

// An action's caption shows "&" as a shortcut mark; names from the disk are shown as they are.
QString Literal(QString caption) {
    return caption.replace('&', QStringLiteral("&&"));
}

enum class TrayPicture { Reafficher, Aide, Quitter, Site };

// The four small pictures of the tray menu, drawn here so the program ships no image files
// for them and they stay sharp at any scale.
QIcon DrawPicture(TrayPicture which) {
    QIcon icon;
    for (const int side : {16, 32}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 16.0, side / 16.0);
        switch (which) {
        case TrayPicture::Reafficher: // a window with a blue title bar
            p.setPen(QPen(QColor(0x2B, 0x4F, 0x86), 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x3C, 0x7F, 0xD6));
            p.drawRect(QRectF(2, 3, 12, 3));
            break;
        case TrayPicture::Aide: // a question mark on a blue disc
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2F, 0x7B, 0xD9));
            p.drawEllipse(QRectF(1, 1, 14, 14));
            p.setPen(Qt::white);
            p.setFont(QFont(QStringLiteral("Sans"), 9, QFont::Bold));
            p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
            break;
        case TrayPicture::Quitter: // a white cross on a red disc
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xD9, 0x3A, 0x2F));
            p.drawEllipse(QRectF(1, 1, 14, 14));
            p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
            p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
            break;
        case TrayPicture::Site: { // a globe
            p.setBrush(QColor(0x4C, 0xA8, 0xE0));
            p.setPen(QPen(QColor(0x1E, 0x5E, 0x96), 1));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(5, 1.5, 6, 13));
            p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
            p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
            break;
        }
        }
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

// Without the drawn-menus library, plain menus still show each entry's picture: the one whose
// key equals the caption.
void ShowPicturesInPlainMenus(frmPop& pop) {
    for (QMenu* menu : pop.findChildren<QMenu*>())
        for (QAction* action : menu->actions()) {
            const QIcon icon = pop.PictureFor(action->text());
            if (!icon.isNull()) action->setIcon(icon);
        }
}

} // namespace

frmPop::frmPop(MenuInstaller installGraphicalMenus, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmPop"));
    BuildMenus();
    Load(installGraphicalMenus ? installGraphicalMenus : MenuInstaller(ShowPicturesInPlainMenus));
}

void frmPop::BuildMenus() {
    static const char* const levelKeys[7] = {"Easy", "Mild",   "Moderate", "Difficult",
                                             "Hard", "Harder", "Hardest"};
    mnuLevel = new QMenu(this);
    for (int i = 0; i < 7; ++i) {
        mnuLev[i] = mnuLevel->addAction(QString::fromLatin1(levelKeys[i]));
        connect(mnuLev[i], &QAction::triggered, this, [this, i] { mnuLev_Click(i); });
    }

    mnuPopup = new QMenu(this);
    static const QString symbols = QStringLiteral("0123456789ABCDEFG");
    for (int k = 0; k < 17; ++k) {
        Popup[k] = mnuPopup->addAction(symbols.mid(k, 1));
        Popup[k]->setCheckable(true);
        connect(Popup[k], &QAction::triggered, this, [this, k] { Popup_Click(k); });
    }

    mnuPrint = new QMenu(this);
    mnuPrintThis = mnuPrint->addAction(QStringLiteral("This Puzzle"));
    mnuPrintBook = mnuPrint->addAction(QStringLiteral("Print more puzzles"));
    connect(mnuPrintThis, &QAction::triggered, this, &frmPop::mnuPrintThisClicked);
    connect(mnuPrintBook, &QAction::triggered, this, &frmPop::mnuPrintBookClicked);

    MnuSkins = new QMenu(this);
    skins << MnuSkins->addAction(QString());
    connect(skins[0], &QAction::triggered, this,
            [this] { emit skinsClicked(skins[0]->data().toString()); });

    mnuTasknook = new QMenu(this);
    Reafficher = mnuTasknook->addAction(QString());
    mnuAide = mnuTasknook->addAction(QStringLiteral("Afficher l'aide"));
    mnuTasknook->addSeparator();
    Site = mnuTasknook->addAction(QString());
    mnuTasknook->addSeparator();
    Quitter = mnuTasknook->addAction(QStringLiteral("Quitter"));
    connect(Reafficher, &QAction::triggered, this, &frmPop::ReafficherClicked);
    connect(mnuAide, &QAction::triggered, this, &frmPop::mnuAideClicked);
    connect(Site, &QAction::triggered, this, &frmPop::SiteClicked);
    connect(Quitter, &QAction::triggered, this, &frmPop::QuitterClicked);
}

void frmPop::Load(const MenuInstaller& installGraphicalMenus) {
    const QString title = QString::fromLatin1(kProgramTitle);
    // The pictures are keyed by the captions, so they follow a language file's wording.
    Reafficher->setText(Ui(76) + ' ' + title);
    I[0] = {Reafficher->text(), DrawPicture(TrayPicture::Reafficher)};
    mnuAide->setText(Ui(0) + ' ' + title);
    I[1] = {mnuAide->text(), DrawPicture(TrayPicture::Aide)};
    Quitter->setText(Ui(77) + ' ' + title);
    I[2] = {Quitter->text(), DrawPicture(TrayPicture::Quitter)};
    Site->setText(Ui(92));
    I[3] = {Site->text(), DrawPicture(TrayPicture::Site)};
    installGraphicalMenus(*this);
    mnuPrintThis->setText(Ui(61));
    mnuPrintBook->setText(Ui(62));
}

QIcon frmPop::PictureFor(const QString& caption) const {
    for (const Picture& picture : I)
        if (!picture.key.isEmpty() && picture.key.compare(caption, Qt::CaseInsensitive) == 0)
            return picture.icon;
    return QIcon();
}

void frmPop::mnuLev_Click(int level) {
    emit mnuLevClicked(level);
}

void frmPop::ResetPopup() {
    for (int k = 0; k < 17; ++k) SetPopupEntry(k, k == 0, false);
}

void frmPop::SetPopupEntry(int k, bool visible, bool checked) {
    if (k < 0 || k >= 17) return;
    Popup[k]->setVisible(visible);
    Popup[k]->setChecked(checked);
    popupChecked_[k] = checked;
}

bool frmPop::PopupEntryVisible(int k) const {
    return k >= 0 && k < 17 && Popup[k]->isVisible();
}

bool frmPop::PopupEntryChecked(int k) const {
    return k >= 0 && k < 17 && popupChecked_[k];
}

void frmPop::Popup_Click(int k) {
    if (k < 0 || k >= 17) return;
    // Choosing a checkable entry flips its mark before we hear of it; what counts is the mark
    // it carried when the menu opened.
    const bool wasChecked = popupChecked_[k];
    Popup[k]->setChecked(wasChecked);
    emit PopupClicked(k, wasChecked);
}

void frmPop::FillSkins(const QStringList& names) {
    while (skins.size() > 1) delete skins.takeLast();
    skins[0]->setText(names.isEmpty() ? QString() : Literal(names[0]));
    skins[0]->setData(names.isEmpty() ? QString() : names[0]);
    skins[0]->setVisible(!names.isEmpty());
    for (qsizetype n = 1; n < names.size(); ++n) {
        QAction* entry = MnuSkins->addAction(Literal(names[n]));
        entry->setData(names[n]);
        connect(entry, &QAction::triggered, this,
                [this, entry] { emit skinsClicked(entry->data().toString()); });
        skins << entry;
    }
}

} // namespace sv
