#include "WindowWait.h"

#include "Form.h"

#include <QCoreApplication>

void WaitWhileOpen(const bool &flag, const QPointer<Form> &window)
{
    while (flag && window && window->isLoaded()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
