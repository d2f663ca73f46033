#pragma once
// The project file (*.tof): one value per line, every byte of a value complemented, lines ended by
// a plain CR LF. Line 1 is the magic, lines 2 to 12 the personal fields, then the marks.
#include "ProjectState.h"

#include <QByteArray>

inline const QString ProjectMagic = QStringLiteral("#QV ZANDREL-TOFMAAR#");

// Complements every byte; its own inverse. The QString form works on the Windows-1252 bytes.
QByteArray ScrambleLine(const QByteArray &bytes);
QString ScrambleLine(const QString &text);

// The most elements a list of the file may hold (marks, compartments of a mark, parts of a
// compartment) and the most characters of a text line: what a 16-bit count and an input field hold.
constexpr int ProjectFileLimit = 32767;

// Why the project cannot be written so that it reads back (a list or a text over the limit), in
// words for the user; "" when it can.
QString ProjectSaveProblem(const ProjectState &state);

// The whole file as it would be written, with its own file name left to the caller.
QByteArray ProjectFileBytes(const ProjectState &state);

// Saves to a new date-stamped "YYMMDD-HHMM.TOF" in the current folder, or (saveAs) to the file
// chosen in the save dialog. Tells the user the outcome. True when the file was written; only then
// is the snapshot taken and ProjectDirty cleared.
bool SaveProject(ProjectState &state, bool saveAs);

// Reads the file named by ProjectFileName. Checks the first line before it reads on. Parses the whole file before it changes anything: a
// refused file leaves the project and its personal data as they were. True when it loaded.
bool LoadProject(ProjectState &state);

// The date-stamped name of a plain save: "YYMMDD-HHMM" + extension.
QString DateStampedName(const QString &extension);
