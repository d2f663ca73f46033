#pragma once
// The hinge, lock, handle and stay marks of a compartment, drawn dotted. A hinge mark is a box 15 mm
// across the edge and 110 mm along it, in the frame member on the hinge side.
#include "SymbolContext.h"

namespace HardwareMarks {
// The marks of a fill code, from its row.
void door(SymbolContext &s);            // lock opposite the hinges, three or four hinges
void pairDoor(SymbolContext &s);        // lock in the meeting stile, one hinge mark
void tiltingPairDoor(SymbolContext &s); // lock in the meeting stile only
void liftSlide(SymbolContext &s);       // the lock and lifting handle of each sliding leaf
void flap(SymbolContext &s);            // handles and hinges along the width
void sash(SymbolContext &s);            // handles, the stay and hinges along the height
void pairSash(SymbolContext &s);        // handles in the meeting stile and hinges, no stay

// One hinge mark at p % along the hinge edge, and the erasing of a mark on an edge that is not the
// hinge side. Drawn while the pen is the background colour it erases; the frame edges it touches
// come back in black.
void DrawHingeMark(SymbolContext &s, double p);
}
