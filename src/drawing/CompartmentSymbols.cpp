#include "CompartmentSymbols.h"

#include "CompartmentFilling.h"

#include "model/Vocabularies.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <climits>

namespace {
// Rounded to the nearest whole number, halves to even.
int cint(double v)
{
    const auto r = roundHalfEven(v);
    return r ? int(std::clamp<long long>(*r, INT_MIN / 4, INT_MAX / 4)) : 0;
}

// Part sizes beyond 16 bits are stored at the nearest bound rather than wrapped.
int16 to16(int v) { return int16(std::clamp(v, -32768, 32767)); }

// The spacing of boards over a length: about `board` mm, dividing the length evenly. Never 0,
// however short the length (a panel side under 51 mm, a breast wall under 76 mm).
int spacing(int length, int board)
{
    const int count = std::max(1, cint(double(length) / board));
    return std::max(1, cint(double(length) / count));
}

constexpr int DoorSash = 117;
constexpr int WindowSash = 80;
constexpr int WindowProfile = 80; // the handle and stay marks of windows use it whatever the sash
}

struct CompartmentSymbols::FillSymbol {
    const char *code;
    void (CompartmentSymbols::*filling)();
    void (CompartmentSymbols::*lines)();  // nullptr: no opening lines
    void (CompartmentSymbols::*marks)();  // nullptr: no hardware marks
    bool twoLeaves;                       // side by side: a breast wall under each
    const char *label;                    // panels and glazing
};

const CompartmentSymbols::FillSymbol *CompartmentSymbols::symbolFor(const QString &code)
{
    using S = CompartmentSymbols;
    static const FillSymbol table[] = {
        {"DE", &S::fillOneLeaf, &S::linesSideHung, &S::marksDoor, false, nullptr},
        {"BE", &S::fillOneLeaf, &S::linesSideHung, &S::marksDoor, false, nullptr},
        {"DD", &S::fillOneLeaf, &S::linesTurnTilt, &S::marksDoor, false, nullptr},
        {"RA", &S::fillOneLeaf, &S::linesSideHung, &S::marksSash, false, nullptr},
        {"RB", &S::fillOneLeaf, &S::linesSideHung, &S::marksSash, false, nullptr},
        {"KL", &S::fillOneLeaf, &S::linesTopHung, &S::marksFlap, false, nullptr},
        {"VA", &S::fillOneLeaf, &S::linesBottomHung, &S::marksFlap, false, nullptr},
        {"DV", &S::fillOneLeaf, &S::linesTurnTilt, nullptr, false, nullptr},
        {"D2", &S::fillTwoPanes, &S::linesSideHung, &S::marksDoor, false, nullptr},
        {"B2", &S::fillTwoPanes, &S::linesSideHung, &S::marksDoor, false, nullptr},
        {"DU", &S::fillTwoLeaves, &S::linesTwoLeaves, &S::marksTwoLeafDoor, true, nullptr},
        {"DK", &S::fillTwoLeaves, &S::linesTwoLeaves, &S::marksTwoLeafDoor, true, nullptr},
        {"SD", &S::fillTwoLeaves, &S::linesLiftSlide, &S::marksLiftSlide, true, nullptr},
        {"SU", &S::fillTwoLeaves, &S::linesTwoLeaves, &S::marksSash, true, nullptr},
        {"SV", &S::fillTwoLeaves, &S::linesTwoLeaves, nullptr, true, nullptr},
        {"GL_BU", &S::fillGlazing, nullptr, nullptr, false, "Glasvak bu"},
        {"GL_BI", &S::fillGlazing, nullptr, nullptr, false, "Glasvak bi"},
        {"PRA", &S::fillBoards, nullptr, nullptr, false, "Rabat paneel"},
        {"PV", &S::fillVerticalBoards, nullptr, nullptr, false, "Vertikaal paneel"},
        {"PBO", &S::fillRaisedPanel, nullptr, nullptr, false, "Bossing paneel"},
        {"PTR", &S::fillHatched, nullptr, nullptr, false, "Trespa paneel"},
        {"PWB", &S::fillHatched, nullptr, nullptr, false, "Multiplex paneel"},
        {"PGL", &S::fillHatched, nullptr, nullptr, false, "Glas paneel"},
    };
    for (const FillSymbol &s : table)
        if (code == QLatin1String(s.code)) return &s;
    return nullptr;
}

