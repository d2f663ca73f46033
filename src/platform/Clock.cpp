#include "Clock.h"

namespace {
QDateTime fixed;
}

QDateTime Now() { return fixed.isValid() ? fixed : QDateTime::currentDateTime(); }
void setFixedNow(const QDateTime &when) { fixed = when; }
