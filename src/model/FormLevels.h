#pragma once
// The count of the form-level stack, kept in the project state: the level the next window takes.
// The window base reaches it through the stack the app installs.
#include "ProjectState.h"

// The level the next window takes; the count goes up (to at most 32767).
int16 RegisterFormLevel(ProjectState &state);
// The count goes down (never below 0).
void ReleaseFormLevel(ProjectState &state);
