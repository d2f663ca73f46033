#pragma once
// What a symbol function works on: the drawing tools, the mark, the compartment being drawn, the
// rows of its fill code and the sash widths of this redraw. The entry points of CompartmentSymbols
// make one for each call; nothing of it outlives the call.
#include "DrawTools.h"
#include "model/Records.h"
#include "model/Vocabularies.h"

struct FillSymbol;

struct SymbolContext {
    DrawTools &tools;
    const FrameRecord &mark;
    CompartmentRecord &c;
    const FillCodeInfo *info; // nullptr for a code that is not one of ours, the empty code included
    const FillSymbol *symbol; // likewise
    int A = 0;                // sash stile width, for horizontal offsets
    int B = 0;                // sash rail width, for vertical offsets

    // nullptr for a part the compartment does not have.
    CompartmentPartRecord *part(int k) const;
    // Stores a part's geometry relative to the compartment, each value kept within 16 bits.
    void setPart(int k, int x, int y, int w, int h) const;
    void drawPartBox(int k) const;
    // The pen in the background colour (to erase) or in black.
    void setFore(bool background) const;
};

namespace SymbolMath {
// Rounded to the nearest whole number, halves to even.
int cint(double v);
// Part sizes beyond 16 bits are kept at the nearest bound rather than wrapped.
int16 to16(int v);
// The spacing of boards over a length: about `board` mm, dividing the length evenly. Never 0,
// however short the length.
int spacing(int length, int board);
}
