#include "EventWait.h"

#include <QCoreApplication>
#include <QThread>

void waitWithEvents(const std::function<bool()> &done)
{
    const bool events = QCoreApplication::instance() != nullptr;
    while (!done()) {
        if (events)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        else
            QThread::msleep(10);
    }
}
