// The end of a game: the last symbol, the score line, "Bravo ...", the scores window; and the
// endings that must not store a score.
#include <QTest>

#include "controls/isButton.h"
#include "controls/Panel3D.h"
#include "GameFixture.h"
#include "settings/FrmScore.h"

using namespace sv;
using namespace sv::test;

namespace {
enum Finish { Typed, RightButtonMenu, Hint, HintAfterSolve };
} // namespace

class EndGameTest : public QObject {
    Q_OBJECT
private slots:
    void wholeGameTyped();
    void endings_data();
    void endings();
};

void EndGameTest::wholeGameTyped() {
    GameFixture f;
    frmSOLVER& w = f.Start();
    QString scoresTitle, scoresText;
    f.dialogs.onModal = [&](QDialog& d) {
        auto* scores = qobject_cast<FrmScore*>(&d);
        QVERIFY(scores);
        scoresTitle = scores->Title();
        scoresText = scores->ScoreText();
    };
    const std::string solution = f.Solution();
    f.clock.AdvanceSeconds(2 * 60 + 7);
    for (int k : f.EmptyCells()) f.Type(k, solution[k - 1]);

    QCOMPARE(w.board().GridString(), solution);
    QCOMPARE(f.dialogs.Messages(), QStringList{QStringLiteral("Bravo ...")});
    QCOMPARE(f.ScoreLines(0), QStringList{QStringLiteral("02:07#tester")});
    QCOMPARE(scoresTitle, QStringLiteral("Les scores (Niveau : Facile)"));
    QCOMPARE(scoresText, QStringLiteral("1)  02:07       tester\r\n"));
    QVERIFY(!w.ClockRuns());
    QVERIFY(w.GridComplete);

    // The game is over: emptying a cell and typing it again scores nothing more.
    const int last = f.EmptyCells().empty() ? 81 : 0;
    int cell = 0;
    for (int k = last; k >= 1 && !cell; --k)
        if (!w.board().IsLocked(k)) cell = k;
    QTest::keyClick(w.Cell(cell), Qt::Key_Delete);
    f.Type(cell, solution[cell - 1]);
    QCOMPARE(f.ScoreLines(0).size(), 1);
    QCOMPARE(f.dialogs.Messages().size(), 1);
}

void EndGameTest::endings_data() {
    QTest::addColumn<int>("finish");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("scores");
    QTest::newRow("last symbol from the right-button menu")
        << int(RightButtonMenu) << 95 << QStringList{"01:35#tester"};
    QTest::newRow("hint fills the last cell") << int(Hint) << 61 << QStringList{"01:01#tester"};
    QTest::newRow("past an hour, minutes go on")
        << int(Typed) << 3600 + 5 * 60 + 30 << QStringList{"65:30#tester"};
    QTest::newRow("hint on a board the solver filled")
        << int(HintAfterSolve) << 30 << QStringList{};
}

void EndGameTest::endings() {
    QFETCH(int, finish);
    QFETCH(int, seconds);
    QFETCH(QStringList, scores);
    GameFixture f;
    frmSOLVER& w = f.Start();
    const std::string solution = f.Solution();
    f.clock.AdvanceSeconds(seconds);
    if (finish == HintAfterSolve) {
        QTest::mouseClick(w.cmdSOLVE(), Qt::LeftButton);
        f.dialogs.yesNoFallback = true;
        QTest::mouseClick(w.btnHint(), Qt::LeftButton);
        QTest::mouseClick(w.btnHint(), Qt::LeftButton);
    } else {
        const std::vector<int> empty = f.EmptyCells();
        for (size_t i = 0; i + 1 < empty.size(); ++i) f.Type(empty[i], solution[empty[i] - 1]);
        const int last = empty.back();
        QVERIFY(f.dialogs.shown.empty());
        if (finish == Typed) {
            f.Type(last, solution[last - 1]);
        } else if (finish == RightButtonMenu) {
            w.RightClickHelp = true;
            f.menus.choices = {QString(QChar(solution[last - 1]))};
            QTest::mouseClick(w.Cell(last), Qt::RightButton);
        } else {
            f.dialogs.yesNoFallback = true;
            QTest::mouseClick(w.btnHint(), Qt::LeftButton);
        }
        QCOMPARE(w.board().GridString(), solution);
    }
    QCOMPARE(f.ScoreLines(0), scores);
    QCOMPARE(f.dialogs.Messages().count(QStringLiteral("Bravo ...")), scores.size());
    QCOMPARE(f.dialogs.Texts(ShownBox::Kind::Modal).size(), scores.size());
    QVERIFY(!w.ClockRuns());
}

QTEST_MAIN(EndGameTest)
#include "tst_endgame.moc"
