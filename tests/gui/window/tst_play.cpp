// Playing a board: typed symbols and their check, arrows and Delete, the right-button menu,
// and the game commands with their effect on board, buttons, clock and selection.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include "controls/isButton.h"
#include "controls/Panel3D.h"
#include "GameFixture.h"
#include "window/frmPop.h"

using namespace sv;
using namespace sv::test;

namespace {
// An empty cell and a symbol its row already shows (so typing it is a conflict).
std::pair<int, char> ConflictingEntry(const Board& b) {
    for (int k = 1; k <= b.CellCount(); ++k) {
        if (!b.Text(k).empty()) continue;
        const int rowStart = (k - 1) / b.GridSize() * b.GridSize() + 1;
        for (int j = rowStart; j < rowStart + b.GridSize(); ++j)
            if (!b.Text(j).empty()) return {k, b.Text(j)[0]};
    }
    return {0, 0};
}
int FirstGiven(const Board& b) {
    for (int k = 1; k <= b.CellCount(); ++k)
        if (b.IsLocked(k)) return k;
    return 0;
}
QString Cap(const frmSOLVER& w, int k) {
    return w.Cell(k)->Caption();
}
} // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void conflictingSymbolIsRefused();
    void acceptedSymbolStaysAndFocusMoves();
    void sixteenBySixteenEntries();
    void typingIgnored_data();
    void typingIgnored();
    void arrowsAndDelete();
    void rightButtonMenu();
    void hint();
    void solve_data();
    void solve();
    void levelLabelAndCreate();
    void resetThenClear();
    void backgroundRightClickOffersSkins();
};

void PlayTest::conflictingSymbolIsRefused() {
    GameFixture f;
    frmSOLVER& w = f.Start();
    const auto [cell, symbol] = ConflictingEntry(w.board());
    QVERIFY(cell > 0);
    f.Type(cell, symbol);
    QCOMPARE(
        f.dialogs.Messages(),
        QStringList{
            QStringLiteral("Le chiffre %1 ne peut pas se placer là ... \r\n").arg(QChar(symbol))});
    QCOMPARE(f.dialogs.shown[0].title, QStringLiteral("Sudoku Voltane"));
    QCOMPARE(f.dialogs.shown[0].icon, MessageIcon::Information);
    QCOMPARE(Cap(w, cell), QString());
    QCOMPARE(w.Cell(cell)->ForeColor(), kColourBlack);
}

void PlayTest::acceptedSymbolStaysAndFocusMoves() {
    GameFixture f;
    frmSOLVER& w = f.Start();
    const std::string solution = f.Solution();
    // An empty cell followed by another empty cell, so the focus has somewhere to go.
    int cell = 0;
    for (int k : f.EmptyCells())
        if (k < 81 && w.board().Text(k + 1).empty()) {
            cell = k;
            break;
        }
    QVERIFY(cell > 0);
    f.Type(cell, solution[cell - 1]);
    QVERIFY(f.dialogs.shown.empty());
    QCOMPARE(Cap(w, cell), QString(QChar(solution[cell - 1])));
    QCOMPARE(w.Selection(), cell);
    QVERIFY(w.Curseur()->isVisible());
    QCOMPARE(w.Curseur()->pos(), w.Cell(cell)->pos());
    QCOMPARE(QApplication::focusWidget(), w.Cell(cell + 1));
}

void PlayTest::sixteenBySixteenEntries() {
    GameFixture f;
    f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("Griller"), 1);
    frmSOLVER& w = f.Start();
    const std::string solution = f.Solution();
    int letterCell = 0;
    for (int k : f.EmptyCells())
        if (solution[k - 1] == 'A') letterCell = k;
    QVERIFY(letterCell > 0);
    f.Type(letterCell, 'a');
    QCOMPARE(Cap(w, letterCell), QStringLiteral("A"));

    const int other = f.EmptyCells().front();
    f.Type(other, ':');
    QCOMPARE(Cap(w, other), QString());
    QCOMPARE(w.Cell(other)->ForeColor(), kColourBlue);
    QVERIFY(f.dialogs.shown.empty());
}

void PlayTest::typingIgnored_data() {
    QTest::addColumn<QString>("situation");
    QTest::newRow("letter on 9x9") << "letter";
    QTest::newRow("locked cell") << "locked";
    QTest::newRow("clock stopped") << "stopped";
}

