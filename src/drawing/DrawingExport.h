#pragma once
// The drawing file for the factory ("YYMMDD-HHMM.TEK"): plain Windows-1252 text, CR LF, one item per
// line, ";" between the fields of a mark or compartment line. The factory's software reads it, so
// its layout is fixed to the byte.
#include "model/ProjectState.h"

#include <QList>
#include <QString>

inline const QString DrawingFileTag = QStringLiteral("@;2.0");

// The order in which a mark's compartments are written: a few shapes list theirs in an order of
// their own (the shape-code table's export order); every other mark (and one of those whose
// compartment count does not fit that order) goes in index order.
QList<int> SetExportOrder(const FrameRecord &mark);

// The shape code as the factory knows it: the shape-code table's factory code where it has one.
QString ExportShapeCode(const FrameRecord &mark);

// Field 5 of a compartment line.
QString exportOpening(const CompartmentRecord &c);
// One compartment line; `number` is the 1-based compartment number.
QString exportCompartmentLine(const CompartmentRecord &c, int number);

// The text of the file, every line ended by CR LF; its head is the project's personal data.
QString drawingExportText(const ProjectState &state);
// Every line of the file, without line ends.
QStringList drawingExportLines(const ProjectState &state);

// Writes the file for the whole project into the current folder under a new date-stamped name,
// replacing one of that name, and leaves that bare name in ProjectFileName. Returns "" when written,
// else the message for the user (the file and why): nothing may be sent then, and ProjectFileName
// and any older file of that name are left as they were.
QString ExportDrawings(ProjectState &state);
