// The push button used for every command and every grid cell, and the progress bar.
#include <QSignalSpy>
#include <QTest>

#include "controls/BgrColor.h"
#include "controls/isButton.h"
#include "controls/XP_ProgressBar.h"

using namespace sv;

Q_DECLARE_METATYPE(Qt::Key)

namespace {

// How many pixels of the picture are clearly of the given primary colour.
int CountPixels(const QImage& image, int channel) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int v[3] = {c.red(), c.green(), c.blue()};
            const int others = v[(channel + 1) % 3] + v[(channel + 2) % 3];
            if (v[channel] > 140 && others < 120) ++n;
        }
    return n;
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void keysReachTheOwner_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("keyDown");
        QTest::addColumn<int>("clicks");
        QTest::newRow("digit") << Qt::Key_7 << "7" << 0 << 0;
        QTest::newRow("letter") << Qt::Key_A << "a" << 0 << 0;
        QTest::newRow("colon") << Qt::Key_Colon << ":" << 0 << 0;
        QTest::newRow("left") << Qt::Key_Left << "" << int(Qt::Key_Left) << 0;
        QTest::newRow("up") << Qt::Key_Up << "" << int(Qt::Key_Up) << 0;
        QTest::newRow("right") << Qt::Key_Right << "" << int(Qt::Key_Right) << 0;
        QTest::newRow("down") << Qt::Key_Down << "" << int(Qt::Key_Down) << 0;
        QTest::newRow("delete") << Qt::Key_Delete << "" << int(Qt::Key_Delete) << 0;
        QTest::newRow("space clicks") << Qt::Key_Space << "" << 0 << 1;
        QTest::newRow("home: nothing") << Qt::Key_Home << "" << 0 << 0;
        QTest::newRow("F1: nothing") << Qt::Key_F1 << "" << 0 << 0;
        QTest::newRow("return: nothing") << Qt::Key_Return << "" << 0 << 0;
    }
    void keysReachTheOwner() {
        QFETCH(Qt::Key, key);
        QFETCH(QString, typed);
        QFETCH(int, keyDown);
        QFETCH(int, clicks);
        isButton button;
        QSignalSpy press(&button, &isButton::KeyPress);
        QSignalSpy down(&button, &isButton::KeyDown);
        QSignalSpy click(&button, &isButton::Click);
        QTest::keyClick(&button, key);
        QCOMPARE(press.size(), typed.isEmpty() ? 0 : 1);
        if (!typed.isEmpty()) QCOMPARE(press[0][0].value<QChar>(), typed[0]);
        QCOMPARE(down.size(), keyDown ? 1 : 0);
        if (keyDown) QCOMPARE(down[0][0].toInt(), keyDown);
        QCOMPARE(click.size(), clicks);
    }

    void mouseButtons_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left inside clicks") << Qt::LeftButton << QPoint(10, 10) << 1;
        QTest::newRow("left let go outside") << Qt::LeftButton << QPoint(90, 10) << 0;
        QTest::newRow("right only mouse-up") << Qt::RightButton << QPoint(12, 8) << 0;
    }
    void mouseButtons() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        QFETCH(int, clicks);
        isButton cell;
        cell.resize(40, 40);
        QSignalSpy up(&cell, &isButton::MouseUp);
        QSignalSpy click(&cell, &isButton::Click);
        QTest::mousePress(&cell, button, {}, QPoint(10, 10));
        QTest::mouseRelease(&cell, button, {}, release);
        QCOMPARE(up.size(), 1);
        QCOMPARE(up[0][0].value<Qt::MouseButton>(), button);
        QCOMPARE(up[0][1].toPoint(), release);
        QCOMPARE(click.size(), clicks);
    }

    void captionIsDrawnInItsColour_data() {
        QTest::addColumn<int>("bgr");
        QTest::addColumn<int>("channel"); // 0 red, 1 green, 2 blue
        QTest::newRow("locked red") << kBgrRed << 0;
        QTest::newRow("player blue") << kBgrBlue << 2;
        QTest::newRow("green") << 0x00FF00 << 1;
    }
    void captionIsDrawnInItsColour() {
        QFETCH(int, bgr);
        QFETCH(int, channel);
        isButton cell;
        cell.resize(40, 40);
        QFont big = cell.font();
        big.setPointSize(20);
        cell.setFont(big);
        cell.SetCaption("8");
        cell.SetForeColor(bgr);
        QVERIFY(cell.FontBold());
        const QImage image = cell.grab().toImage();
        QVERIFY(CountPixels(image, channel) > 10);
        for (int other = 0; other < 3; ++other)
            if (other != channel) QCOMPARE(CountPixels(image, other), 0);
    }

    void cellCopiesTheTemplate() {
        isButton tmpl;
        tmpl.resize(24, 24);
        QFont f = tmpl.font();
        f.setPointSize(11);
        tmpl.setFont(f);
        tmpl.SetForeColor(kBgrRed);
        isButton cell;
        cell.CopyLookFrom(tmpl);
        QCOMPARE(cell.size(), QSize(24, 24));
        QCOMPARE(cell.font(), tmpl.font());
        QCOMPARE(cell.ForeColor(), kBgrRed);
    }

    void progressBarStaysInRange_data() {
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("fraction");
        QTest::newRow("middle") << 17 << 8 << 8 << 8.0 / 17;
        QTest::newRow("past the end") << 17 << 40 << 17 << 1.0;
        QTest::newRow("below zero") << 17 << -3 << 0 << 0.0;
        QTest::newRow("empty scale") << 0 << 5 << 0 << 0.0;
    }
    void progressBarStaysInRange() {
        QFETCH(int, max);
        QFETCH(int, set);
        QFETCH(int, value);
        QFETCH(double, fraction);
        XP_ProgressBar bar;
        bar.SetMax(max);
        bar.SetValue(set);
        QCOMPARE(bar.Value(), value);
        QCOMPARE(bar.Fraction(), fraction);
    }

    void progressBarFillsFromTheLeft() {
        XP_ProgressBar bar;
        bar.resize(403, 17);
        bar.SetMax(10);
        bar.SetValue(5);
        const QImage image = bar.grab().toImage();
        QVERIFY(CountPixels(image.copy(0, 0, 200, 17), 1) > 50);
        QCOMPARE(CountPixels(image.copy(205, 0, 198, 17), 1), 0);
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
