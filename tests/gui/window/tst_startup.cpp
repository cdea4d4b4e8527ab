// Start-up: the board for the stored size, the first puzzle, the refused second copy, the
// stored position and level, the player name, and quitting.
#include <algorithm>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLockFile>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "controls/isButton.h"
#include "controls/Panel3D.h"
#include "controls/XP_ProgressBar.h"
#include "GameFixture.h"
#include "settings/Twips.h"
#include "window/frmPop.h"
#include "window/SingleInstance.h"

using namespace sv;
using namespace sv::test;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstPuzzleOnEmptyStore_data();
    void firstPuzzleOnEmptyStore();
    void secondCopyBuildsNothing();
    void unreadableLanguageFileStopsWithItsError();
    void fileLockRefusesLiveOwnerAndFreesCrashedOne();
    void storedPlaceAndLevel_data();
    void storedPlaceAndLevel();
    void levelWithoutPuzzleLeavesLockedBoard();
    void playerName_data();
    void playerName();
    void quitQuestion();
};

void StartupTest::firstPuzzleOnEmptyStore_data() {
    QTest::addColumn<int>("griller");
    QTest::addColumn<int>("cells");
    QTest::addColumn<QRect>("firstCell");
    QTest::addColumn<QRect>("lastCell");
    QTest::addColumn<QRect>("statusStrip"); // left, top, width (height unchecked)
    QTest::newRow("9x9") << 0 << 81 << QRect(185, 120, 40, 40) << QRect(525, 460, 40, 40)
                         << QRect(185, 515, 380, 0);
    QTest::newRow("16x16") << 1 << 256 << QRect(165, 120, 24, 24)
                           << QRect(165 + 15 * 24 + 30, 120 + 15 * 24 + 30, 24, 24)
                           << QRect(165, 120 + 15 * 24 + 30 + 24 + 15, 414, 0);
}

void StartupTest::firstPuzzleOnEmptyStore() {
    QFETCH(int, griller);
    QFETCH(int, cells);
    QFETCH(QRect, firstCell);
    QFETCH(QRect, lastCell);
    QFETCH(QRect, statusStrip);
    GameFixture f;
    if (griller) f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Griller"), griller);
    frmSOLVER& w = f.Start();

    QCOMPARE(w.size(), QSize(747, 582));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.windowTitle(), QStringLiteral("Sudoku Voltane"));
    QCOMPARE(w.board().CellCount(), cells);
    QCOMPARE(w.Cell(1)->geometry(), firstCell);
    QCOMPARE(w.Cell(cells)->geometry(), lastCell);
    const QRect sb = w.SB()->geometry();
    QCOMPARE(QRect(sb.left(), sb.top(), sb.width(), 0), statusStrip);
    QCOMPARE(w.LevLabel()->x(), firstCell.left());
    QCOMPARE(w.LevLabel()->y(), 60);
    QCOMPARE(w.LevLabel()->width(), statusStrip.width());

    // The book's puzzle, scrambled: as many givens, red and locked; the other cells empty
    // and black.
    const std::string book = griller ? BookPuzzle16() : BookPuzzle9(0);
    const auto clues = std::count_if(book.begin(), book.end(), [](char c) { return c != '0'; });
    int givens = 0;
    for (int k = 1; k <= cells; ++k) {
        const bool given = !w.board().Text(k).empty();
        givens += given;
        QCOMPARE(w.board().Colour(k), given ? kColourRed : kColourBlack);
        QCOMPARE(w.Cell(k)->Caption(), QString::fromStdString(w.board().Text(k)));
        QCOMPARE(w.Cell(k)->ForeColor(), w.board().Colour(k));
    }
    QCOMPARE(givens, clues);
    QCOMPARE(w.InitialGrid, w.board().GridString());
    QCOMPARE(w.LevLabel()->Caption(), QStringLiteral("Niveau : Facile"));
    QCOMPARE(w.CurrentLevel, 0);
    for (isButton* b : {w.BtnCreate(), w.btnLoad(), w.BtnSave(), w.btnOptions(), w.btnPrint(),
                        w.mnuHelp(), w.btnReset(), w.btnHint(), w.cmdSOLVE(), w.cmdCLEAR()})
        QVERIFY2(b->isEnabled(), qPrintable(b->Caption()));
    QCOMPARE(w.BtnCreate()->Caption(), QStringLiteral("Créer"));
    QCOMPARE(w.cmdCLEAR()->Caption(), QStringLiteral("Vider la grille"));
    QCOMPARE(w.Quitter()->toolTip(), QStringLiteral("Fermer"));
    QCOMPARE(w.Minimiser()->toolTip(), QStringLiteral("Minimiser"));
    QCOMPARE(w.BtnUrl()->toolTip(), QStringLiteral("Site de l'auteur"));
    QCOMPARE(w.FileFilter(), QStringLiteral("Fichiers de Sudoku Voltane|*.suf"));
    QVERIFY(w.ClockRuns());
    QCOMPARE(w.lTemps()->Caption(), QStringLiteral("00:00"));
    QCOMPARE(w.Selection(), 0);
    QVERIFY(!w.Curseur()->isVisible());
    QVERIFY(!w.BP()->isVisible());
    QVERIFY(!w.RightClickHelp);
    QVERIFY(!w.model().AllowGuessing);
    QVERIFY(f.dialogs.shown.empty());
    QCOMPARE(f.store.GetSetting(QStringLiteral("Niveau"), QStringLiteral("Level")),
             QStringLiteral("0"));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(w.pop().mnuLev[i]->text(), QString::fromStdString(w.creator().LevelLabels[i]));
    QCOMPARE(w.pop().mnuLev[6]->text(), QStringLiteral("Très très dur"));
}

