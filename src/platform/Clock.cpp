#include "Clock.h"

#include <QElapsedTimer>

namespace {
QDateTime fixed;
QElapsedTimer steady;
bool steadyStopped = false;
qint64 steadyHeld = 0;
qint64 sinceStart()
{
    if (!steady.isValid()) steady.start();
    return steady.elapsed();
}
}

QDateTime Now() { return fixed.isValid() ? fixed : QDateTime::currentDateTime(); }
void setFixedNow(const QDateTime &when) { fixed = when; }

qint64 steadyClockMs() { return steadyStopped ? steadyHeld : sinceStart(); }
void setSteadyClockStopped(bool stopped)
{
    // Held at the reading of the moment it stops; running again, it goes on from the real clock.
    if (stopped && !steadyStopped) steadyHeld = sinceStart();
    steadyStopped = stopped;
}
void advanceSteadyClock(qint64 ms)
{
    if (steadyStopped) steadyHeld += ms;
}
