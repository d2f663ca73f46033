#pragma once
#include <QDateTime>

// The program's notion of now; file names carry it to the minute, so tests fix it.
QDateTime Now();
void setFixedNow(const QDateTime &when); // an invalid QDateTime returns to the real clock

// Milliseconds on a steady clock, for the program's short waits. Tests stop it and move it on, so
// that a busy machine cannot make such a wait run out, or not, behind their back.
qint64 steadyClockMs();
void setSteadyClockStopped(bool stopped);
void advanceSteadyClock(qint64 ms); // only while stopped
