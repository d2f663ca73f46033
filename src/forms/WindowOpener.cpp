#include "WindowOpener.h"

namespace {
class NoWindows : public WindowOpener {
public:
    Form *open(WindowKind, Form *, const WindowNeeds &) override { return nullptr; }
    void showHelp(HelpTopic, Form *) override {}
};

NoWindows none;
WindowOpener *installed = nullptr;
}

WindowOpener &windowOpener() { return installed ? *installed : none; }

WindowOpener *setWindowOpener(WindowOpener *opener)
{
    WindowOpener *previous = installed;
    installed = opener;
    return previous;
}
