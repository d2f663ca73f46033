#pragma once
// The compartments ("vakken") of a mark, built from its shape code, its member sizes and the
// 17 clear-size inputs. Their number and index order per code are what the drawing, the project
// file and the drawing export rely on.
#include "model/Records.h"

#include <QString>

// The number of compartments of a shape code; 0 for a code outside the 43.
int compartmentCount(const QString &code);

// A mark counts as having compartments only when they were built for its present code (a variant
// with as many compartments numbers them differently) and it holds as many as that code needs.
bool hasCompartmentsForCode(const FrameRecord &mark);

struct CompartmentBuild {
    bool ok = false;
    bool fresh = false; // the compartment list was made anew: fillings are gone
    FrameRecord mark;   // the mark as built (only when ok)
    QString message;    // the refusal, for a box titled "FOUTMELDING"
};

// Builds on a copy of `mark`; the caller commits `mark` of the result only when ok. With
// `newShapePending`, or when the mark's compartments were not built for its code, the list is made anew;
// otherwise the compartments keep their fillings and only their clear sizes are rewritten.
// Refused, with a message naming the "vak": a clear width or height of 0 or less or beyond
// 16 bits; and a code outside the 43.
CompartmentBuild BuildCompartments(const FrameRecord &mark, const ClearSizeSet &inputs, bool newShapePending);

QString unknownShapeMessage(const QString &code);