// Entry points.

void CompartmentSymbols::select(FrameRecord &mark, int index)
{
    mark_ = &mark;
    c_ = index >= 0 && index < mark.Compartments.size() ? &mark.Compartments[index] : nullptr;
    symbol_ = c_ ? symbolFor(c_->FillCode) : nullptr;
}

void CompartmentSymbols::ReDrawVak(FrameRecord &mark, int index)
{
    select(mark, index);
    if (!c_) return;
    const int X = c_->PosX, Y = c_->PosY;
    tools_.ClearBoxMm(X, Y, X + c_->ClearWidth, Y + c_->ClearHeight);
    DrawVakFilling();
    // An unfilled compartment keeps the parts of its last filling: they are not drawn.
    if (c_->FillType == FillTypes::Panel || c_->FillCode.isEmpty()) return;
    DrawGlazingBars();
    DrawGrilles();
    DrawOpeningMarks();
    DrawOpeningSymbol();
    if (!c_->ScreenName.isEmpty()) tools_.PrintLabel(X + 25, Y + 10, c_->ScreenName);
}

void CompartmentSymbols::ClearVak(FrameRecord &mark, int index)
{
    select(mark, index);
    if (!c_) return;
    // Every place a hinge mark can have, drawn in the background colour while the filling still
    // stands; the frame edges it crosses come back in black.
    setFore(true);
    for (const double p : {10.0, 15.0, 17.0, 20.0, 50.0, 80.0, 85.0, 90.0}) {
        setFore(true);
        DrawHingeMark(p);
    }
    setFore(false);

    CompartmentRecord &c = *c_;
    CompartmentFilling::clear(c);
    symbol_ = nullptr;
    tools_.ClearBoxMm(c.PosX, c.PosY, c.PosX + c.ClearWidth, c.PosY + c.ClearHeight);
}

// Helpers.

void CompartmentSymbols::setFore(bool background)
{
    CanvasState &s = tools_.canvas().state();
    s.ForeColor = background ? s.BackColor : QColor(Qt::black);
}

CompartmentPartRecord *CompartmentSymbols::part(int k) const
{
    return k < c_->Parts.size() ? &c_->Parts[k] : nullptr;
}

void CompartmentSymbols::setPart(int k, int x, int y, int w, int h)
{
    if (CompartmentPartRecord *p = part(k)) {
        p->PartX = to16(x);
        p->PartY = to16(y);
        p->PartWidth = to16(w);
        p->PartHeight = to16(h);
    }
}

void CompartmentSymbols::drawPartBox(int k)
{
    if (const CompartmentPartRecord *p = part(k)) {
        const int x = c_->PosX + p->PartX, y = c_->PosY + p->PartY;
        tools_.DrawBoxMm(x, y, x + p->PartWidth, y + p->PartHeight);
    }
}

void CompartmentSymbols::SetSashWidths()
{
    int width = stileWidth_;
    if (c_->FillType == FillTypes::Door) width = DoorSash;
    else if (c_->FillType == FillTypes::Window) width = WindowSash;
    else if (c_->FillType == FillTypes::Glass) width = 0;
    if (c_->ToughenedGlass) width = 0;
    stileWidth_ = railWidth_ = width;
}

// Fillings.

void CompartmentSymbols::DrawVakFilling()
{
    SetSashWidths();
    if (symbol_) (this->*symbol_->filling)();
}

void CompartmentSymbols::fillOneLeaf()
{
    const int A = stileWidth_, B = railWidth_, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int BW = c_->BreastWallHeight;
    setPart(0, A, B, CW - 2 * A, BW <= 0 ? CH - 2 * B : CH - B - BW);
    if (BW > 0) DrawSashBreastWall();
    drawPartBox(0);
}