void PlayTest::typingIgnored() {
    QFETCH(QString, situation);
    GameFixture f;
    frmSOLVER& w = f.Start();
    const std::string before = w.board().GridString();
    if (situation == "letter") {
        f.Type(f.EmptyCells().front(), 'A');
    } else if (situation == "locked") {
        const int given = FirstGiven(w.board());
        f.Type(given, w.board().Text(given)[0] == '1' ? '2' : '1');
    } else {
        w.StopClock();
        f.Type(f.EmptyCells().front(), f.Solution()[f.EmptyCells().front() - 1]);
    }
    QCOMPARE(w.board().GridString(), before);
    QVERIFY(f.dialogs.shown.empty());
}

void PlayTest::arrowsAndDelete() {
    GameFixture f;
    frmSOLVER& w = f.Start();
    const int cell = f.EmptyCells().at(3);
    // No selection yet: the keys start from the focused cell.
    QTest::keyClick(w.Cell(cell), Qt::Key_Right);
    QCOMPARE(w.Selection(), cell + 1);
    QCOMPARE(QApplication::focusWidget(), w.Cell(cell + 1));

    QTest::mouseClick(w.Cell(cell), Qt::LeftButton);
    QCOMPARE(w.Selection(), cell);
    QVERIFY(w.Curseur()->isVisible());
    QTest::keyClick(w.Cell(cell), Qt::Key_Left);
    QCOMPARE(w.Selection(), cell - 1);
    QCOMPARE(w.Curseur()->pos(), w.Cell(cell - 1)->pos());

    // Delete empties a player's cell...
    f.Type(cell, f.Solution()[cell - 1]);
    QVERIFY(!Cap(w, cell).isEmpty());
    QTest::keyClick(w.Cell(cell), Qt::Key_Delete);
    QCOMPARE(Cap(w, cell), QString());
    // ...but leaves a given, which could never be typed back into its locked cell.
    const int given = FirstGiven(w.board());
    const QString symbol = Cap(w, given);
    QTest::keyClick(w.Cell(given), Qt::Key_Delete);
    QCOMPARE(Cap(w, given), symbol);
    QCOMPARE(w.Cell(given)->ForeColor(), kColourRed);
}

void PlayTest::rightButtonMenu() {
    GameFixture f;
    frmSOLVER& w = f.Start();
    const int cell = f.EmptyCells().front();
    // Off (as after every start): no menu.
    QTest::mouseClick(w.Cell(cell), Qt::RightButton);
    QVERIFY(f.menus.shown.empty());

    w.RightClickHelp = true;
    const std::string cand = w.CellCandidates(cell);
    const QString first = QString(QChar(cand[0]));
    f.menus.choices = {first, first};
    QTest::mouseClick(w.Cell(cell), Qt::RightButton);
    QCOMPARE(f.menus.shown.back(), w.pop().mnuPopup);
    QCOMPARE(w.PopupCell, cell);
    for (int k = 0; k <= 9; ++k)
        QCOMPARE(w.pop().PopupEntryVisible(k),
                 k > 0 && cand.find(char('0' + k)) != std::string::npos);
    QCOMPARE(Cap(w, cell), first);

    // The symbol in the cell carries the check mark; choosing it again empties the cell.
    QTest::mouseClick(w.Cell(cell), Qt::RightButton);
    QVERIFY(w.pop().PopupEntryChecked(cand[0] - '0'));
    QCOMPARE(Cap(w, cell), QString());

    // A cell whose row, column and block use every symbol gets the two-line error instead.
    Board& b = w.board();
    const int rowStart = (cell - 1) / 9 * 9 + 1;
    std::string used;
    for (int j = rowStart; j < rowStart + 9; ++j) used += b.Text(j);
    int filler = rowStart;
    for (char s = '1'; s <= '9'; ++s) {
        if (used.find(s) != std::string::npos ||
            b.CellCandidates(cell).find(s) == std::string::npos)
            continue;
        while (filler == cell || !b.Text(filler).empty()) ++filler;
        b.SetText(filler, std::string(1, s));
    }
    QVERIFY(b.CellCandidates(cell).empty());
    const size_t menusBefore = f.menus.shown.size();
    QTest::mouseClick(w.Cell(cell), Qt::RightButton);
    QCOMPARE(f.dialogs.Messages(),
             QStringList{QStringLiteral("Vous avez fait une erreur\r\nCeci est impossible")});
    QCOMPARE(f.dialogs.shown.back().icon, MessageIcon::NoIcon);
    QCOMPARE(f.menus.shown.size(), menusBefore);
}

