#include "window/GameClock.h"

namespace sv {

QString ClockText(qint64 elapsedMs) {
    const qint64 seconds = elapsedMs < 0 ? 0 : elapsedMs / 1000;
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace sv
