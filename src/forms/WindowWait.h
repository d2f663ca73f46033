#pragma once
// A caller that must wait for a modeless window (the overviews) lets window events run until the
// flag that window keeps falls. A window that went without its own unload (the program ending)
// ends the wait as well.
#include <QPointer>

class Form;

void waitWhileOpen(const bool &flag, const QPointer<Form> &window);