void PlayTest::hint() {
    GameFixture f;
    frmSOLVER& w = f.Start();
    const std::string solution = f.Solution();
    const QString before = QString::fromStdString(w.board().GridString());

    f.dialogs.yesNoAnswers = {false, true};
    QTest::mouseClick(w.btnHint(), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(w.board().GridString()), before);

    QTest::mouseClick(w.btnHint(), Qt::LeftButton);
    const int k = w.Selection();
    QVERIFY(k > 0);
    QCOMPARE(w.board().Text(k), std::string(1, solution[k - 1]));
    QCOMPARE(w.Curseur()->pos(), w.Cell(k)->pos());
    const QString question = QStringLiteral("Ligne %1 Colonne %2 devrait être %3\r\n\r\n"
                                            "Placer ce nunméro ?")
                                 .arg((k - 1) / 9 + 1)
                                 .arg((k - 1) % 9 + 1)
                                 .arg(QChar(solution[k - 1]));
    QCOMPARE(f.dialogs.Questions(), QStringList(2, question));
    QVERIFY(w.ClockRuns());
    QVERIFY(w.SB()->isHidden());
}

void PlayTest::solve_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("guessing");
    QTest::addColumn<QString>("message"); // empty: solved
    const QString failed = QStringLiteral("Puzzle non résolu ...\r\n\r\n");
    QTest::newRow("solved") << 0 << false << "";
    QTest::newRow("needs guessing, guessing off")
        << 4 << false
        << failed + "Réessayer en utilisant l'option : Utiliser l'aide lors de la résolution";
    QTest::newRow("needs guessing, guessing on") << 4 << true << "";
    QTest::newRow("too hard even with guessing")
        << 5 << true << failed + "Ce puzzle est trop compliqué !";
}

void PlayTest::solve() {
    QFETCH(int, level);
    QFETCH(bool, guessing);
    QFETCH(QString, message);
    GameFixture f;
    f.store.SaveSetting(QStringLiteral("Niveau"), QStringLiteral("Level"), level);
    if (guessing) f.store.SaveSetting(QStringLiteral("Options"), QStringLiteral("AideResol"), -1);
    frmSOLVER& w = f.Start();
    const std::string givens = w.board().GridString();
    // A player's entry first: it goes, and the solution comes back blue.
    const int typed = f.EmptyCells().front();
    w.board().SetText(typed, "1");
    f.clock.AdvanceSeconds(30);
    w.Timer2_Timer();

    QTest::mouseClick(w.cmdSOLVE(), Qt::LeftButton);
    QCOMPARE(f.dialogs.Messages(), message.isEmpty() ? QStringList() : QStringList{message});
    bool allFilled = true;
    for (int k = 1; k <= w.board().CellCount(); ++k) {
        const bool given = givens[k - 1] != '0';
        QCOMPARE(w.board().Colour(k), given ? kColourRed : kColourBlue);
        if (given) QCOMPARE(w.board().Text(k), std::string(1, givens[k - 1]));
        allFilled = allFilled && !w.board().Text(k).empty();
    }
    QCOMPARE(allFilled, message.isEmpty());
    if (message.isEmpty()) QCOMPARE(w.board().GridString(), f.Solution());
    QVERIFY(!w.ClockRuns());
    QCOMPARE(w.lTemps()->Caption(), QStringLiteral("00:00"));
    QCOMPARE(w.Selection(), 0);
    QVERIFY(w.btnHint()->isEnabled());
    QVERIFY(f.ScoreLines(level).isEmpty());
}

