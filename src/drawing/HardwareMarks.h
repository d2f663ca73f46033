#pragma once
// The hinge, lock, handle and stay marks of a compartment, drawn dotted. A hinge mark is a box 15 mm
// across the edge and 110 mm along it, in the frame member on the hinge side.
#include "SymbolContext.h"

#include <QList>
#include <array>

namespace HardwareMarks {
// Where the hinge marks sit, in % along the hinge edge: by the edge's length (under 1000 mm, under
// 1500 mm, longer), on a door, the extra one of a door over 2000 mm high, and a pair door's.
namespace HingePlaces {
inline constexpr std::array Short{20.0, 80.0};
inline constexpr std::array Medium{15.0, 50.0, 85.0};
inline constexpr std::array Long{10.0, 20.0, 80.0, 90.0};
inline constexpr std::array Door{10.0, 50.0, 90.0};
inline constexpr double TallDoor = 17;
inline constexpr double PairDoor = 15;
// Every place above, ascending, each once: where a compartment being cleared may have one.
QList<double> all();
}

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
