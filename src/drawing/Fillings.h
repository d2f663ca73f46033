#pragma once
// The fillings of a compartment: they store the parts' geometry (relative to the compartment, from
// the sash widths) and draw the leaf and pane outlines, the breast wall under a sash, the boards of
// a glazing's breast wall and the panel patterns with their labels.
#include "SymbolContext.h"

namespace Fillings {
void oneLeaf(SymbolContext &s);
void twoPanes(SymbolContext &s);   // above each other
void twoLeaves(SymbolContext &s);  // side by side, with the meeting line
void glazing(SymbolContext &s);
void boards(SymbolContext &s);
void verticalBoards(SymbolContext &s);
void raisedPanel(SymbolContext &s);
void hatched(SymbolContext &s);
}
