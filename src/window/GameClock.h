#pragma once
// Where the game clock reads the time, so tests can move time by hand.
#include <QDateTime>
#include <QString>

namespace sv {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment; only differences are used.
    virtual qint64 NowMs() = 0;
};

class SystemClock : public Clock {
public:
    qint64 NowMs() override { return QDateTime::currentMSecsSinceEpoch(); }
};

// The clock text "mm:ss" for an elapsed time. Minutes go on past 59 rather than wrapping each
// hour, so a long game never shows, or scores, less than it took.
QString ClockText(qint64 elapsedMs);

} // namespace sv
