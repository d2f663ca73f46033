#pragma once
// The rules a project, a mark and the main screen's fields are checked by. Each returns "" when the
// check passes, otherwise the message for the user; the window shows it.
#include "ProjectState.h"

#include <optional>

// True when the marks differ from the snapshot of the last load or save in anything the project
// file stores: a field, or the number of marks, of a mark's compartments or of a compartment's parts.
bool ProjectChanged(const ProjectState &state);

// Index of the current mark's first compartment without a fill code; -1 when all are filled
// (or there is no current mark).
int16 FirstEmptyCompartment(const ProjectState &state);

// "" when every mark can be sent; otherwise the first problem found, as a message for the user.
QString CheckProject(const ProjectState &state);

// The checks before the drawings are sent: every mark (CheckProject), the user's e-mail address and
// mail server. "" when they can be sent; otherwise the message for the user.
QString checkSend(const ProjectState &state);

// The main screen's width or height as the user leaves the field: at least twice the factory's
// frame thickness.
enum class FrameSize { Width, Height };
QString checkFrameSize(const ProjectState &state, FrameSize size, int value);

// A shape needs a width and a height: neither may be 0. The first that is, with its message.
struct FrameSizeProblem {
    FrameSize size;
    QString message;
};
std::optional<FrameSizeProblem> checkSizesForShape(int width, int height);

// The user's own e-mail address as the field is left: a "." and a plain address (isPlainMailAddress).
QString checkEMailField(const QString &text);
