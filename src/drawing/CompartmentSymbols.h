#pragma once
// What fills a compartment on the drawing: the leaf and pane outlines, panel patterns, breast
// walls, opening lines, vent grilles, glazing bars and the screen label, and the hinge, lock,
// handle and stay marks around them. One table row per fill code names the functions that draw it.
//
// The redraw also writes the parts' geometry (PartX, PartY, PartWidth, PartHeight): the project
// file and the drawing file carry them as last drawn. Nothing keeps a list of what was drawn; a
// figure goes by drawing it again in the background colour, and the boxes drawn after the first
// wipe of an opening paint their inside in the background colour (the fill the wipe leaves).
#include "DrawTools.h"
#include "model/Records.h"

#include <QString>

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

    struct FillSymbol;

private:
    static const FillSymbol *symbolFor(const QString &code);

    // Everything below works on the compartment selected by the entry point.
    void SetSashWidths();
    void DrawVakFilling();
    void DrawSashBreastWall();
    void DrawOpeningSymbol();
    void DrawGrilles();
    void DrawGlazingBars();
    void DrawOpeningMarks();
    void DrawHingeMark(double p);
    void DrawDoorHandleMark();
    void DrawSashHandleMark(double p);
    void DrawFlapHandleMark(double p);
    void DrawStayMark();

    // Fillings.
    void fillOneLeaf();
    void fillTwoPanes();
    void fillTwoLeaves();
    void fillGlazing();
    void fillBoards();
    void fillVerticalBoards();
    void drawBoards(bool vertical);
    void fillRaisedPanel();
    void fillHatched();
    // Opening lines.
    void linesSideHung();
    void linesTurnTilt();
    void linesTwoLeaves();
    void linesTopHung();
    void linesBottomHung();
    void linesLiftSlide();
    // Hardware marks.
    void marksDoor();
    void marksTwoLeafDoor();
    void marksLiftSlide();
    void marksFlap();
    void marksSash();
    void handlesBySize(int size, void (CompartmentSymbols::*draw)(double));
    void hingesBySize(int size);

    void select(FrameRecord &mark, int index);
    CompartmentPartRecord *part(int k) const;
    void setPart(int k, int x, int y, int w, int h);
    void drawPartBox(int k);
    int rodLength() const;
    void setFore(bool background);

    DrawTools &tools_;
    int stileWidth_ = 0;
    int railWidth_ = 0;
    FrameRecord *mark_ = nullptr;
    CompartmentRecord *c_ = nullptr;
    const FillSymbol *symbol_ = nullptr;
};
