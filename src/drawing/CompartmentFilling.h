#pragma once
// What choosing a filling does to a compartment's record: a fill type, a fill code and the parts
// (leaves or panes) it brings, and emptying it again. The drawing window calls these on the
// selected compartment and redraws; the options window shares them.
#include "model/Records.h"
#include "model/Vocabularies.h"

namespace CompartmentFilling {

// Empties the filling: type, code, extra text, screen, direction, breast wall, applied bars and
// toughened glass. Place, size and the parts stay.
void clear(CompartmentRecord &c);

// A fill-type button ("Deur", "Raam", "Glasvak", "Paneel"): the compartment is emptied and gets
// the type. A glass pane needs no code of its own: it is outside glazing, one pane, at once.
void setFillType(CompartmentRecord &c, const QString &fillType);

// True when `code` belongs to another fill type than the compartment has: choosing it empties
// the compartment first (the window wipes the compartment's drawing before that).
bool changesFillType(const CompartmentRecord &c, const FillCodeInfo &code);

// A fill-code button: the compartment, emptied first when the code is of another type, gets the
// code's type, the code and its number of parts (all empty), and the code's start direction where it has one.
void setFillCode(CompartmentRecord &c, const FillCodeInfo &code);

// `count` empty parts in place of the ones the compartment had.
void makeParts(CompartmentRecord &c, int count);

}
