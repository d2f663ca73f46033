#include "OpeningLines.h"

using SymbolMath::cint;

void OpeningLines::sideHung(SymbolContext &s)
{
    // The lines meet at the middle of the edge opposite the hinges.
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const int Ym = cint(CH / 2.0 + Y);
    if (c.Direction == 1) {
        s.tools.DrawLineMm(X, Y, X + CW, Ym);
        s.tools.DrawLineMm(X + CW, Ym, X, Y + CH);
    } else if (c.Direction == 2) {
        s.tools.DrawLineMm(X + CW, Y, X, Ym);
        s.tools.DrawLineMm(X, Ym, X + CW, Y + CH);
    }
}

void OpeningLines::turnTilt(SymbolContext &s)
{
    if (s.c.Direction >= 1) bottomHung(s);
    sideHung(s);
}

void OpeningLines::bottomHung(SymbolContext &s)
{
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const int Xm = cint(CW / 2.0 + X);
    s.tools.DrawLineMm(Xm, Y, X, Y + CH);
    s.tools.DrawLineMm(Xm, Y, X + CW, Y + CH);
}

void OpeningLines::topHung(SymbolContext &s)
{
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const int Xm = cint(CW / 2.0 + X);
    s.tools.DrawLineMm(X, Y, Xm, Y + CH);
    s.tools.DrawLineMm(X + CW, Y, Xm, Y + CH);
}

void OpeningLines::twoLeaves(SymbolContext &s)
{
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    s.tools.DrawLineMm(X, Y, X + CW, Y + CH);
    s.tools.DrawLineMm(X + CW, Y, X, Y + CH);
}

void OpeningLines::tiltingPair(SymbolContext &s)
{
    twoLeaves(s);
    // The tilting leaf: the left one for direction 1, else the right one.
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const int Xm = cint(CW / 2.0 + X);
    if (c.Direction == 1) {
        if (const CompartmentPartRecord *p0 = s.part(0)) {
            const int xa = cint(p0->PartWidth / 2.0 + (p0->PartX + X));
            s.tools.DrawLineMm(xa, Y, X, Y + CH);
            s.tools.DrawLineMm(xa, Y, Xm, Y + CH);
        }
    } else if (const CompartmentPartRecord *p1 = s.part(1)) {
        const int xb = cint(p1->PartWidth / 2.0 + (p1->PartX + X));
        s.tools.DrawLineMm(xb, Y, Xm, Y + CH);
        s.tools.DrawLineMm(xb, Y, X + CW, Y + CH);
    }
}

void OpeningLines::liftSlide(SymbolContext &s)
{
    const CompartmentPartRecord *p0 = s.part(0);
    if (!p0) return;
    const CompartmentRecord &c = s.c;
    DrawTools &t = s.tools;
    const int X = c.PosX, Y = c.PosY, CH = c.ClearHeight;
    const int Ym = cint(CH / 2.0 + Y);
    const int w = cint(p0->PartWidth * 0.1); // from the left leaf, for both arrows
    const int d = c.Direction;
    if (d == 1 || d == 3) {
        const int xa = X + p0->PartX + w, xb = xa + p0->PartWidth - 2 * w;
        t.DrawLineMm(xa, Ym, xa, Ym + 75);
        t.DrawLineMm(xa, Ym, xb, Ym);
        t.DrawLineMm(xb - 100, Ym - 50, xb, Ym);
        t.DrawLineMm(xb, Ym, xb - 100, Ym + 50);
    }
    const CompartmentPartRecord *p1 = s.part(1);
    if ((d == 2 || d == 3) && p1) {
        const int xr = X + p1->PartX + p1->PartWidth - w;
        t.DrawLineMm(xr, Ym, xr, Ym + 75);
        const int xa = X + p1->PartX + w, xb = xa + p1->PartWidth - 2 * w;
        t.DrawLineMm(xa, Ym, xb, Ym);
        t.DrawLineMm(xa, Ym, xa + 100, Ym - 50);
        t.DrawLineMm(xa, Ym, xa + 100, Ym + 50);
    }
}
