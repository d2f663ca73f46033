#include "BalloonShape.h"

#include "platform/Rounding.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace Balloon {

QPoint pointerPoint(double X, double Y, QPoint mouse)
{
    if (X == 0 || Y == 0) return mouse;
    return QPoint(int(roundHalfEven(X).value_or(0)), int(roundHalfEven(Y).value_or(0)));
}

Placement PlaceAtPointer(QPoint p, QSize screen, QSize window)
{
    const bool left = p.x() <= screen.width() / 2.0;
    const bool upper = p.y() <= screen.height() / 2.0;
    const int SW = window.width(), SH = window.height();
    if (left && upper) return {UpperLeft, QPoint(p.x() - 42, p.y())};
    if (!left && upper) return {UpperRight, QPoint(p.x() + 42 - SW, p.y())};
    if (!left && !upper) return {LowerRight, QPoint(p.x() + 42 - SW, p.y() - SH)};
    return {LowerLeft, QPoint(p.x() - 42, p.y() - SH)};
}

Tail tailFor(Corner corner, int SW, int SH)
{
    switch (corner) {
    case LowerRight:
        return {QPolygon({{SW - 61, SH - 34}, {SW - 36, SH - 34}, {SW - 36, SH - 9}}),
                QPolygon({{SW - 62, SH - 35}, {SW - 37, SH - 35}, {SW - 37, SH - 11}}), QPoint(SW - 36, SH - 9)};
    case UpperRight:
        return {QPolygon({{SW - 58, 20}, {SW - 38, 20}, {SW - 38, 0}}),
                QPolygon({{SW - 59, 22}, {SW - 39, 22}, {SW - 39, 2}}), QPoint(SW - 38, 0)};
    case LowerLeft:
        return {QPolygon({{41, SH - 34}, {66, SH - 34}, {41, SH - 9}}),
                QPolygon({{42, SH - 35}, {66, SH - 35}, {42, SH - 11}}), QPoint(41, SH - 9)};
    case UpperLeft:
        return {QPolygon({{40, 20}, {60, 20}, {40, 0}}), QPolygon({{41, 21}, {59, 21}, {41, 3}}), QPoint(40, 0)};
    case NoCorner: break;
    }
    return {};
}

QRegion roundRectRegion(int x1, int y1, int x2, int y2, int ew, int eh)
{
    QRegion region;
    if (x2 <= x1 || y2 <= y1) return region;
    const double rx = std::min(ew, x2 - x1) / 2.0, ry = std::min(eh, y2 - y1) / 2.0;
    for (int y = y1; y < y2; ++y) {
        // Pixel centres inside the rectangle with its corners rounded off by the ellipse.
        const double cy = y + 0.5;
        double dy = 0;
        if (cy < y1 + ry) dy = y1 + ry - cy;
        else if (cy > y2 - ry) dy = cy - (y2 - ry);
        const double dx = ry > 0 && dy > 0 ? rx * std::sqrt(std::max(0.0, 1 - (dy / ry) * (dy / ry))) : rx;
        const int from = int(std::ceil(x1 + rx - dx - 0.5));
        const int to = int(std::floor(x2 - rx + dx - 0.5)); // last pixel inside
        if (to >= from) region += QRect(from, y, to - from + 1, 1);
    }
    return region;
}

int shadowWeight(int step) { return 20 * ((17 - step) / 2 + 1); }

QRgb BlendColours(QRgb a, QRgb b, int w, int extra)
{
    const int fa = std::clamp(w + extra, 0, 255);
    const int fb = std::clamp(256 - w, 0, 255);
    auto mix = [&](int ca, int cb) { return (ca * fa + cb * fb) / 256; };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

QRegion PaintShadow(QImage &surface, const QImage &beneath, int intensity)
{
    const int SW = surface.width(), SH = surface.height();
    const bool havePixels = !beneath.isNull() && beneath.size() == surface.size();
    auto under = [&](int x, int y) {
        return havePixels && beneath.valid(x, y) ? beneath.pixel(x, y) : WindowBackground.rgb();
    };
    // The screen pixels at the same places, darkened: 18 lines along the bottom and the right edge.
    for (int i = 17; i >= 0; --i) {
        const int w = shadowWeight(i);
        const int y = SH - 23 - i;
        for (int x = i + 5; x <= SW - 5 - i; ++x)
            if (surface.valid(x, y)) surface.setPixel(x, y, BlendColours(under(x, y), qRgb(0, 0, 0), w, intensity));
        const int x = SW - 5 - i;
        for (int yy = i + 23; yy <= SH - 23 - i; ++yy)
            if (surface.valid(x, yy)) surface.setPixel(x, yy, BlendColours(under(x, yy), qRgb(0, 0, 0), w, intensity));
    }
    return roundRectRegion(11, 29, SW - 5, SH - 23, 45, 35);
}

namespace {
void fillRegion(QImage &surface, const QRegion &region, const QColor &colour)
{
    QPainter p(&surface);
    for (const QRect &r : region) p.fillRect(r, colour);
}
}

QRegion PaintBody(QImage &surface, const QColor &boxColour, const QColor &foreColour)
{
    const int SW = surface.width(), SH = surface.height();
    const QRegion body = roundRectRegion(0, 20, SW - 14, SH - 32, 20, 20);
    fillRegion(surface, body, QColor(70, 70, 70));
    // The face, one pixel smaller with rounder corners, outlined: the grey shows as a thin dark rim.
    const QRegion face = roundRectRegion(0, 20, SW - 15, SH - 33, 24, 24);
    fillRegion(surface, face, boxColour);
    QRegion inside;
    for (const QRect &r : face) inside += QRect(r.left() + 1, r.top(), qMax(0, r.width() - 2), r.height());
    inside &= face.translated(0, 1) & face.translated(0, -1);
    fillRegion(surface, face - inside, foreColour);
    return body;
}

QRegion PaintTail(QImage &surface, Corner corner, const QColor &boxColour)
{
    const Tail tail = tailFor(corner, surface.width(), surface.height());
    if (tail.outer.isEmpty()) return {};
    const QRegion outer(tail.outer, Qt::OddEvenFill);
    fillRegion(surface, outer, Qt::black);
    fillRegion(surface, QRegion(tail.inner, Qt::OddEvenFill), boxColour);
    return outer;
}

int timerInterval(int nTime)
{
    // In 32 bits: 33 seconds and more are as good as any other time.
    return nTime > 0 ? nTime * 1000 : 0;
}

} // namespace Balloon
