#pragma once
// The form-level stack: every window of ours takes the next level when it loads; activating a
// window closes every loaded window whose level reads higher, so that going back to a window
// discards the windows opened from it. The count of levels handed out is kept by the program (the
// app installs it at start); with none installed a window takes no level. No widgets here: a
// window is reached through LevelWindow.
#include <QList>
#include <QString>
#include <functional>

class LevelWindow {
public:
    virtual ~LevelWindow() = default;
    // The level as decimal text; "" for a window that never registered.
    virtual QString levelTag() const = 0;
    virtual void setLevelTag(const QString &tag) = 0;
    // Runs the window's own unload work and removes it. May refuse (the window stays loaded).
    virtual void unloadWindow() = 0;
};

// The loaded windows of the program, in load order, as they are at the moment of the call.
using LoadedWindows = std::function<QList<LevelWindow *>()>;

// Where the levels handed out are counted.
class FormLevelStack {
public:
    virtual ~FormLevelStack() = default;
    // The level the next window takes; the count goes up.
    virtual int takeLevel() = 0;
    // A window gives its level back; the count goes down.
    virtual void releaseLevel() = 0;
};

// The installed stack; nullptr when none is.
FormLevelStack *formLevelStack();
// Installs `stack` (nullptr: none) and returns the one it replaces.
FormLevelStack *setFormLevelStack(FormLevelStack *stack);

// The number a level text begins with (leading blanks skipped); 0 for "" or for a text that does
// not begin with a number.
double readFormLevel(const QString &tag);

// Gives `frm` the next level of `stack`.
void RegisterFormLevel(FormLevelStack &stack, LevelWindow &frm);
// Unloads, last-loaded first, every loaded window whose level reads higher than that of `frm`.
// A window that an earlier unload in the walk already took away is skipped.
void CloseFormsAbove(const LevelWindow &frm, const LoadedWindows &loaded);
