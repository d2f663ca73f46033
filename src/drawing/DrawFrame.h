#pragma once
// Drawing the current mark's frame: scale, the members of its shape, every compartment's PosX and
// PosY, the sill rectangle and the window caption. The drawing window calls it once per opening,
// after clearing the canvas and before restoring the fillings.
#include "DrawTools.h"
#include "FrameGeometry.h"
#include "shape/ShapeWidthInputs.h"
#include "model/ProjectState.h"

#include <QString>

// What the drawing window keeps of the frame drawn last.
struct FrameDrawingState {
    QString Caption;
    SillRect Sill;
};

enum class FrameDrawn {
    Drawn,              // also for a frame without size: positions stored, nothing visible
    NoMark,             // CurrentMarkIndex names no mark: only the caption is written
    TooFewCompartments, // fewer compartments than the shape places: only the caption
    UnknownShape,       // no shape has this code: scale and caption, nothing else
    InputMissing,       // a width input of the shape window could not be read: as an unknown code
    TooLarge,           // a position or member beyond 16 bits: as an unknown code
};

// The message the drawing window shows (style 48, "FOUTMELDING") for FrameDrawn::TooLarge.
QString frameTooLargeMessage();

// The caption: "<n> vaks <family word> kozijn (breedte x hoogte = <W> mm x <H> mm)", n being the
// number of compartments the mark holds (0 without a mark); "Los raam/deur kozijn (...)" for "K0".
QString frameCaption(const FrameRecord *mark);

// inputs: the shape window's width inputs, for the shapes that read them (may be nullptr).
FrameDrawn DrawFrame(DrawTools &tools, ProjectState &state, FrameDrawingState &frame,
                     const ShapeWidthInputs *inputs = nullptr);

// A sill entry that names no sill ("Geen", "Zonder", in any case) leaves only the top edge.
bool namesNoSill(const QString &sillText);
// The sill as the chosen entry shows it: the box cleared, the entry's outline (the full box, or the
// top edge alone) and its text as a label inside the top-left corner. Nothing where no sill was drawn.
void drawSill(DrawTools &tools, const SillRect &sill, const QString &sillText);
