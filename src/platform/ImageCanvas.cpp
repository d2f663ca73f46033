#include "ImageCanvas.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {
class Painter : public QPainter {
public:
    explicit Painter(QImage *image) : QPainter(image)
    {
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, false);
        setBackgroundMode(Qt::TransparentMode);
    }
};
}

ImageCanvas::ImageCanvas(int width, int height)
    : Canvas(width, height),
      image_(std::max(1, width / TwipsPerPixel), std::max(1, height / TwipsPerPixel), QImage::Format_RGB32)
{
    image_.setDotsPerMeterX(3780); // 96 dpi
    image_.setDotsPerMeterY(3780);
    image_.fill(state().BackColor);
}

int ImageCanvas::toPixel(int twips)
{
    // Floor division, so that negative positions stay left of the picture.
    return twips >= 0 ? twips / TwipsPerPixel : -((-twips + TwipsPerPixel - 1) / TwipsPerPixel);
}

QPen ImageCanvas::pen() const
{
    const CanvasState &s = state();
    Qt::PenStyle style = Qt::SolidLine;
    switch (s.DrawStyle) {
    case DrawStyles::Dash: style = Qt::DashLine; break;
    case DrawStyles::Dot: style = Qt::DotLine; break;
    case DrawStyles::DashDot: style = Qt::DashDotLine; break;
    case DrawStyles::DashDotDot: style = Qt::DashDotDotLine; break;
    case DrawStyles::Invisible: style = Qt::NoPen; break;
    default: break;
    }
    QPen p(s.ForeColor, std::max(1, s.DrawWidth), style, Qt::SquareCap, Qt::MiterJoin);
    p.setCosmetic(true);
    return p;
}

QBrush ImageCanvas::brush() const
{
    const CanvasState &s = state();
    switch (s.FillStyle) {
    case FillStyles::Solid: return QBrush(s.FillColor, Qt::SolidPattern);
    case FillStyles::HorizontalLine: return QBrush(s.FillColor, Qt::HorPattern);
    case FillStyles::VerticalLine: return QBrush(s.FillColor, Qt::VerPattern);
    case FillStyles::UpwardDiagonal: return QBrush(s.FillColor, Qt::BDiagPattern);
    case FillStyles::DownwardDiagonal: return QBrush(s.FillColor, Qt::FDiagPattern);
    case FillStyles::Cross: return QBrush(s.FillColor, Qt::CrossPattern);
    case FillStyles::DiagonalCross: return QBrush(s.FillColor, Qt::DiagCrossPattern);
    default: return QBrush(Qt::NoBrush);
    }
}

void ImageCanvas::clearPicture()
{
    image_.fill(state().BackColor);
    notify();
}

void ImageCanvas::line(QPoint p1, QPoint p2)
{
    Painter p(&image_);
    p.setPen(pen());
    p.drawLine(toPixel(p1.x()), toPixel(p1.y()), toPixel(p2.x()), toPixel(p2.y()));
    p.end();
    notify();
}

void ImageCanvas::box(QPoint p1, QPoint p2)
{
    const int left = toPixel(std::min(p1.x(), p2.x()));
    const int right = toPixel(std::max(p1.x(), p2.x()));
    const int top = toPixel(std::min(p1.y(), p2.y()));
    const int bottom = toPixel(std::max(p1.y(), p2.y()));
    Painter p(&image_);
    const QBrush b = brush();
    // The inside first, corner pixels included; then the outline over its edge pixels.
    if (b.style() != Qt::NoBrush) p.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), b);
    const QPen outline = pen();
    if (outline.style() != Qt::NoPen) {
        p.setPen(outline);
        p.setBrush(Qt::NoBrush);
        p.drawRect(left, top, right - left, bottom - top);
    }
    p.end();
    notify();
}

void ImageCanvas::circle(QPoint c, int r)
{
    const int radius = std::max(0, r) / TwipsPerPixel;
    Painter p(&image_);
    p.setPen(pen());
    p.setBrush(brush());
    p.drawEllipse(QPoint(toPixel(c.x()), toPixel(c.y())), radius, radius);
    p.end();
    notify();
}

void ImageCanvas::drawText(const QString &text)
{
    const CanvasState &s = state();
    Painter p(&image_);
    const QFont f = font();
    p.setFont(f);
    p.setPen(s.ForeColor);
    p.drawText(toPixel(s.CurrentX), toPixel(s.CurrentY) + QFontMetrics(f).ascent(), text);
    p.end();
    notify();
}
