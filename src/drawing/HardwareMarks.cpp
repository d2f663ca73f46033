#include "HardwareMarks.h"

#include "FillSymbols.h"

#include <algorithm>

using SymbolMath::cint;

namespace {
constexpr int WindowProfile = 80; // the handle and stay marks of windows use it whatever the sash

HingeEdge hingesOf(const SymbolContext &s) { return s.symbol ? s.symbol->hinges : HingeEdge::ByDirection; }

// Two handles on a long side, one in the middle of a short one.
template <typename Draw>
void handlesBySize(int size, Draw draw)
{
    if (size >= 1500) {
        draw(20);
        draw(80);
    } else {
        draw(50);
    }
}

void hingesBySize(SymbolContext &s, int size)
{
    using HardwareMarks::DrawHingeMark;
    namespace Places = HardwareMarks::HingePlaces;
    if (size < 1000) {
        for (const double p : Places::Short) DrawHingeMark(s, p);
    } else if (size < 1500) {
        for (const double p : Places::Medium) DrawHingeMark(s, p);
    } else {
        for (const double p : Places::Long) DrawHingeMark(s, p);
    }
}

enum class Lock {
    OppositeHinges, // a single door: in the stile opposite the hinges
    MeetingStile,   // two leaves
    LiftSlide,      // a case in each sliding leaf
};

void DrawDoorHandleMark(SymbolContext &s, Lock lock)
{
    // A lock case of 50 x 175 mm at half height and the handle a third down it.
    const CompartmentRecord &c = s.c;
    DrawTools &t = s.tools;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const double A = s.A;
    const int d = c.Direction;
    t.SetDashed(1);
    const int y1 = cint(CH / 2.0 + Y - 87.5), y2 = y1 + 175;
    const int yh = cint((y2 - y1) / 3.0 + y1);

    switch (lock) {
    case Lock::MeetingStile: {
        const int x1 = d == 1 ? cint(CW / 2.0 + X - A / 2 - 25) : cint(CW / 2.0 + X + A / 2 - 25);
        const int xh = d == 1 ? cint(CW / 2.0 + X - A / 2 - 125) : cint(CW / 2.0 + X + A / 2);
        t.DrawBoxMm(x1, y1, x1 + 50, y2);
        t.DrawBoxMm(xh, yh, xh + 125, yh);
        break;
    }
    case Lock::LiftSlide: {
        // A lifting handle 285 mm down from a third of each case.
        const auto liftSlide = [&](int x1) {
            t.DrawBoxMm(x1, y1, x1 + 50, y2);
            const int x = cint(x1 + 25);
            t.DrawLineMm(x, cint((y2 - y1) / 3.0 + y1), x, cint((y2 - y1) / 3.0 + y1 + 285));
        };
        if (d == 1 || d == 3) liftSlide(cint(A / 2 + X - 25));
        if (d == 2 || d == 3) liftSlide(cint(CW + X - A / 2 - 25));
        break;
    }
    case Lock::OppositeHinges: {
        // A knob on the inside of an inward door.
        const int x1 = d == 1 ? cint(CW + X - A / 2 - 25) : cint(A / 2 + X - 25);
        const int xh = d == 1 ? cint(CW + X - A / 2 - 125) : cint(A / 2 + X);
        t.DrawBoxMm(x1, y1, x1 + 50, y2);
        if (c.OpensInward) t.DrawCircleMm(d == 1 ? xh + 125 - 25 : xh + 25, yh, 75);
        else t.DrawLineMm(xh, yh, xh + 125, yh);
        break;
    }
    }
    t.SetDashed(0);
}

// `meeting`: in the meeting stile of two leaves, else in the stile opposite the hinges.
void DrawSashHandleMark(SymbolContext &s, double p, bool meeting)
{
    const CompartmentRecord &c = s.c;
    DrawTools &t = s.tools;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const int W = WindowProfile;
    const int d = c.Direction;
    t.SetDashed(1);
    const int y1 = cint(p / 100 * CH + Y - 50), y2 = y1 + 100;
    int x1;
    if (meeting) x1 = d == 1 ? cint(CW / 2.0 + X - W - 20) : cint(CW / 2.0 + X + W - 20);
    else x1 = d == 1 ? cint(CW + X - W - 20) : cint(W + X - 20);
    t.DrawBoxMm(x1, y1, x1 + 40, y2);

    const int y = cint(p / 100 * CH + Y);
    int xa, xb;
    if (meeting) {
        xa = d == 1 ? cint(CW / 2.0 + X - W) : cint(CW / 2.0 + X);
        xb = d == 1 ? cint(CW / 2.0 + X) : cint(CW / 2.0 + X + W);
    } else {
        xa = d == 1 ? X + CW - W : X;
        xb = d == 1 ? X + CW : W + X;
    }
    t.DrawLineMm(xa, y, xb, y);
    const int xg = d == 2 ? xb : xa;
    t.DrawLineMm(xg, y, xg, y + 115);
}

void DrawFlapHandleMark(SymbolContext &s, double p)
{
    // In the rail opposite the hinges: the bottom rail of a top-hung window, the top rail of a
    // bottom-hung one.
    const CompartmentRecord &c = s.c;
    DrawTools &t = s.tools;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    t.SetDashed(1);
    const int x1 = cint(p / 100 * CW + X - 75), x2 = x1 + 150;
    const int y = hingesOf(s) == HingeEdge::Top ? Y + CH - 40 : Y + 40;
    t.DrawLineMm(x1, y, x2, y);
    t.DrawLineMm(x1 + 40, y, x1 + 40, y + 40);
    t.DrawLineMm(x2 - 40, y, x2 - 40, y - 40);
}

void DrawStayMark(SymbolContext &s)
{
    const CompartmentRecord &c = s.c;
    DrawTools &t = s.tools;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    t.SetDashed(1);
    const int x1 = cint(CW / 2.0 + X - 150), x2 = cint(CW / 2.0 + X + 150);
    const int y = cint(Y + CH - WindowProfile / 3.0);
    const int yStay = cint(y - WindowProfile / 3.0);
    t.DrawLineMm(x1, y, x2, y);
    if (c.Direction == 1) {
        t.DrawLineMm(x2, yStay, x2 + 50, yStay);
        t.DrawLineMm(x2, y, x2, yStay);
    } else {
        t.DrawLineMm(x1, yStay, x1 - 50, yStay);
        t.DrawLineMm(x1, y, x1, yStay);
    }
}

void sashMarks(SymbolContext &s, bool meeting)
{
    if (s.c.Direction > 0) {
        handlesBySize(s.c.ClearHeight, [&](double p) { DrawSashHandleMark(s, p, meeting); });
        if (!meeting) DrawStayMark(s);
    }
    hingesBySize(s, s.c.ClearHeight);
}
}