void CompartmentSymbols::fillTwoPanes()
{
    const int A = stileWidth_, B = railWidth_, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int BW = c_->BreastWallHeight;
    const int h = BW <= 0 ? cint(CH / 2.0 - B / 2.0 - B) : cint((CH - BW) / 2.0 - B);
    setPart(0, A, B, CW - 2 * A, h);
    setPart(1, A, 2 * B + to16(h), CW - 2 * A, h);
    if (BW > 0) DrawSashBreastWall();
    drawPartBox(0);
    drawPartBox(1);
}

void CompartmentSymbols::fillTwoLeaves()
{
    const int A = stileWidth_, B = railWidth_, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int BW = c_->BreastWallHeight;
    const int w = cint(CW / 2.0 - 2 * A);
    const int h = BW <= 0 ? CH - 2 * B : CH - B - BW;
    setPart(0, A, B, w, h);
    setPart(1, cint(CW / 2.0 + A), B, w, h);
    if (BW > 0) DrawSashBreastWall();
    drawPartBox(0);
    drawPartBox(1);
    const int xm = c_->PosX + cint(CW / 2.0);
    tools_.DrawLineMm(xm, c_->PosY, xm, c_->PosY + CH);
}

void CompartmentSymbols::fillGlazing()
{
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int BW = c_->BreastWallHeight;
    setPart(0, 0, 0, CW, CH - BW);
    if (BW > 0) {
        // Boards as pairs of lines 20 mm apart, the first pair on the breast wall's top edge.
        const int s = spacing(BW, 150);
        const int n = cint(double(BW) / s);
        int y = Y + CH - BW;
        for (int k = 0; k < n; ++k, y += s) {
            tools_.DrawLineMm(X, y, X + CW, y);
            tools_.DrawLineMm(X, y + 20, X + CW, y + 20);
        }
    }
    tools_.PrintLabel(X + 25, Y + CH - 80, QString::fromLatin1(symbol_->label));
}

void CompartmentSymbols::fillBoards() { drawBoards(false); }
void CompartmentSymbols::fillVerticalBoards() { drawBoards(true); }

void CompartmentSymbols::drawBoards(bool vertical)
{
    // Boards of about 100 mm across the height (or the width), the lines between them only.
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int length = vertical ? CW : CH;
    const int s = spacing(length, 100);
    const int n = cint(double(length) / s - 1);
    for (int k = 1; k <= n; ++k) {
        if (vertical) tools_.DrawLineMm(X + k * s, Y, X + k * s, Y + CH);
        else tools_.DrawLineMm(X, Y + k * s, X + CW, Y + k * s);
    }
    tools_.PrintLabel(X + 25, Y + CH - 80, QString::fromLatin1(symbol_->label));
}

void CompartmentSymbols::fillRaisedPanel()
{
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int s = spacing(CW, 100); // from the width, for both directions
    tools_.DrawBoxMm(X + s, Y + s, X + CW - s, Y + CH - s);
    tools_.DrawLineMm(X, Y, X + s, Y + s);
    tools_.DrawLineMm(X + CW, Y, X + CW - s, Y + s);
    tools_.DrawLineMm(X + CW, Y + CH, X + CW - s, Y + CH - s);
    tools_.DrawLineMm(X, Y + CH, X + s, Y + CH - s);
    tools_.PrintLabel(X + s + 8, Y + CH - s - 40, QString::fromLatin1(symbol_->label));
}

void CompartmentSymbols::fillHatched()
{
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    tools_.FillBoxMm(X + 2, Y + 2, X + CW, Y + CH, FillStyles::DiagonalCross, QColor(200, 200, 200));
    tools_.PrintLabel(X + 25, Y + CH - 80, QString::fromLatin1(symbol_->label));
}

