#include "Fillings.h"

#include "FillSymbols.h"

using SymbolMath::cint;
using SymbolMath::spacing;

namespace {
// Single lines under the sash, the first one a board below the breast wall's top edge; under each
// leaf of two side by side.
void DrawSashBreastWall(SymbolContext &s)
{
    const CompartmentRecord &c = s.c;
    const int BW = c.BreastWallHeight;
    const int step = spacing(BW, 150);
    const int n = cint(double(BW) / step - 1);
    const int leaves = s.info && s.info->twoLeaves ? 2 : 1;
    for (int k = 0; k < leaves; ++k) {
        const CompartmentPartRecord *p = s.part(k);
        if (!p) break;
        const int x1 = c.PosX + p->PartX, x2 = x1 + p->PartWidth;
        int y = c.PosY + c.ClearHeight - BW + step;
        for (int j = 0; j < n; ++j, y += step) s.tools.DrawLineMm(x1, y, x2, y);
    }
}

void drawBoards(SymbolContext &s, bool vertical)
{
    // Boards of about 100 mm across the height (or the width), the lines between them only.
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const int length = vertical ? CW : CH;
    const int step = spacing(length, 100);
    const int n = cint(double(length) / step - 1);
    for (int k = 1; k <= n; ++k) {
        if (vertical) s.tools.DrawLineMm(X + k * step, Y, X + k * step, Y + CH);
        else s.tools.DrawLineMm(X, Y + k * step, X + CW, Y + k * step);
    }
    s.tools.PrintLabel(X + 25, Y + CH - 80, s.symbol->label);
}
}

void Fillings::oneLeaf(SymbolContext &s)
{
    const int A = s.A, B = s.B, CW = s.c.ClearWidth, CH = s.c.ClearHeight;
    const int BW = s.c.BreastWallHeight;
    s.setPart(0, A, B, CW - 2 * A, BW <= 0 ? CH - 2 * B : CH - B - BW);
    if (BW > 0) DrawSashBreastWall(s);
    s.drawPartBox(0);
}

void Fillings::twoPanes(SymbolContext &s)
{
    const int A = s.A, B = s.B, CW = s.c.ClearWidth, CH = s.c.ClearHeight;
    const int BW = s.c.BreastWallHeight;
    const int h = BW <= 0 ? cint(CH / 2.0 - B / 2.0 - B) : cint((CH - BW) / 2.0 - B);
    s.setPart(0, A, B, CW - 2 * A, h);
    s.setPart(1, A, 2 * B + SymbolMath::to16(h), CW - 2 * A, h);
    if (BW > 0) DrawSashBreastWall(s);
    s.drawPartBox(0);
    s.drawPartBox(1);
}

void Fillings::twoLeaves(SymbolContext &s)
{
    const int A = s.A, B = s.B, CW = s.c.ClearWidth, CH = s.c.ClearHeight;
    const int BW = s.c.BreastWallHeight;
    const int w = cint(CW / 2.0 - 2 * A);
    const int h = BW <= 0 ? CH - 2 * B : CH - B - BW;
    s.setPart(0, A, B, w, h);
    s.setPart(1, cint(CW / 2.0 + A), B, w, h);
    if (BW > 0) DrawSashBreastWall(s);
    s.drawPartBox(0);
    s.drawPartBox(1);
    const int xm = s.c.PosX + cint(CW / 2.0);
    s.tools.DrawLineMm(xm, s.c.PosY, xm, s.c.PosY + CH);
}

void Fillings::glazing(SymbolContext &s)
{
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const int BW = c.BreastWallHeight;
    s.setPart(0, 0, 0, CW, CH - BW);
    if (BW > 0) {
        // Boards as pairs of lines 20 mm apart, the first pair on the breast wall's top edge.
        const int step = spacing(BW, 150);
        const int n = cint(double(BW) / step);
        int y = Y + CH - BW;
        for (int k = 0; k < n; ++k, y += step) {
            s.tools.DrawLineMm(X, y, X + CW, y);
            s.tools.DrawLineMm(X, y + 20, X + CW, y + 20);
        }
    }
    s.tools.PrintLabel(X + 25, Y + CH - 80, s.symbol->label);
}

void Fillings::boards(SymbolContext &s) { drawBoards(s, false); }
void Fillings::verticalBoards(SymbolContext &s) { drawBoards(s, true); }

void Fillings::raisedPanel(SymbolContext &s)
{
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const int step = spacing(CW, 100); // from the width, for both directions
    DrawTools &t = s.tools;
    t.DrawBoxMm(X + step, Y + step, X + CW - step, Y + CH - step);
    t.DrawLineMm(X, Y, X + step, Y + step);
    t.DrawLineMm(X + CW, Y, X + CW - step, Y + step);
    t.DrawLineMm(X + CW, Y + CH, X + CW - step, Y + CH - step);
    t.DrawLineMm(X, Y + CH, X + step, Y + CH - step);
    t.PrintLabel(X + step + 8, Y + CH - step - 40, s.symbol->label);
}

void Fillings::hatched(SymbolContext &s)
{
    const CompartmentRecord &c = s.c;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    s.tools.FillBoxMm(X + 2, Y + 2, X + CW, Y + CH, FillStyles::DiagonalCross, QColor(200, 200, 200));
    s.tools.PrintLabel(X + 25, Y + CH - 80, s.symbol->label);
}