void HardwareMarks::door(SymbolContext &s)
{
    if (s.c.Direction > 0) DrawDoorHandleMark(s, Lock::OppositeHinges);
    for (const double p : HingePlaces::Door) DrawHingeMark(s, p);
    if (s.c.ClearHeight > 2000) DrawHingeMark(s, HingePlaces::TallDoor);
}

void HardwareMarks::pairDoor(SymbolContext &s)
{
    if (s.c.Direction > 0) DrawDoorHandleMark(s, Lock::MeetingStile);
    DrawHingeMark(s, HingePlaces::PairDoor);
}

void HardwareMarks::tiltingPairDoor(SymbolContext &s)
{
    if (s.c.Direction > 0) DrawDoorHandleMark(s, Lock::MeetingStile);
}

void HardwareMarks::liftSlide(SymbolContext &s) { DrawDoorHandleMark(s, Lock::LiftSlide); }

void HardwareMarks::flap(SymbolContext &s)
{
    if (s.c.Direction > 0) handlesBySize(s.c.ClearWidth, [&](double p) { DrawFlapHandleMark(s, p); });
    hingesBySize(s, s.c.ClearWidth);
}

void HardwareMarks::sash(SymbolContext &s) { sashMarks(s, false); }
void HardwareMarks::pairSash(SymbolContext &s) { sashMarks(s, true); }

QList<double> HardwareMarks::HingePlaces::all()
{
    QList<double> places(Short.begin(), Short.end());
    places << QList<double>(Medium.begin(), Medium.end()) << QList<double>(Long.begin(), Long.end())
           << QList<double>(Door.begin(), Door.end()) << TallDoor << PairDoor;
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    return places;
}

void HardwareMarks::DrawHingeMark(SymbolContext &s, double p)
{
    const CompartmentRecord &c = s.c;
    DrawTools &t = s.tools;
    const int X = c.PosX, Y = c.PosY, CW = c.ClearWidth, CH = c.ClearHeight;
    const int d = c.Direction;
    const HingeEdge hinges = hingesOf(s);
    t.SetDashed(c.OpensInward ? 1 : 0);

    if (hinges == HingeEdge::Top || hinges == HingeEdge::Bottom) {
        const bool top = hinges == HingeEdge::Top;
        if (d == 0) {
            t.SetDashed(0);
            s.setFore(true);
        }
        const int x1 = cint(p / 100 * CW + X - 55);
        const int y1 = top ? Y - 15 : Y + CH;
        t.DrawBoxMm(x1, y1, x1 + 110, y1 + 15);
        s.setFore(false);
        const int edge = top ? Y : Y + CH;
        t.DrawLineMm(X, edge, X + CW, edge);
    } else {
        const int y1 = cint(p / 100 * CH + Y - 55), y2 = y1 + 110;
        const auto leftBox = [&] { t.DrawBoxMm(X - 15, y1, X, y2); };
        const auto rightBox = [&] { t.DrawBoxMm(X + CW, y1, X + CW + 15, y2); };
        const auto leftEdge = [&] { t.DrawLineMm(X, Y, X, Y + CH); };
        const auto rightEdge = [&] { t.DrawLineMm(X + CW, Y, X + CW, Y + CH); };
        const bool bothEdges = hinges == HingeEdge::BothSides;
        if (bothEdges) {
            leftBox();
            rightBox();
        } else if (d == 1) {
            leftBox();
        } else {
            rightBox();
        }
        // The mark on the edge that is not the hinge side goes.
        t.SetDashed(0);
        s.setFore(true);
        if (d == 1 && !bothEdges) {
            rightBox();
            s.setFore(false);
            rightEdge();
        } else if (d == 2 && !bothEdges) {
            leftBox();
            s.setFore(false);
            leftEdge();
            rightEdge();
        } else if (d == 0) {
            leftBox();
            rightBox();
            s.setFore(false);
            leftEdge();
            rightEdge();
        }
    }
    s.setFore(false);
    t.SetDashed(0);
}
