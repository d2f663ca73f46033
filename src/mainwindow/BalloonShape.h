#pragma once
// The shape of the balloon and message window: placement at the pointer, the body, the shadow and
// the tail, drawn on the window's own image. All in window pixels; rectangles are given by their
// corners with the right and bottom edges outside.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRegion>
#include <QSize>

namespace Balloon {

// The corner of the window that holds the tail.
enum Corner { NoCorner = 0, LowerRight = 1, UpperRight = 2, LowerLeft = 3, UpperLeft = 4 };

inline const QColor DefaultColour(255, 255, 204);
inline const QColor WindowBackground(224, 224, 224);

// The point the tail points at: the mouse when X or Y is 0, else X and Y rounded.
QPoint pointerPoint(double X, double Y, QPoint mouse);

struct Placement {
    Corner corner = NoCorner;
    QPoint topLeft; // screen pixels
};
// The window opens from the point towards the middle of the screen; a point on a half line counts
// as left or upper. Nothing keeps it on the screen.
Placement PlaceAtPointer(QPoint point, QSize screen, QSize window);

struct Tail {
    QPolygon outer; // black, and the tail's region
    QPolygon inner; // the balloon's colour over it
    QPoint tip;     // the outer triangle's point
};
Tail tailFor(Corner corner, int SW, int SH);

// A rounded rectangle region (x1, y1)-(x2, y2) with corner ellipses of ew x eh.
QRegion roundRectRegion(int x1, int y1, int x2, int y2, int ew, int eh);

// The shadow's darkness for its step i (17 outermost .. 0 innermost): 20 for 17 and 16, up to 180 for 1 and 0.
int shadowWeight(int step);
// Every channel (A x a + B x b) \ 256 with a = w + extra and b = 256 - w, each held to a byte.
QRgb BlendColours(QRgb a, QRgb b, int w, int extra);

// Paint on the window's image (SW x SH) and return the region painted.
// beneath: what the screen shows where the window stands, the window's size; a null image when
// the platform gives no pixels (the window background then stands in).
QRegion PaintShadow(QImage &surface, const QImage &beneath, int intensity);
QRegion PaintBody(QImage &surface, const QColor &boxColour, const QColor &foreColour = Qt::black);
QRegion PaintTail(QImage &surface, Corner corner, const QColor &boxColour);

// The timer interval of a balloon that closes itself after nTime seconds; 0 when it never does.
int timerInterval(int nTime);

} // namespace Balloon
