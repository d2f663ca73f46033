#pragma once
#include <QDateTime>

// The program's notion of now; file names carry it to the minute, so tests fix it.
QDateTime Now();
void setFixedNow(const QDateTime &when); // an invalid QDateTime returns to the real clock
