#include "WindowWait.h"

#include "Form.h"
#include "platform/EventWait.h"

void waitWhileOpen(const bool &flag, const QPointer<Form> &window)
{
    waitWithEvents([&] { return !flag || !window || !window->isLoaded(); });
}
