#pragma once
// The opening lines of a compartment by its direction; the caller sets the pen dotted for an
// inward opening and draws them only for a direction other than 0.
#include "SymbolContext.h"

namespace OpeningLines {
void sideHung(SymbolContext &s);    // meeting at the middle of the edge opposite the hinges
void turnTilt(SymbolContext &s);    // the tilt lines, then the side-hung ones
void twoLeaves(SymbolContext &s);   // both diagonals
void tiltingPair(SymbolContext &s); // both diagonals and the tilt lines of one leaf
void topHung(SymbolContext &s);
void bottomHung(SymbolContext &s);
void liftSlide(SymbolContext &s);   // an arrow in each leaf that slides
}
