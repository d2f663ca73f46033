#include "FormLevels.h"

int16 RegisterFormLevel(ProjectState &state)
{
    const int16 level = state.FormLevel;
    if (state.FormLevel < 32767) ++state.FormLevel;
    return level;
}

void ReleaseFormLevel(ProjectState &state)
{
    if (state.FormLevel > 0) --state.FormLevel;
}