void CompartmentSymbols::DrawSashBreastWall()
{
    // Single lines under the sash, the first one a board below the breast wall's top edge.
    const int BW = c_->BreastWallHeight;
    const int s = spacing(BW, 150);
    const int n = cint(double(BW) / s - 1);
    const int leaves = symbol_ && symbol_->twoLeaves ? 2 : 1;
    for (int k = 0; k < leaves; ++k) {
        const CompartmentPartRecord *p = part(k);
        if (!p) break;
        const int x1 = c_->PosX + p->PartX, x2 = x1 + p->PartWidth;
        int y = c_->PosY + c_->ClearHeight - BW + s;
        for (int j = 0; j < n; ++j, y += s) tools_.DrawLineMm(x1, y, x2, y);
    }
}

// Opening lines: dotted when the compartment opens inward.

void CompartmentSymbols::DrawOpeningSymbol()
{
    tools_.SetDashed(c_->OpensInward ? 1 : 0);
    if (c_->Direction != 0 && symbol_ && symbol_->lines) (this->*symbol_->lines)();
    tools_.SetDashed(0);
}

void CompartmentSymbols::linesSideHung()
{
    // The lines meet at the middle of the edge opposite the hinges.
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int Ym = cint(CH / 2.0 + Y);
    if (c_->Direction == 1) {
        tools_.DrawLineMm(X, Y, X + CW, Ym);
        tools_.DrawLineMm(X + CW, Ym, X, Y + CH);
    } else if (c_->Direction == 2) {
        tools_.DrawLineMm(X + CW, Y, X, Ym);
        tools_.DrawLineMm(X, Ym, X + CW, Y + CH);
    }
}

void CompartmentSymbols::linesTurnTilt()
{
    if (c_->Direction >= 1) linesBottomHung();
    linesSideHung();
}

void CompartmentSymbols::linesBottomHung()
{
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int Xm = cint(CW / 2.0 + X);
    tools_.DrawLineMm(Xm, Y, X, Y + CH);
    tools_.DrawLineMm(Xm, Y, X + CW, Y + CH);
}

void CompartmentSymbols::linesTopHung()
{
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int Xm = cint(CW / 2.0 + X);
    tools_.DrawLineMm(X, Y, Xm, Y + CH);
    tools_.DrawLineMm(X + CW, Y, Xm, Y + CH);
}

void CompartmentSymbols::linesTwoLeaves()
{
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int Xm = cint(CW / 2.0 + X);
    tools_.DrawLineMm(X, Y, X + CW, Y + CH);
    tools_.DrawLineMm(X + CW, Y, X, Y + CH);
    if (c_->FillCode != QLatin1String("DK") && c_->FillCode != QLatin1String("SV")) return;
    // The tilting leaf: the left one for direction 1, else the right one.
    if (c_->Direction == 1) {
        if (const CompartmentPartRecord *p0 = part(0)) {
            const int xa = cint(p0->PartWidth / 2.0 + (p0->PartX + X));
            tools_.DrawLineMm(xa, Y, X, Y + CH);
            tools_.DrawLineMm(xa, Y, Xm, Y + CH);
        }
    } else if (const CompartmentPartRecord *p1 = part(1)) {
        const int xb = cint(p1->PartWidth / 2.0 + (p1->PartX + X));
        tools_.DrawLineMm(xb, Y, Xm, Y + CH);
        tools_.DrawLineMm(xb, Y, X + CW, Y + CH);
    }
}

void CompartmentSymbols::linesLiftSlide()
{
    const CompartmentPartRecord *p0 = part(0);
    if (!p0) return;
    const int X = c_->PosX, Y = c_->PosY, CH = c_->ClearHeight;
    const int Ym = cint(CH / 2.0 + Y);
    const int w = cint(p0->PartWidth * 0.1); // from the left leaf, for both arrows
    const int d = c_->Direction;
    if (d == 1 || d == 3) {
        const int xa = X + p0->PartX + w, xb = xa + p0->PartWidth - 2 * w;
        tools_.DrawLineMm(xa, Ym, xa, Ym + 75);
        tools_.DrawLineMm(xa, Ym, xb, Ym);
        tools_.DrawLineMm(xb - 100, Ym - 50, xb, Ym);
        tools_.DrawLineMm(xb, Ym, xb - 100, Ym + 50);
    }
    const CompartmentPartRecord *p1 = part(1);
    if ((d == 2 || d == 3) && p1) {
        const int xr = X + p1->PartX + p1->PartWidth - w;
        tools_.DrawLineMm(xr, Ym, xr, Ym + 75);
        const int xa = X + p1->PartX + w, xb = xa + p1->PartWidth - 2 * w;
        tools_.DrawLineMm(xa, Ym, xb, Ym);
        tools_.DrawLineMm(xa, Ym, xa + 100, Ym - 50);
        tools_.DrawLineMm(xa, Ym, xa + 100, Ym + 50);
    }
}

