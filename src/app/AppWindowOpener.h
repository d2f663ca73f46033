#pragma once
// The program's window opener: it knows every window, so it lives above all window libraries.
// main() installs it at start; a test that wants the real windows installs it the same way.
#include "forms/WindowOpener.h"

class AppWindowOpener : public WindowOpener {
public:
    using WindowOpener::open;
    Form *open(WindowKind kind, Form *from, const WindowNeeds &needs) override;
    void showHelp(HelpTopic topic, Form *from) override;
};
