#include "window/StartupMeasure.h"

#include <cstdio>
#include <ctime>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <unistd.h>

#include "window/frmSOLVER.h"

namespace sv {

namespace {

// Milliseconds since this process started, from the kernel's record of its start.
double MsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
    const QByteArray s = stat.readAll();
    // Field 22 (start time in clock ticks since boot) comes after the command name in ( ).
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (upSeconds - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
}

long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class FirstPaint : public QObject {
public:
    FirstPaint(frmSOLVER& window, int rebuilds) : window_(window), rebuilds_(rebuilds) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, &window_, [this] { Report(); });
        }
        return false;
    }

private:
    void Report() {
        std::printf("startup_ms=%.0f rss_kb=%ld\n", MsSinceProcessStart(), ResidentKb());
        if (rebuilds_ > 0) {
            window_.model().BlockSize = 4;
            QElapsedTimer t;
            t.start();
            for (int i = 0; i < rebuilds_; ++i) {
                window_.RepaintGrid();
                QCoreApplication::processEvents(); // paint the new cells too
            }
            std::printf("rebuild16_ms=%.1f\n", static_cast<double>(t.elapsed()) / rebuilds_);
        }
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    frmSOLVER& window_;
    int rebuilds_;
    bool seen_ = false;
};

} // namespace

int RebuildCountArgument(const QStringList& args) {
    for (const QString& a : args)
        if (a.startsWith(QStringLiteral("--measure-rebuild=")))
            return a.section(QLatin1Char('='), 1).toInt();
    return 0;
}

void MeasureWhenShown(frmSOLVER& window, int rebuilds) {
    auto* watcher = new FirstPaint(window, rebuilds);
    watcher->setParent(&window);
    window.installEventFilter(watcher);
}

} // namespace sv
