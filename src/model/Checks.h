#pragma once
#include "PersonalFields.h"
#include "ProjectState.h"

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
QString CheckSend(const ProjectState &state, const PersonalFields &personal);
