#include "CompartmentSymbols.h"

#include "CompartmentFilling.h"
#include "FillSymbols.h"
#include "HardwareMarks.h"

#include "model/Vocabularies.h"
#include "platform/Rounding.h"

#include <algorithm>

using SymbolMath::cint;

namespace {
constexpr int DoorSash = 117;
constexpr int WindowSash = 80;

bool slotted(const QString &grille) { return grille == QLatin1String("1") || grille == QLatin1String("2"); }
}

SymbolContext CompartmentSymbols::context(FrameRecord &mark, CompartmentRecord &c)
{
    return {tools_, mark, c, FillCodes::find(c.FillCode), FillSymbols::find(c.FillCode), stileWidth_, railWidth_};
}

// Entry points.

void CompartmentSymbols::ReDrawVak(FrameRecord &mark, int index)
{
    if (index < 0 || index >= mark.Compartments.size()) return;
    CompartmentRecord &c = mark.Compartments[index];
    SymbolContext s = context(mark, c);
    const int X = c.PosX, Y = c.PosY;
    tools_.ClearBoxMm(X, Y, X + c.ClearWidth, Y + c.ClearHeight);
    DrawVakFilling(s);
    // An unfilled compartment keeps the parts of its last filling: they are not drawn.
    if (c.FillType == FillTypes::Panel || c.FillCode.isEmpty()) return;
    DrawGlazingBars(s);
    DrawGrilles(s);
    DrawOpeningMarks(s);
    DrawOpeningSymbol(s);
    if (!c.ScreenName.isEmpty()) tools_.PrintLabel(X + 25, Y + 10, c.ScreenName);
}

void CompartmentSymbols::ClearVak(FrameRecord &mark, int index)
{
    if (index < 0 || index >= mark.Compartments.size()) return;
    CompartmentRecord &c = mark.Compartments[index];
    SymbolContext s = context(mark, c);
    // Every place a hinge mark can have, drawn in the background colour while the filling still
    // stands; the frame edges it crosses come back in black.
    s.setFore(true);
    for (const double p : HardwareMarks::HingePlaces::all()) {
        s.setFore(true);
        HardwareMarks::DrawHingeMark(s, p);
    }
    s.setFore(false);

    CompartmentFilling::clear(c);
    tools_.ClearBoxMm(c.PosX, c.PosY, c.PosX + c.ClearWidth, c.PosY + c.ClearHeight);
}

void CompartmentSymbols::SetSashWidths(SymbolContext &s)
{
    int width = stileWidth_;
    if (s.c.FillType == FillTypes::Door) width = DoorSash;
    else if (s.c.FillType == FillTypes::Window) width = WindowSash;
    else if (s.c.FillType == FillTypes::Glass) width = 0;
    if (s.c.ToughenedGlass) width = 0;
    stileWidth_ = railWidth_ = width;
    s.A = stileWidth_;
    s.B = railWidth_;
}

void CompartmentSymbols::DrawVakFilling(SymbolContext &s)
{
    SetSashWidths(s);
    if (s.symbol) s.symbol->filling(s);
}

// Opening lines: dotted when the compartment opens inward.
void CompartmentSymbols::DrawOpeningSymbol(SymbolContext &s)
{
    tools_.SetDashed(s.c.OpensInward ? 1 : 0);
    if (s.c.Direction != 0 && s.symbol && s.symbol->lines) s.symbol->lines(s);
    tools_.SetDashed(0);
}

void CompartmentSymbols::DrawOpeningMarks(SymbolContext &s)
{
    SetSashWidths(s);
    if (s.symbol && s.symbol->marks) s.symbol->marks(s);
    tools_.SetDashed(0);
}

// Vent grilles and glazing bars, per part.

namespace {
int rodLength(const SymbolContext &s)
{
    // Shortened by quarters until it fits under the grille; it stops at 2 mm (a quarter off 2 rounds
    // back to 2), however little room there is.
    const int room = s.c.ClearHeight - s.B - 140;
    int length = 500;
    while (length > room) {
        const int shorter = cint(length * 0.75);
        if (shorter >= length) break;
        length = shorter;
    }
    return length;
}
}

