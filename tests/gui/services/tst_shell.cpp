// Window services: transparency, stay-on-top, dragging by the title panel, documents; and the
// file filter handed to the real file dialogs.
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "settings/SettingsStore.h"
#include "shell/Dialogs.h"
#include "shell/WindowServices.h"

using namespace sv;

class ShellTest : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;

    static void SendMouse(QWidget* to, QEvent::Type type, Qt::MouseButton button, QPoint global) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent e(type, to->mapFromGlobal(global), global,
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(to, &e);
    }

private slots:
    void alphaOfEachLevel_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("alpha");
        QTest::newRow("absent") << QString() << 255;
        QTest::newRow("none") << "0" << 255;
        QTest::newRow("25 %") << "1" << 191;
        QTest::newRow("50 %") << "2" << 127;
        QTest::newRow("75 %") << "3" << 64;
        QTest::newRow("out of range") << "9" << 255;
        QTest::newRow("not a number") << "x" << 255;
    }
    void alphaOfEachLevel() {
        QFETCH(QString, stored);
        QFETCH(int, alpha);
        SettingsStore store(tmp_.filePath(QTest::currentDataTag()) + ".ini");
        if (!stored.isNull()) store.SaveSetting(setting::Transparence, stored);
        QWidget window;
        ApplyTransparency(&window, store);
        QCOMPARE(qRound(window.windowOpacity() * 255), alpha);
    }

    void stayOnTopFollowsTheStore_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("onTop");
        QTest::newRow("absent: on top") << QString() << true;
        QTest::newRow("ticked") << "-1" << true;
        QTest::newRow("clear") << "0" << false;
    }
    void stayOnTopFollowsTheStore() {
        QFETCH(QString, stored);
        QFETCH(bool, onTop);
        SettingsStore store(tmp_.filePath(QTest::currentDataTag()) + ".ini");
        if (!stored.isNull()) store.SaveSetting(setting::Visible, stored);
        QWidget window;
        window.setWindowFlag(Qt::WindowStaysOnTopHint, !onTop);
        window.show();
        RendreVisible(&window, store);
        QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QVERIFY(window.isVisible()); // changing the flag must not hide a shown window
    }

    void titlePanelDragsWithAnyButton_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void titlePanelDragsWithAnyButton() {
        QFETCH(Qt::MouseButton, button);
        QWidget window;
        window.setGeometry(200, 100, 300, 200);
        auto* meHaut = new QWidget(&window);
        meHaut->setGeometry(0, 0, 300, 20);
        MakeDragHandle(meHaut);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();
        const QPoint grab = meHaut->mapToGlobal(QPoint(10, 10));
        SendMouse(meHaut, QEvent::MouseButtonPress, button, grab);
        SendMouse(meHaut, QEvent::MouseMove, button, grab + QPoint(30, 20));
        SendMouse(meHaut, QEvent::MouseButtonRelease, button, grab + QPoint(30, 20));
        // The offscreen desktop has no interactive move, so the panel moves the window itself.
        QCOMPARE(window.pos(), start + QPoint(30, 20));
        SendMouse(meHaut, QEvent::MouseMove, Qt::NoButton, grab + QPoint(90, 90));
        QCOMPARE(window.pos(), start + QPoint(30, 20)); // released: no more following
    }

    void documentTargets_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("web address")
            << "https://example.org/a?b=1" << QUrl("https://example.org/a?b=1");
        QTest::newRow("file") << tmp_.filePath("help.rtf")
                              << QUrl::fromLocalFile(tmp_.filePath("help.rtf"));
    }
    void documentTargets() {
        QFETCH(QString, target);
        QFETCH(QUrl, url);
        QFile(tmp_.filePath("help.rtf")).open(QIODevice::WriteOnly);
        QCOMPARE(DocumentUrl(target), url);
    }

    void fileFilters_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one pair") << "Fichiers de Sudoku Voltane|*.suf"
                                  << "Fichiers de Sudoku Voltane (*.suf)";
        QTest::newRow("two pairs") << "Texte|*.txt|Tout|*.*"
                                   << "Texte (*.txt);;Tout (*.*)";
        QTest::newRow("already Qt") << "Images (*.png)"
                                    << "Images (*.png)";
    }
    void fileFilters() {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        QCOMPARE(QtFileFilter(given), expected);
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