void StartupTest::secondCopyBuildsNothing() {
    GameFixture f;
    f.lock.otherCopyRuns = true;
    frmSOLVER& w = f.Start();
    QVERIFY(w.Refused());
    QVERIFY(!w.isVisible());
    QVERIFY(w.children().isEmpty());
    QVERIFY(f.dialogs.shown.empty());
    // Nothing was read into or written to the store: the running copy's settings stay.
    QVERIFY(f.store.GetSetting(QStringLiteral("Settings"), QStringLiteral("NomJoueur")).isNull());
}

void StartupTest::unreadableLanguageFileStopsWithItsError() {
    GameFixture f;
    QFile lng(f.programDir + "/default.lng");
    QVERIFY(lng.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lng.write("28#:#Nouveau\r\nthis line has no separator\r\n");
    lng.close();
    frmSOLVER& w = f.Start();
    QVERIFY(!w.StartupError().isEmpty());
    QCOMPARE(f.dialogs.Messages(), QStringList{w.StartupError()});
    QCOMPARE(f.dialogs.shown[0].icon, MessageIcon::Critical);
    QVERIFY(!w.isVisible());
    QVERIFY(w.children().isEmpty());
}

void StartupTest::fileLockRefusesLiveOwnerAndFreesCrashedOne() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/game.lock";
    {
        FileInstanceLock first(path);
        FileInstanceLock second(path);
        QVERIFY(first.TryAcquire());
        QVERIFY(!second.TryAcquire());
    }
    // A copy that crashed left its lock file behind, naming a process that no longer exists.
    {
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("2147483646\nsv\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    FileInstanceLock next(path);
    QVERIFY(next.TryAcquire());
}

void StartupTest::storedPlaceAndLevel_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<int>("expectedLevel");
    QTest::addColumn<QString>("label");
    QTest::newRow("stored place and level")
        << "1500"
        << "750"
        << "3" << false << QPoint(100, 50) << 3 << "Niveau : Difficile";
    QTest::newRow("absent: centred, first level")
        << ""
        << ""
        << "" << true << QPoint() << 0 << "Niveau : Facile";
    QTest::newRow("off every screen, level out of range")
        << "-1500000"
        << "900000"
        << "9" << true << QPoint() << 0 << "Niveau : Facile";
    QTest::newRow("not numbers") << "x"
                                 << "1.5"
                                 << "-2" << true << QPoint() << 0 << "Niveau : Facile";
}

void StartupTest::storedPlaceAndLevel() {
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QString, level);
    QFETCH(bool, centred);
    QFETCH(QPoint, place);
    QFETCH(int, expectedLevel);
    QFETCH(QString, label);
    GameFixture f;
    if (!left.isEmpty())
        f.store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("Left"), left);
    if (!top.isEmpty()) f.store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("Top"), top);
    if (!level.isEmpty())
        f.store.SaveSetting(QStringLiteral("Niveau"), QStringLiteral("Level"), level);
    frmSOLVER& w = f.Start(false);
    if (centred) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        place = QPoint(screen.left() + (screen.width() - 747) / 2,
                       screen.top() + (screen.height() - 582) / 2);
    }
    QCOMPARE(w.pos(), place);
    QCOMPARE(w.CurrentLevel, expectedLevel);
    QCOMPARE(w.LevLabel()->Caption(), label);
    QVERIFY(w.board().HasData());
}