// Vent grilles and glazing bars, per part.

int CompartmentSymbols::rodLength() const
{
    // Shortened by quarters until it fits under the grille; it stops at 2 mm (a quarter off 2 rounds
    // back to 2), however little room there is.
    const int room = c_->ClearHeight - railWidth_ - 140;
    int length = 500;
    while (length > room) {
        const int shorter = cint(length * 0.75);
        if (shorter >= length) break;
        length = shorter;
    }
    return length;
}

void CompartmentSymbols::DrawGrilles()
{
    const int X = c_->PosX, Y = c_->PosY;
    const int T = mark_->FrameThickness;
    const QColor back = tools_.canvas().state().BackColor;
    for (int k = 0; k < c_->Parts.size(); ++k) {
        const CompartmentPartRecord &p = c_->Parts[k];
        const int x1 = X + p.PartX, x2 = x1 + p.PartWidth, Yp = Y + p.PartY;
        // The strip in the frame member above, where a glazing's slots sit.
        const int y1 = std::max(0, cint(Y - T / 2.0 - 15));
        tools_.FillBoxMm(x1, y1, x2, y1 + 30, FillStyles::Solid, back);

        const QString &g = p.GrilleCode;
        if (g.isEmpty()) continue;
        const bool slotted = g == QLatin1String("1") || g == QLatin1String("2");
        if (slotted) {
            // In the middle of the sash's top rail, or of the frame member above a glazing.
            const int ys = c_->FillType != FillTypes::Glass ? cint(Y + p.PartY / 2.0 - 5) : cint(Y - T / 2.0 - 5);
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
                const int L = rodLength();
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

void CompartmentSymbols::DrawGlazingBars()
{
    // Applied bars are dotted. A bar that falls outside the drawing's range ends the bars; the rest
    // of the compartment is still drawn.
    if (c_->AppliedBars) tools_.SetDashed(1);
    const int X = c_->PosX, Y = c_->PosY;
    for (const CompartmentPartRecord &p : c_->Parts) {
        const QString &g = p.GrilleCode;
        const int o = g.isEmpty() || g == QLatin1String("1") || g == QLatin1String("2") ? 0 : 140;
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

// Hardware marks.

void CompartmentSymbols::DrawOpeningMarks()
{
    SetSashWidths();
    if (symbol_ && symbol_->marks) (this->*symbol_->marks)();
    tools_.SetDashed(0);
}

// Two handles on a long side, one in the middle of a short one.
void CompartmentSymbols::handlesBySize(int size, void (CompartmentSymbols::*draw)(double))
{
    if (size >= 1500) {
        (this->*draw)(20);
        (this->*draw)(80);
    } else {
        (this->*draw)(50);
    }
}

void CompartmentSymbols::hingesBySize(int size)
{
    if (size < 1000) {
        for (const double p : {20.0, 80.0}) DrawHingeMark(p);
    } else if (size < 1500) {
        for (const double p : {15.0, 50.0, 85.0}) DrawHingeMark(p);
    } else {
        for (const double p : {10.0, 20.0, 80.0, 90.0}) DrawHingeMark(p);
    }
}

void CompartmentSymbols::marksDoor()
{
    if (c_->Direction > 0) DrawDoorHandleMark();
    for (const double p : {10.0, 50.0, 90.0}) DrawHingeMark(p);
    if (c_->ClearHeight > 2000) DrawHingeMark(17);
}

void CompartmentSymbols::marksTwoLeafDoor()
{
    if (c_->Direction > 0) DrawDoorHandleMark();
    if (c_->FillCode == QLatin1String("DU")) DrawHingeMark(15);
}

void CompartmentSymbols::marksLiftSlide() { DrawDoorHandleMark(); }

void CompartmentSymbols::marksFlap()
{
    if (c_->Direction > 0) handlesBySize(c_->ClearWidth, &CompartmentSymbols::DrawFlapHandleMark);
    hingesBySize(c_->ClearWidth);
}

void CompartmentSymbols::marksSash()
{
    if (c_->Direction > 0) {
        handlesBySize(c_->ClearHeight, &CompartmentSymbols::DrawSashHandleMark);
        if (c_->FillCode != QLatin1String("SU")) DrawStayMark();
    }
    hingesBySize(c_->ClearHeight);
}

void CompartmentSymbols::DrawHingeMark(double p)
{
    // A box 15 mm across the edge and 110 mm along it, in the frame member on the hinge side.
    // Drawn while the pen is the background colour, it erases; the edges come back in black.
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const QString &code = c_->FillCode;
    const int d = c_->Direction;
    tools_.SetDashed(c_->OpensInward ? 1 : 0);

    if (code == QLatin1String("KL") || code == QLatin1String("VA")) {
        const bool top = code == QLatin1String("KL");
        if (d == 0) {
            tools_.SetDashed(0);
            setFore(true);
        }
        const int x1 = cint(p / 100 * CW + X - 55);
        const int y1 = top ? Y - 15 : Y + CH;
        tools_.DrawBoxMm(x1, y1, x1 + 110, y1 + 15);
        setFore(false);
        const int edge = top ? Y : Y + CH;
        tools_.DrawLineMm(X, edge, X + CW, edge);
    } else {
        const int y1 = cint(p / 100 * CH + Y - 55), y2 = y1 + 110;
        const auto leftBox = [&] { tools_.DrawBoxMm(X - 15, y1, X, y2); };
        const auto rightBox = [&] { tools_.DrawBoxMm(X + CW, y1, X + CW + 15, y2); };
        const auto leftEdge = [&] { tools_.DrawLineMm(X, Y, X, Y + CH); };
        const auto rightEdge = [&] { tools_.DrawLineMm(X + CW, Y, X + CW, Y + CH); };
        const bool bothEdges = code == QLatin1String("SU") || code == QLatin1String("DU");
        if (bothEdges) {
            leftBox();
            rightBox();
        } else if (d == 1) {
            leftBox();
        } else {
            rightBox();
        }
        // The mark on the edge that is not the hinge side goes.
        tools_.SetDashed(0);
        setFore(true);
        if (d == 1 && !bothEdges) {
            rightBox();
            setFore(false);
            rightEdge();
        } else if (d == 2 && !bothEdges) {
            leftBox();
            setFore(false);
            leftEdge();
            rightEdge();
        } else if (d == 0) {
            leftBox();
            rightBox();
            setFore(false);
            leftEdge();
            rightEdge();
        }
    }
    setFore(false);
    tools_.SetDashed(0);
}

void CompartmentSymbols::DrawDoorHandleMark()
{
    // A lock case of 50 x 175 mm at half height and the handle a third down it.
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const double A = stileWidth_;
    const QString &code = c_->FillCode;
    const int d = c_->Direction;
    tools_.SetDashed(1);
    const int y1 = cint(CH / 2.0 + Y - 87.5), y2 = y1 + 175;
    const int yh = cint((y2 - y1) / 3.0 + y1);

    if (code == QLatin1String("DU") || code == QLatin1String("DK")) {
        // In the meeting stile.
        const int x1 = d == 1 ? cint(CW / 2.0 + X - A / 2 - 25) : cint(CW / 2.0 + X + A / 2 - 25);
        const int xh = d == 1 ? cint(CW / 2.0 + X - A / 2 - 125) : cint(CW / 2.0 + X + A / 2);
        tools_.DrawBoxMm(x1, y1, x1 + 50, y2);
        tools_.DrawBoxMm(xh, yh, xh + 125, yh);
    } else if (code == QLatin1String("SD")) {
        // A lifting handle 285 mm down from a third of each case.
        const auto liftSlide = [&](int x1) {
            tools_.DrawBoxMm(x1, y1, x1 + 50, y2);
            const int x = cint(x1 + 25);
            tools_.DrawLineMm(x, cint((y2 - y1) / 3.0 + y1), x, cint((y2 - y1) / 3.0 + y1 + 285));
        };
        if (d == 1 || d == 3) liftSlide(cint(A / 2 + X - 25));
        if (d == 2 || d == 3) liftSlide(cint(CW + X - A / 2 - 25));
    } else {
        // In the stile opposite the hinges; a knob on the inside of an inward door.
        const int x1 = d == 1 ? cint(CW + X - A / 2 - 25) : cint(A / 2 + X - 25);
        const int xh = d == 1 ? cint(CW + X - A / 2 - 125) : cint(A / 2 + X);
        tools_.DrawBoxMm(x1, y1, x1 + 50, y2);
        if (c_->OpensInward) tools_.DrawCircleMm(d == 1 ? xh + 125 - 25 : xh + 25, yh, 75);
        else tools_.DrawLineMm(xh, yh, xh + 125, yh);
    }
    tools_.SetDashed(0);
}

void CompartmentSymbols::DrawSashHandleMark(double p)
{
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    const int W = WindowProfile;
    const bool meeting = c_->FillCode == QLatin1String("SU");
    const int d = c_->Direction;
    tools_.SetDashed(1);
    const int y1 = cint(p / 100 * CH + Y - 50), y2 = y1 + 100;
    int x1;
    if (meeting) x1 = d == 1 ? cint(CW / 2.0 + X - W - 20) : cint(CW / 2.0 + X + W - 20);
    else x1 = d == 1 ? cint(CW + X - W - 20) : cint(W + X - 20);
    tools_.DrawBoxMm(x1, y1, x1 + 40, y2);

    const int y = cint(p / 100 * CH + Y);
    int xa, xb;
    if (meeting) {
        xa = d == 1 ? cint(CW / 2.0 + X - W) : cint(CW / 2.0 + X);
        xb = d == 1 ? cint(CW / 2.0 + X) : cint(CW / 2.0 + X + W);
    } else {
        xa = d == 1 ? X + CW - W : X;
        xb = d == 1 ? X + CW : W + X;
    }
    tools_.DrawLineMm(xa, y, xb, y);
    const int xg = d == 2 ? xb : xa;
    tools_.DrawLineMm(xg, y, xg, y + 115);
}

void CompartmentSymbols::DrawFlapHandleMark(double p)
{
    // In the bottom rail of a top-hung window, the top rail of a bottom-hung one.
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    tools_.SetDashed(1);
    const int x1 = cint(p / 100 * CW + X - 75), x2 = x1 + 150;
    const int y = c_->FillCode == QLatin1String("KL") ? Y + CH - 40 : Y + 40;
    tools_.DrawLineMm(x1, y, x2, y);
    tools_.DrawLineMm(x1 + 40, y, x1 + 40, y + 40);
    tools_.DrawLineMm(x2 - 40, y, x2 - 40, y - 40);
}

void CompartmentSymbols::DrawStayMark()
{
    const int X = c_->PosX, Y = c_->PosY, CW = c_->ClearWidth, CH = c_->ClearHeight;
    tools_.SetDashed(1);
    const int x1 = cint(CW / 2.0 + X - 150), x2 = cint(CW / 2.0 + X + 150);
    const int y = cint(Y + CH - WindowProfile / 3.0);
    const int yStay = cint(y - WindowProfile / 3.0);
    tools_.DrawLineMm(x1, y, x2, y);
    if (c_->Direction == 1) {
        tools_.DrawLineMm(x2, yStay, x2 + 50, yStay);
        tools_.DrawLineMm(x2, y, x2, yStay);
    } else {
        tools_.DrawLineMm(x1, yStay, x1 - 50, yStay);
        tools_.DrawLineMm(x1, y, x1, yStay);
    }
}
