#pragma once
// A mark for the drawing tests: mullions 70 and transoms 50 thick, so that they differ from each
// other and from the frame; compartments with the given clear sizes, positions -1 until drawn.
#include "MarkBuilder.h"

inline FrameRecord drawingMark(const QString &code, int w, int h, int t, const QList<QSize> &clear)
{
    return MarkBuilder("A").shape(code).size(w, h).members(t, 70, 50).openings(clear);
}

// The marks the canvas and the drawing window are both drawn with.

// 1000 x 2000, T 67: scale 3.1, offsets (2695, 20); the sill (0, 1933, 1000, 2000).
inline FrameRecord oneCompartment() { return drawingMark("K", 1000, 2000, 67, {{866, 1866}}); }

// 3000 x 2000, T 60, S 70, D 50: scale 2.8, offsets (45, 320). Openings (mm):
// 0 (60, 60) 600x500   1 (730, 60) 700x600   2 (1500, 60) 700x600   3 (2270, 60) 670x700
// 4 (60, 610) 600x1330 5 (730, 710) 1470x1230 6 (2270, 810) 670x1130
inline FrameRecord sevenCompartments()
{
    return drawingMark("K;;2;S;D1;D2;D3;S2", 3000, 2000, 60,
                       {{600, 500}, {700, 600}, {700, 600}, {670, 700}, {600, 1330}, {1470, 1230}, {670, 1130}});
}

// 1800 x 1500, T 60: a transom first, then mullions and transoms in its parts.
inline FrameRecord sixCompartmentsTransomFirst()
{
    return drawingMark("K;;1;D;S1;S3;D1;D4", 1800, 1500, 60,
                       {{400, 500}, {740, 1000}, {400, 600}, {400, 450}, {400, 350}, {1680, 330}});
}

// 3000 x 2000, T 60: a mullion first, then transoms and a mullion in its parts.
inline FrameRecord sixCompartmentsMullionFirst()
{
    return drawingMark("K;;1;S;D1;D2;S1;D1", 3000, 2000, 60,
                       {{800, 600}, {800, 500}, {1000, 1150}, {940, 1000}, {1870, 680}, {940, 830}});
}

// 900 x 2100 "K0", a loose window or door: no frame, its one compartment the whole mark.
inline FrameRecord looseWindow() { return drawingMark("K0", 900, 2100, 0, {{900, 2100}}); }