void StartupTest::levelWithoutPuzzleLeavesLockedBoard() {
    GameFixture f;
    f.store.SaveSetting(QStringLiteral("Niveau"), QStringLiteral("Level"), 6);
    frmSOLVER& w = f.Start();
    QCOMPARE(f.dialogs.Messages(), QStringList{"Il n'existe pas de puzzle pour ce niveau"});
    QVERIFY(!w.board().HasData());
    for (int k = 1; k <= w.board().CellCount(); ++k) QVERIFY(w.board().IsLocked(k));
    QVERIFY(!w.BtnSave()->isEnabled());
    QVERIFY(!w.btnHint()->isEnabled());
    QVERIFY(w.BtnCreate()->isEnabled());
    QVERIFY(w.ClockRuns());
}

void StartupTest::playerName_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("shown");
    QTest::newRow("stored name, trimmed") << "  Nord "
                                          << "tester"
                                          << "Nord";
    QTest::newRow("first start: login name") << ""
                                             << "tester"
                                             << "tester";
    QTest::newRow("no login name either") << ""
                                          << ""
                                          << "Nouveau";
}

void StartupTest::playerName() {
    QFETCH(QString, stored);
    QFETCH(QString, login);
    QFETCH(QString, shown);
    GameFixture f;
    if (!stored.isEmpty())
        f.store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("NomJoueur"), stored);
    f.login = login;
    frmSOLVER& w = f.Start();
    QCOMPARE(w.NomJoueur()->text(), shown);
    QCOMPARE(f.store.GetSetting(QStringLiteral("Settings"), QStringLiteral("NomJoueur")), shown);

    // A blank name is never kept: the box brings back the stored one.
    w.NomJoueur()->setText(QStringLiteral("Sud"));
    w.NomJoueur()->setText(QStringLiteral("   "));
    QCOMPARE(w.NomJoueur()->text(), QStringLiteral("Sud"));
    QCOMPARE(f.store.GetSetting(QStringLiteral("Settings"), QStringLiteral("NomJoueur")),
             QStringLiteral("Sud"));
}

void StartupTest::quitQuestion() {
    GameFixture f;
    frmSOLVER& w = f.Start(false);
    w.move(200, 100);
    QSignalSpy quit(&w, &frmSOLVER::QuitRequested);

    f.dialogs.yesNoAnswers = {false, true};
    QTest::mouseClick(w.Quitter(), Qt::LeftButton);
    QCOMPARE(quit.count(), 0);
    QVERIFY(w.ClockRuns());
    QVERIFY(f.store.GetSetting(QStringLiteral("Settings"), QStringLiteral("Left")).isNull());

    QTest::mouseClick(w.Quitter(), Qt::LeftButton);
    QCOMPARE(f.dialogs.Questions(),
             QStringList(2, QStringLiteral("Voulez vous vraiment quitter Sudoku Voltane ?")));
    QCOMPARE(quit.count(), 1);
    QCOMPARE(f.store.GetInt(QStringLiteral("Settings"), QStringLiteral("Left"), 0),
             PixelsToTwips(w.x()));
    QCOMPARE(f.store.GetInt(QStringLiteral("Settings"), QStringLiteral("Top"), 0),
             PixelsToTwips(w.y()));
    QCOMPARE(f.store.GetSetting(QStringLiteral("Settings"), QStringLiteral("Tasknook")),
             QStringLiteral("1"));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
