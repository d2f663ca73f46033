#pragma once
// The menu's project commands as far as they are rules rather than windows: saving, loading, the
// save question before the project is left, and opening another project. They ask the user and
// tell the outcome; the file itself is ProjectFile.h's.
#include "ProjectState.h"

class QWidget;

// Saves to a new date-stamped "YYMMDD-HHMM.TOF" in the current folder, or (saveAs) to the file
// chosen in the save dialog. Tells the user the outcome. True when the file was written; only then
// is the snapshot taken and ProjectDirty cleared.
bool SaveProject(ProjectState &state, bool saveAs);

// Reads the file named by ProjectFileName, or tells the user why not. A refused file leaves the
// project and its personal data as they were. True when it loaded.
bool LoadProject(ProjectState &state);

// Asks "Wilt u de wijzigingen opslaan ?" when marks changed since the last load or save, and saves
// on Yes. True when the caller may go on (nothing to save, No, or saved); false on Cancel or when
// the save failed.
bool askToSaveChanges(ProjectState &state);

// The save question, then the open dialog in the current folder, then the chosen project loaded.
// A refused file leaves the open project and its file name as they were. True when a project was loaded.
bool openProject(ProjectState &state, QWidget *owner);

// The mark list's questions, asked: newMarkQuestion, and on Yes the mark made (MarkList::answerNew);
// deleteMarkQuestion, and on Yes the current mark deleted. True when made or deleted.
bool askToMakeMark(ProjectState &state, const QString &label);
bool askToDeleteMark(ProjectState &state, const QString &label);
// The label proposed after `label` (MarkList::nextFreeName); "" after noNextMarkMessage is shown.
QString nextMarkLabel(ProjectState &state, const QString &label);
