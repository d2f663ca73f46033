#pragma once
// The project file (*.tof): one value per line, every byte of a value complemented, lines ended by
// a plain CR LF. Line 1 is the magic, lines 2 to 12 the personal fields, then the marks. This part
// only turns bytes into a project and back; the commands (ProjectCommands.h) ask and tell the user.
#include "ProjectState.h"

#include <QByteArray>

#include <optional>

inline const QString ProjectMagic = QStringLiteral("#QV ZANDREL-TOFMAAR#");

// Complements every byte; its own inverse. The QString form works on the Windows-1252 bytes.
QByteArray ScrambleLine(const QByteArray &bytes);
QString ScrambleLine(const QString &text);

// The most elements a list of the file may hold (marks, compartments of a mark, parts of a
// compartment) and the most characters of a text line: what a 16-bit count and an input field hold.
constexpr int ProjectFileLimit = 32767;

// Why the project cannot be written so that it reads back (a list or a text over the limit), in
// words for the user; "" when it can.
QString projectSaveProblem(const ProjectState &state);

// The whole file as it would be written, with its own file name left to the caller.
QByteArray projectFileBytes(const ProjectState &state);

// A project as its file holds it: the personal fields, the marks, and the project-wide clear sizes
// (the last mark's).
struct ProjectFileContents {
    PersonalData personal;
    QList<FrameRecord> marks;
    ClearSizeSet clearSizes;
};
// The contents of a file, or why it is refused in words for the user.
struct ProjectFileRead {
    std::optional<ProjectFileContents> contents;
    QString problem;
};

// Parses a whole file. Refused: "Ongeldig bestandsformaat !", or, for a file without marks,
// "Er zijn geen kozijntekeningen gevonden in dit bestand !".
ProjectFileRead parseProjectFile(const QByteArray &bytes);

// Reads and parses the file at `path`; also "Het bestand kan niet worden geopend !" and the full
// path for a file that is missing, no regular file or too large. Checks the first line before it
// reads on.
ProjectFileRead readProjectFile(const QString &path);

// The project takes a file's contents: the personal data and the marks, the last mark current,
// the snapshot taken and nothing to save. The mail method stays.
void takeProjectFile(ProjectState &state, ProjectFileContents contents);

// The date-stamped name of a plain save: "YYMMDD-HHMM" + extension.
QString dateStampedName(const QString &extension);
