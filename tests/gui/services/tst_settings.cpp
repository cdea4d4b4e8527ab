// Settings store, quit question, score files and the scores window.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings/ConfirmQuit.h"
#include "settings/FrmScore.h"
#include "settings/Scores.h"
#include "settings/SettingsStore.h"
#include "settings/UiText.h"
#include "support/ScriptedDialogs.h"

using namespace sv;
using sv::test::ScriptedDialogs;

class SettingsTest : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;
    QString Ini() const { return tmp_.filePath("store.ini"); }
    QString Folder() const { return tmp_.filePath("score"); }
    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void initTestCase() {
        SetDefaultUiTexts();
        qputenv("XDG_CONFIG_HOME", tmp_.filePath("config").toUtf8());
    }
    void init() {
        QFile::remove(Ini());
        QDir(Folder()).removeRecursively();
    }

    void realStoreIsNamedAfterTheProgram() {
        QCOMPARE(SettingsStore().FileName(),
                 tmp_.filePath("config/Sudoku Voltane/Sudoku Voltane.ini"));
    }

    void numbersReadBackOrFallToTheDefault_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("number") << "3" << 3;
        QTest::newRow("ticked check box") << "-1" << -1;
        QTest::newRow("blanks around") << " 2 " << 2;
        QTest::newRow("letters") << "x" << 7;
        QTest::newRow("not whole") << "1.5" << 7;
        QTest::newRow("empty") << "" << 7;
        QTest::newRow("number then text") << "3abc" << 7;
    }
    void numbersReadBackOrFallToTheDefault() {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        SettingsStore store(Ini());
        store.SaveSetting("Options", "Griller", stored);
        QCOMPARE(store.GetInt("Options", "Griller", 7), expected);
    }

    void absentKeysGiveTheirDefaults() {
        SettingsStore store(Ini());
        QCOMPARE(store.GetInt(setting::Visible, kDefaultVisible), 1);
        QCOMPARE(store.GetSetting(setting::NomJoueur, "Nouveau"), QString("Nouveau"));
        QCOMPARE(store.GetSetting("NoSuchSection", "Key"), QString());
    }

    void valuesSurviveARestartAsText() {
        {
            SettingsStore store(Ini());
            store.SaveSetting(setting::NomJoueur, QString("Zoé, Nord"));
            store.SaveCheck(setting::AideResol, true);
            store.SaveCheck(setting::AideButton, false);
            store.SaveSetting(setting::Level, 6);
        }
        SettingsStore again(Ini());
        QCOMPARE(again.GetSetting(setting::NomJoueur), QString("Zoé, Nord"));
        QCOMPARE(again.GetSetting(setting::AideResol), QString("-1"));
        QCOMPARE(again.GetSetting(setting::AideButton), QString("0"));
        QVERIFY(again.GetBool(setting::AideResol, false));
        QCOMPARE(again.GetInt(setting::Level, 0), 6);
    }

    void handEditedListReadsAsText() {
        // An unquoted comma would otherwise come back as a list and read as empty.
        WriteFile(Ini(), "[Settings]\nNomJoueur=Nord, Sud\n");
        QCOMPARE(SettingsStore(Ini()).GetSetting(setting::NomJoueur), QString("Nord, Sud"));
    }

    void confirmQuit_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes stores the place in twips") << true;
        QTest::newRow("no changes nothing") << false;
    }
    void confirmQuit() {
        QFETCH(bool, yes);
        SettingsStore store(Ini());
        ScriptedDialogs dialogs;
        dialogs.yesNoAnswers = {yes};
        QWidget window;
        window.move(100, 40);
        QCOMPARE(ConfirmQuit(&window, dialogs, store), yes);
        QCOMPARE(dialogs.Questions(), QStringList{"Voulez vous vraiment quitter Sudoku Voltane ?"});
        QCOMPARE(dialogs.shown.front().title, QString("Sudoku Voltane"));
        QCOMPARE(store.GetSetting(setting::Left), yes ? QString("1500") : QString());
        QCOMPARE(store.GetSetting(setting::Top), yes ? QString("600") : QString());
    }

    void scoreLinesAreAppendedTrimmed() {
        QVERIFY(SaveScore(Folder(), 2, "02:07", "  Nord "));
        QVERIFY(SaveScore(Folder(), 2, "65:30", ""));
        QFile f(Folder() + "/score_2.txt");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("02:07#Nord\r\n65:30#\r\n"));
    }

    void scoresAreListedFastestFirst_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two lines") << QByteArray("05:10#Sud\r\n03:41#Nord\r\n")
                                   << "1)  03:41       Nord\r\n2)  05:10       Sud\r\n";
        QTest::newRow("minutes past 59 by value")
            << QByteArray("100:00#C\r\n65:30#B\r\n59:59#A\r\n")
            << "1)  59:59       A\r\n2)  65:30       B\r\n3)  100:00       C\r\n";
        QTest::newRow("equal times by name, any case")
            << QByteArray("03:00#bob\r\n03:00#Carl\r\n03:00#alice\r\n")
            << "1)  03:00       alice\r\n2)  03:00       bob\r\n3)  03:00       Carl\r\n";
        QTest::newRow("every # becomes seven spaces")
            << QByteArray("01:02#A#B\r\n") << "1)  01:02       A       B\r\n";
        QTest::newRow("a blank line hides nothing")
            << QByteArray("04:00#D\r\n\r\n   \r\n01:00#E\r\n")
            << "1)  01:00       E\r\n2)  04:00       D\r\n";
        QTest::newRow("lines without a time go last")
            << QByteArray("junk\r\n09:00#F\r\n") << "1)  09:00       F\r\n2)  junk\r\n";
        QTest::newRow("8-bit file")
            << QByteArray("03:41#Zo\xe9\r\n") << QString::fromUtf8("1)  03:41       Zoé\r\n");
        QTest::newRow("no file") << QByteArray() << QString();
    }
    void scoresAreListedFastestFirst() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QDir().mkpath(Folder());
        if (!file.isEmpty()) WriteFile(Folder() + "/score_0.txt", file);
        QCOMPARE(LireScore(Folder(), 0), expected);
    }

    void tenthRankHasOneSpace() {
        for (int i = 10; i >= 1; --i)
            SaveScore(Folder(), 4, QString("00:%1").arg(i, 2, 10, QChar('0')), "P");
        const QStringList lines = LireScore(Folder(), 4).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[8], QString("9)  00:09       P"));
        QCOMPARE(lines[9], QString("10) 00:10       P"));
    }

    void scoreFolderFallsBackToTheUserDataFolder() {
        const QString home = tmp_.filePath("data");
        qputenv("XDG_DATA_HOME", home.toUtf8());
        QCOMPARE(ScoreFolder(tmp_.path()), tmp_.filePath("score"));
        // A program folder below a plain file can never be written to, even by root.
        WriteFile(tmp_.filePath("plainfile"), "x");
        const QString folder = ScoreFolder(tmp_.filePath("plainfile/program"));
        QCOMPARE(folder, home + "/Sudoku Voltane/score");
        QVERIFY(SaveScore(folder, 1, "01:00", "Nord"));
        QCOMPARE(LireScore(folder, 1), QString("1)  01:00       Nord\r\n"));
    }

    void scoresWindowShowsOneLevel() {
        SaveScore(Folder(), 1, "03:41", "Nord");
        SaveScore(Folder(), 2, "01:00", "Other level");
        SettingsStore store(Ini());
        store.SaveSetting(setting::Transparence, 2);
        QWidget main;
        main.setGeometry(100, 50, 747, 582);
        FrmScore scores(&main, store, Folder(), 1, "Niveau : Assez facile");
        QCOMPARE(scores.Title(), QString("Les scores (Niveau : Assez facile)"));
        QCOMPARE(scores.ScoreText(), QString("1)  03:41       Nord\r\n"));
        QCOMPARE(scores.findChild<QWidget*>("Quitter")->toolTip(), QString("Fermer"));
        QCOMPARE(scores.pos(),
                 QPoint(100 + (747 - scores.width()) / 2, 50 + (582 - scores.height()) / 2));
        QCOMPARE(qRound(scores.windowOpacity() * 255), 127);
        QVERIFY(scores.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        ScriptedDialogs dialogs;
        dialogs.RunModal(scores);
        QCOMPARE(dialogs.shown.front().text, QString("FrmScore"));
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
