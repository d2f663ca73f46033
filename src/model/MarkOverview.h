#pragma once
// What the marks overview shows: one row per mark in use, and the row it opens on.
#include "GridModel.h"
#include "ProjectState.h"

// Mark, description, width, height, count drawn, count mirrored.
QList<GridColumn> markGridColumns();
QList<QStringList> markGridRows(const ProjectState &state);
// The last row whose label equals the current mark's (case-sensitive); 0 when none does.
int markGridSelectedRow(const ProjectState &state);
