#pragma once
// How one window asks for another. The program installs its opener at start; a test installs a
// RecordingWindowOpener. A window never includes the header of the window it asks for, so the
// window libraries stay independent of each other; what the asked-for window needs of the one
// that asks is handed over as WindowNeeds, never found by looking at the caller.
#include <functional>

class Form;
class ShapeWidthInputs;
class CompartmentSelection;

enum class WindowKind {
    Shape,           // the shape window over the main screen
    Drawing,         // the drawing window over the shape window that asks for it
    Options,         // the compartment options window over the drawing window
    MarksOverview,
    Send,
    MailLogOverview,
    About,
};

enum class HelpTopic { Main, Shape, Drawing, Options };

// What a window reads of the one that asked for it, while both are open. Each kind reads its own.
struct WindowNeeds {
    // Shape: the index of the main screen's shape button that has the focus there.
    std::function<int()> shapeButton;
    // Drawing: the shape window's clear-width inputs, which the frame drawing reads.
    const ShapeWidthInputs *widthInputs = nullptr;
    // Options: the drawing window's selected compartment.
    CompartmentSelection *selection = nullptr;
};

class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    // Loads and shows the window of `kind`, asked for by `from` (which may be nullptr). nullptr when
    // the window did not stay loaded, or when this opener has no such window.
    virtual Form *open(WindowKind kind, Form *from, const WindowNeeds &needs) = 0;
    Form *open(WindowKind kind, Form *from) { return open(kind, from, WindowNeeds()); }
    // The help window on `topic`.
    virtual void showHelp(HelpTopic topic, Form *from) = 0;
};

// The installed opener; with none installed, one that opens nothing.
WindowOpener &windowOpener();
// Installs `opener` (nullptr: none) and returns the one it replaces.
WindowOpener *setWindowOpener(WindowOpener *opener);

// Installs an opener for as long as it lives, then puts back the one before.
class ScopedWindowOpener {
public:
    explicit ScopedWindowOpener(WindowOpener *opener) : previous_(setWindowOpener(opener)) {}
    ~ScopedWindowOpener() { setWindowOpener(previous_); }
    ScopedWindowOpener(const ScopedWindowOpener &) = delete;
    ScopedWindowOpener &operator=(const ScopedWindowOpener &) = delete;

private:
    WindowOpener *previous_;
};