void PlayTest::levelLabelAndCreate() {
    GameFixture f;
    frmSOLVER& w = f.Start();
    f.clock.AdvanceSeconds(40);

    f.menus.choices = {QStringLiteral("Moyen")};
    QTest::mouseClick(w.LevLabel(), Qt::LeftButton);
    QCOMPARE(f.menus.shown.back(), w.pop().mnuLevel);
    QCOMPARE(w.CurrentLevel, 2);
    QCOMPARE(w.LevLabel()->Caption(), QStringLiteral("Niveau : Moyen"));
    QCOMPARE(f.store.GetInt(QStringLiteral("Niveau"), QStringLiteral("Level"), -1), 2);
    QCOMPARE(w.board().GridString().find_first_not_of("0") != std::string::npos, true);
    w.Timer2_Timer();
    QCOMPARE(w.lTemps()->Caption(), QStringLiteral("00:00")); // the clock began again

    // Dismissed: nothing created, the clock still starts again from zero.
    const std::string board = w.board().GridString();
    f.clock.AdvanceSeconds(40);
    QTest::mouseClick(w.LevLabel(), Qt::LeftButton);
    QCOMPARE(w.board().GridString(), board);
    QVERIFY(w.ClockRuns());
    w.Timer2_Timer();
    QCOMPARE(w.lTemps()->Caption(), QStringLiteral("00:00"));

    // Créer: a new puzzle of the current level, no menu, no selection.
    const size_t menus = f.menus.shown.size();
    QTest::mouseClick(w.Cell(f.EmptyCells().front()), Qt::LeftButton);
    QTest::mouseClick(w.BtnCreate(), Qt::LeftButton);
    QCOMPARE(f.menus.shown.size(), menus);
    QCOMPARE(w.CurrentLevel, 2);
    QCOMPARE(w.Selection(), 0);
    QVERIFY(!w.Curseur()->isVisible());

    // A label naming no level: Créer asks for one.
    w.LevLabel()->SetCaption(QStringLiteral("Niveau : "));
    f.menus.choices = {QStringLiteral("Facile")};
    QTest::mouseClick(w.BtnCreate(), Qt::LeftButton);
    QCOMPARE(f.menus.shown.back(), w.pop().mnuLevel);
    QCOMPARE(w.CurrentLevel, 0);
    QVERIFY(w.ClockRuns());
}

void PlayTest::resetThenClear() {
    GameFixture f;
    frmSOLVER& w = f.Start();
    const std::string givens = w.board().GridString();
    const int cell = f.EmptyCells().front();
    f.Type(cell, f.Solution()[cell - 1]);
    f.clock.AdvanceSeconds(75);
    w.Timer2_Timer();

    QTest::mouseClick(w.btnReset(), Qt::LeftButton);
    QCOMPARE(w.board().GridString(), givens);
    for (int k = 1; k <= 81; ++k)
        QCOMPARE(w.board().Colour(k), givens[k - 1] != '0' ? kColourRed : kColourBlue);
    QCOMPARE(w.lTemps()->Caption(), QStringLiteral("00:00"));
    QVERIFY(w.ClockRuns());
    QCOMPARE(w.Selection(), 0);

    QTest::mouseClick(w.cmdCLEAR(), Qt::LeftButton);
    QVERIFY(!w.HasData());
    for (int k = 1; k <= 81; ++k) QVERIFY(w.board().IsLocked(k));
    for (isButton* b :
         {w.BtnSave(), w.btnHint(), w.cmdSOLVE(), w.cmdCLEAR(), w.btnReset(), w.btnPrint()})
        QVERIFY(!b->isEnabled());
    QVERIFY(w.BtnCreate()->isEnabled());
    // The focus leaves the button it disabled, but not for the name box: a key typed next
    // must not rename the player.
    QVERIFY(QApplication::focusWidget() != w.NomJoueur());
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QCOMPARE(w.NomJoueur()->text(), QStringLiteral("tester"));
    QVERIFY(!w.ClockRuns());
    QCOMPARE(w.lTemps()->Caption(), QStringLiteral("00:00"));
    w.mnuPrintThis_Click();
    QCOMPARE(f.dialogs.Messages(), QStringList{QStringLiteral("Il n'y a rien à imprimer")});
    QCOMPARE(f.dialogs.shown.back().icon, MessageIcon::NoIcon);
}

void PlayTest::backgroundRightClickOffersSkins() {
    GameFixture f;
    QDir().mkpath(f.programDir + "/skins");
    QImage picture(747, 582, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(f.programDir + "/skins/Fond_Zadude_Test.png"));
    frmSOLVER& w = f.Start();

    f.menus.choices = {QStringLiteral("Fond_Zadude_Test.png")};
    QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(60, 570)); // below the left column
    QCOMPARE(f.menus.shown, std::vector<const QMenu*>{w.pop().MnuSkins});
    QCOMPARE(f.store.GetSetting(QStringLiteral("SkinsMain"), QStringLiteral("skins")),
             QStringLiteral("Fond_Zadude_Test.png"));
    // On a control it is the control's own click: no skins menu.
    QTest::mouseClick(w.SB(), Qt::RightButton);
    QTest::mouseClick(w.Cell(1), Qt::RightButton);
    QCOMPARE(f.menus.shown.size(), size_t(1));
}

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
