#pragma once
#include "ProjectState.h"

// True when the marks differ from the snapshot of the last load or save in anything the project
// file stores: a field, or the number of marks, of a mark's compartments or of a compartment's parts.
bool ProjectChanged(const ProjectState &state);

// Index of the current mark's first compartment without a fill code; -1 when all are filled
// (or there is no current mark).
int16 FirstEmptyCompartment(const ProjectState &state);

// "" when every mark can be sent; otherwise the first problem found, as a message for the user.
QString CheckProject(const ProjectState &state);
