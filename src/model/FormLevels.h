#pragma once
// The form-level stack: every window of ours takes the next level when it loads; activating a
// window closes every loaded window whose level reads higher, so that going back to a window
// discards the windows opened from it. No widgets here: a window is reached through LevelWindow.
#include "ProjectState.h"

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

// The number a level text begins with (leading blanks skipped); 0 for "" or for a text that does
// not begin with a number.
double ReadFormLevel(const QString &tag);

void RegisterFormLevel(ProjectState &state, LevelWindow &frm);
// Unloads, last-loaded first, every loaded window whose level reads higher than that of `frm`.
// A window that an earlier unload in the walk already took away is skipped.
void CloseFormsAbove(const LevelWindow &frm, const LoadedWindows &loaded);
void ReleaseFormLevel(ProjectState &state);