void CompartmentSymbols::DrawGrilles(SymbolContext &s)
{
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY;
    const int T = s.mark.FrameThickness;
    const QColor back = tools_.canvas().state().BackColor;
    for (int k = 0; k < c.Parts.size(); ++k) {
        const CompartmentPartRecord &p = c.Parts[k];
        const int x1 = X + p.PartX, x2 = x1 + p.PartWidth, Yp = Y + p.PartY;
        // The strip in the frame member above, where a glazing's slots sit.
        const int y1 = std::max(0, cint(Y - T / 2.0 - 15));
        tools_.FillBoxMm(x1, y1, x2, y1 + 30, FillStyles::Solid, back);

        const QString &g = p.GrilleCode;
        if (g.isEmpty()) continue;
        if (slotted(g)) {
            // In the middle of the sash's top rail, or of the frame member above a glazing.
            const int ys = c.FillType != FillTypes::Glass ? cint(Y + p.PartY / 2.0 - 5) : cint(Y - T / 2.0 - 5);
            const int PW = p.PartWidth;
            if (g == QLatin1String("1")) {
                tools_.DrawBoxMm(cint(x1 + PW / 3.0), ys, cint(x1 + 2 * PW / 3.0), ys + 10);
            } else {
                tools_.DrawBoxMm(cint(x1 + PW / 5.0), ys, cint(x1 + 2 * PW / 5.0), ys + 10);
                tools_.DrawBoxMm(cint(x1 + 3 * PW / 5.0), ys, cint(x1 + 4 * PW / 5.0), ys + 10);
            }
        } else {
            for (int j = 1; j <= 7; ++j) tools_.DrawLineMm(x1, Yp + 20 * j, x2, Yp + 20 * j);
            const bool left = g == QLatin1String("4L") || g == QLatin1String("5L") || g == QLatin1String("6L");
            const bool right = g == QLatin1String("4R") || g == QLatin1String("5R") || g == QLatin1String("6R");
            if (left || right) {
                // Operated: the handle box, the rod (a pull cord is dotted) and for a remote control
                // a cross bar at its end.
                const int L = rodLength(s);
                const int xr = left ? x1 + 30 : x2 - 30;
                tools_.DrawBoxMm(xr - 5, Yp + 15, xr + 5, Yp + 150);
                if (g.startsWith(QLatin1Char('4'))) tools_.SetDashed(1);
                tools_.DrawLineMm(xr, Yp + 150, xr, Yp + 150 + L);
                tools_.SetDashed(0);
                if (g.startsWith(QLatin1Char('6'))) {
                    if (left) tools_.DrawLineMm(x1, Yp + 150 + L, x1 + 45, Yp + 150 + L);
                    else tools_.DrawLineMm(x2 - 45, Yp + 150 + L, x2, Yp + 150 + L);
                }
            }
        }
        tools_.SetDashed(0);
    }
}

void CompartmentSymbols::DrawGlazingBars(SymbolContext &s)
{
    // Applied bars are dotted. A bar that falls outside the drawing's range ends the bars; the rest
    // of the compartment is still drawn.
    const CompartmentRecord &c = s.c;
    if (c.AppliedBars) tools_.SetDashed(1);
    const int X = c.PosX, Y = c.PosY;
    for (const CompartmentPartRecord &p : c.Parts) {
        const QString &g = p.GrilleCode;
        const int o = g.isEmpty() || slotted(g) ? 0 : 140;
        for (int j = 1; j <= p.BarsHorizontal; ++j) {
            const auto y = roundHalfEven(double(j) / (p.BarsHorizontal + 1) * (p.PartHeight + o) - 15);
            if (!y || !fitsInt16(*y)) return tools_.SetDashed(0);
            const int top = int(*y) + Y + p.PartY;
            tools_.DrawBoxMm(X + p.PartX, top, X + p.PartX + p.PartWidth, top + 30);
        }
        for (int j = 1; j <= p.BarsVertical; ++j) {
            const auto x = roundHalfEven(double(j) / (p.BarsVertical + 1) * p.PartWidth - 15);
            if (!x || !fitsInt16(*x)) return tools_.SetDashed(0);
            const int left = int(*x) + X + p.PartX;
            tools_.DrawBoxMm(left, Y + p.PartY + o, left + 30, Y + p.PartY + p.PartHeight);
        }
    }
    tools_.SetDashed(0);
}
