#pragma once
// The menu's project commands as far as they are rules rather than windows: the save question
// before the project is left, and opening another project.
#include "ProjectState.h"

class QWidget;

// Asks "Wilt u de wijzigingen opslaan ?" when marks changed since the last load or save, and saves
// on Yes. True when the caller may go on (nothing to save, No, or saved); false on Cancel or when
// the save failed.
bool AskToSaveChanges(ProjectState &state);

// The save question, then the open dialog in the current folder, then the chosen project loaded.
// A refused file leaves the open project and its file name as they were. True when a project was loaded.
bool OpenProject(ProjectState &state, QWidget *owner);
