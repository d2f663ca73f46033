#pragma once
// What fills a compartment on the drawing: the leaf and pane outlines, panel patterns, breast
// walls, opening lines, vent grilles, glazing bars and the screen label, and the hinge, lock,
// handle and stay marks around them. The fill-symbol table names the functions that draw each
// fill code: fillings, opening lines and hardware marks each have a file of their own.
//
// The redraw also writes the parts' geometry (PartX, PartY, PartWidth, PartHeight): the project
// file and the drawing file carry them as last drawn. Nothing keeps a list of what was drawn; a
// figure goes by drawing it again in the background colour, and the boxes drawn after the first
// wipe of an opening paint their inside in the background colour (the fill the wipe leaves).
#include "DrawTools.h"
#include "SymbolContext.h"
#include "model/Records.h"

class CompartmentSymbols {
public:
    explicit CompartmentSymbols(DrawTools &tools) : tools_(tools) {}

    // Wipes the opening of compartment `index` of `mark` and draws its filling anew.
    void ReDrawVak(FrameRecord &mark, int index);
    // Erases the hinge marks and the drawing of compartment `index` and clears its filling; the
    // position, clear size and parts stay.
    void ClearVak(FrameRecord &mark, int index);

    // The sash profile widths of the fill type drawn last (door 117, window 80, glazing 0, 0 for
    // toughened glass); a panel or an untyped compartment leaves them as they were.
    int SashStileWidth() const { return stileWidth_; }
    int SashRailWidth() const { return railWidth_; }

private:
    SymbolContext context(FrameRecord &mark, CompartmentRecord &c);
    void SetSashWidths(SymbolContext &s);
    void DrawVakFilling(SymbolContext &s);
    void DrawOpeningSymbol(SymbolContext &s);
    void DrawGrilles(SymbolContext &s);
    void DrawGlazingBars(SymbolContext &s);
    void DrawOpeningMarks(SymbolContext &s);

    DrawTools &tools_;
    int stileWidth_ = 0;
    int railWidth_ = 0;
};
