// The popup-menu window (captions, load order, entries' signals), the skins menu and the
// background; and the pictures shipped with the program.
#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "settings/SettingsStore.h"
#include "settings/UiText.h"
#include "window/frmPop.h"
#include "window/PopupMenus.h"
#include "window/Skins.h"

using namespace sv;

namespace {

// Records which menu was popped up instead of holding the event loop.
struct RecordingMenus : PopupMenus {
    QList<QMenu*> popped;
    void Popup(QMenu& menu, const QPoint&) override { popped << &menu; }
};

QStringList Captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) out << (a->isSeparator() ? "-" : a->text());
    return out;
}

void SavePicture(const QString& path, const QColor& colour, QSize size = {100, 80}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT
    QTemporaryDir program_;
    QString Skins() const { return program_.filePath("skins"); }

private slots:
    void init() {
        SetDefaultUiTexts();
        QDir(Skins()).removeRecursively();
        QFile::remove(program_.filePath("store.ini"));
    }

    void loadGivesTheCaptions() {
        frmPop pop;
        QCOMPARE(Captions(pop.mnuTasknook),
                 (QStringList{"Réafficher Sudoku Voltane", "Aide de Sudoku Voltane", "-",
                              "Site de l'auteur", "-", "Quitter Sudoku Voltane"}));
        QCOMPARE(Captions(pop.mnuPrint), (QStringList{"Ce puzzle", "Plus de puzzles"}));
        QCOMPARE(Captions(pop.mnuLevel), (QStringList{"Easy", "Mild", "Moderate", "Difficult",
                                                      "Hard", "Harder", "Hardest"}));
        QCOMPARE(Captions(pop.mnuPopup).join(""), QString("0123456789ABCDEFG"));
        for (QAction* a : {pop.Reafficher, pop.mnuAide, pop.Site, pop.Quitter})
            QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
        QVERIFY(pop.isHidden());
    }

    void menusAreInstalledBetweenTheTrayAndPrintCaptions() {
        QStringList seenTray, seenPrint, keys;
        frmPop pop([&](frmPop& p) {
            seenTray = Captions(p.mnuTasknook);
            seenPrint = Captions(p.mnuPrint);
            for (const auto& picture : p.I) keys << picture.key;
        });
        QCOMPARE(seenTray, Captions(pop.mnuTasknook));
        QCOMPARE(seenPrint, (QStringList{"This Puzzle", "Print more puzzles"}));
        QCOMPARE(keys, (QStringList{"Réafficher Sudoku Voltane", "Aide de Sudoku Voltane",
                                    "Quitter Sudoku Voltane", "Site de l'auteur"}));
    }

    void languageFileWordingKeepsThePicture() {
        UiText[76] = "Show again";
        frmPop pop;
        QCOMPARE(pop.Reafficher->text(), QString("Show again Sudoku Voltane"));
        QVERIFY(!pop.Reafficher->icon().isNull());
        QVERIFY(!pop.PictureFor("SHOW AGAIN sudoku voltane").isNull());
        QVERIFY(pop.PictureFor("Something else").isNull());
    }

    void entriesSignalTheirChoice() {
        frmPop pop;
        QSignalSpy level(&pop, &frmPop::mnuLevClicked);
        QSignalSpy symbol(&pop, &frmPop::PopupClicked);
        QSignalSpy quit(&pop, &frmPop::QuitterClicked);
        pop.mnuLev[4]->trigger();
        pop.mnuLev_Click(2); // start-up calls the handler directly
        QCOMPARE(level.size(), 2);
        QCOMPARE(level[0][0].toInt(), 4);
        QCOMPARE(level[1][0].toInt(), 2);

        pop.ResetPopup();
        QVERIFY(pop.PopupEntryVisible(0));
        pop.SetPopupEntry(0, false);
        pop.SetPopupEntry(3, true, true);
        pop.SetPopupEntry(5, true, false);
        pop.Popup[3]->trigger(); // choosing the checked symbol again
        pop.Popup[5]->trigger();
        QCOMPARE(symbol.size(), 2);
        QCOMPARE(symbol[0], (QList<QVariant>{3, true}));
        QCOMPARE(symbol[1], (QList<QVariant>{5, false}));
        QVERIFY(pop.PopupEntryChecked(3)); // the mark it carried, not Qt's toggle

        pop.ResetPopup();
        for (int k = 1; k < 17; ++k) {
            QVERIFY(!pop.PopupEntryVisible(k));
            QVERIFY(!pop.PopupEntryChecked(k));
        }
        pop.Quitter->trigger();
        QCOMPARE(quit.size(), 1);
    }

    void skinsComeFromTheFolder() {
        QDir().mkpath(Skins() + "/Fond_Zadude_Dir");
        for (const char* name :
             {"Fond_Zadude_B.png", "Fond_Zadude_A&B.jpg", "fond_zadude_c.png", "Other.png"})
            SavePicture(Skins() + '/' + name, Qt::green);
        QCOMPARE(SkinNames(program_.path()),
                 (QStringList{"Fond_Zadude_A&B.jpg", "Fond_Zadude_B.png", "Fond_Zadude_Dir"}));
        QVERIFY(SkinNames(program_.filePath("nowhere")).isEmpty());

        frmPop pop;
        pop.FillSkins({"Fond_Zadude_A&B.jpg", "Fond_Zadude_B.png"});
        pop.FillSkins({"Fond_Zadude_A&B.jpg", "Fond_Zadude_B.png"}); // rebuilt, not added to
        QCOMPARE(pop.skins.size(), 2);
        QSignalSpy chosen(&pop, &frmPop::skinsClicked);
        pop.skins[0]->trigger();
        QCOMPARE(chosen[0][0].toString(), QString("Fond_Zadude_A&B.jpg"));
    }

    void rightClickOnTheBackground_data() {
        QTest::addColumn<QString>("etatColor");
        QTest::addColumn<bool>("withSkins");
        QTest::addColumn<bool>("shown");
        QTest::newRow("picture mode with skins") << "0" << true << true;
        QTest::newRow("picture mode, no skins") << "0" << false << false;
        QTest::newRow("colour mode") << "1" << true << false;
    }
    void rightClickOnTheBackground() {
        QFETCH(QString, etatColor);
        QFETCH(bool, withSkins);
        QFETCH(bool, shown);
        if (withSkins) {
            QDir().mkpath(Skins());
            SavePicture(Skins() + "/Fond_Zadude_Red.png", Qt::red);
            SavePicture(Skins() + "/Fond_Zadude_Blue.png", Qt::blue);
        }
        SettingsStore store(program_.filePath("store.ini"));
        store.SaveSetting(setting::EtatColor, etatColor);
        QWidget window;
        frmPop pop;
        RecordingMenus menus;
        sv::Skins skins(&window, pop, menus, store, program_.path());
        QCOMPARE(skins.BackgroundRightClick({10, 10}), shown);
        QCOMPARE(menus.popped, shown ? QList<QMenu*>{pop.MnuSkins} : QList<QMenu*>{});
        if (!shown) return;
        QCOMPARE(Captions(pop.MnuSkins),
                 (QStringList{"Fond_Zadude_Blue.png", "Fond_Zadude_Red.png"}));
        pop.skins[1]->trigger();
        QCOMPARE(store.GetSetting(setting::Skin), QString("Fond_Zadude_Red.png"));
        QCOMPARE(skins.CurrentPicture(), Skins() + "/Fond_Zadude_Red.png");
    }

    void storedBackgroundIsShown_data() {
        QTest::addColumn<QString>("etatColor");
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("couleur");
        QTest::addColumn<QColor>("atCorner"); // inside the picture
        QTest::addColumn<QColor>("farAway");  // beyond the picture
        const QColor white(Qt::white), green(Qt::green), grey(0x80, 0x80, 0x80);
        QTest::newRow("skin at its own size") << "0"
                                              << "Fond_Zadude_G.png"
                                              << "" << green << white;
        QTest::newRow("skin name with blanks") << "0"
                                               << "  Fond_Zadude_G.png "
                                               << "" << green << white;
        QTest::newRow("missing skin: plain") << "0"
                                             << "Fond_Zadude_Gone.png"
                                             << "" << white << white;
        QTest::newRow("unreadable skin: plain") << "0"
                                                << "Fond_Zadude_Bad.png"
                                                << "" << white << white;
        QTest::newRow("no skin: unchanged") << "0"
                                            << ""
                                            << "" << grey << grey;
        QTest::newRow("colour mode, red") << "1"
                                          << "Fond_Zadude_G.png"
                                          << "255" << QColor(Qt::red) << QColor(Qt::red);
        QTest::newRow("colour mode, default white") << "1"
                                                    << ""
                                                    << "" << white << white;
    }
    void storedBackgroundIsShown() {
        QFETCH(QString, etatColor);
        QFETCH(QString, skin);
        QFETCH(QString, couleur);
        QFETCH(QColor, atCorner);
        QFETCH(QColor, farAway);
        QDir().mkpath(Skins());
        SavePicture(Skins() + "/Fond_Zadude_G.png", Qt::green);
        QFile bad(Skins() + "/Fond_Zadude_Bad.png");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        SettingsStore store(program_.filePath("store.ini"));
        store.SaveSetting(setting::EtatColor, etatColor);
        store.SaveSetting(setting::Skin, skin);
        if (!couleur.isEmpty()) store.SaveSetting(setting::Couleur, couleur);

        QWidget window;
        window.resize(300, 200);
        frmPop pop;
        RecordingMenus menus;
        sv::Skins skins(&window, pop, menus, store, program_.path());
        QCOMPARE(window.grab().toImage().pixelColor(5, 5), QColor(Qt::white));
        SetWindowBackground(&window, QColor(0x80, 0x80, 0x80), QPixmap()); // what was before
        skins.AfficherFond();
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.pixelColor(5, 5), atCorner);
        QCOMPARE(shot.pixelColor(250, 150), farAway);
    }

    // The options switch a skinned window to a plain colour: the skin must go.
    void colourModeRemovesTheShownSkin() {
        QDir().mkpath(Skins());
        SavePicture(Skins() + "/Fond_Zadude_G.png", Qt::green);
        SettingsStore store(program_.filePath("store.ini"));
        store.SaveSetting(setting::Skin, "Fond_Zadude_G.png");
        QWidget window;
        window.resize(300, 200);
        frmPop pop;
        RecordingMenus menus;
        sv::Skins skins(&window, pop, menus, store, program_.path());
        skins.AfficherFond();
        QCOMPARE(window.grab().toImage().pixelColor(5, 5), QColor(Qt::green));

        store.SaveSetting(setting::EtatColor, 1);
        store.SaveSetting(setting::Couleur, 255);
        skins.AfficherFond();
        QCOMPARE(window.grab().toImage().pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(skins.CurrentPicture(), QString());
    }

    void shippedPicturesAreReadable() {
        const QString data = QStringLiteral(SV_SOURCE_DIR) + "/data";
        QImageReader icon(data + "/me.ico");
        QVERIFY2(icon.canRead(), qPrintable(icon.errorString()));
        QVERIFY(icon.imageCount() >= 2);
        QVERIFY(!QIcon(data + "/me.ico").pixmap(16, 16).isNull());
        const QStringList names = SkinNames(data);
        QVERIFY(names.size() >= 2);
        for (const QString& name : names) {
            const QImage image(SkinPath(data, name));
            QCOMPARE(image.size(), QSize(747, 582));
        }
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
