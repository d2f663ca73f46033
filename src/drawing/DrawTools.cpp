#include "DrawTools.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

void DrawTools::SetDrawScale(int width, int height)
{
    scaleTenths_ = 0;
    scale_ = 0;
    offsetX_ = 0;
    offsetY_ = 0;
    const double wc = canvas_.Width();
    const double hc = canvas_.Height();
    if (width <= 0 || height <= 0 || wc <= 0 || hc <= 0) return;
    const double a = wc / width * 10;
    const double b = hc / height * 10;
    const double tenths = std::floor(a < b ? a : b);
    if (tenths <= 0 || tenths > std::numeric_limits<int>::max()) return;
    const double scale = tenths / 10;
    const auto ox = roundHalfEven((wc - width * scale) / 2);
    const auto oy = roundHalfEven((hc - height * scale) / 2);
    if (!ox || !oy || !fitsInt16(*ox) || !fitsInt16(*oy)) return;
    scaleTenths_ = int(tenths);
    scale_ = scale;
    offsetX_ = int(*ox);
    offsetY_ = int(*oy);
}

std::optional<long long> DrawTools::mapAxis(double v, int offset) const
{
    if (scaleTenths_ <= 0) return std::nullopt;
    return roundHalfEven(v * scale_ + offset);
}

std::optional<QPoint> DrawTools::map(int x, int y) const
{
    if (!fitsInt16(x) || !fitsInt16(y)) return std::nullopt;
    const auto mx = mapAxis(x, offsetX_);
    const auto my = mapAxis(y, offsetY_);
    if (!mx || !my || !fitsInt16(*mx) || !fitsInt16(*my)) return std::nullopt;
    return QPoint(int(*mx), int(*my));
}

bool DrawTools::mapBox(int x1, int y1, int x2, int y2, QPoint &p1, QPoint &p2) const
{
    const auto a = map(x1, y1);
    const auto b = map(x2, y2);
    if (!a || !b) return false;
    p1 = *a;
    p2 = *b;
    return true;
}

void DrawTools::SetDashed(int flag) { canvas_.state().DrawStyle = flag == 1 ? DrawStyles::Dot : DrawStyles::Solid; }

void DrawTools::PrintLabel(int x, int y, const QString &text)
{
    CanvasState &s = canvas_.state();
    const QString name = s.FontName;
    const double size = s.FontSize;
    s.FontName = QStringLiteral("Comic Sans MS");
    s.FontSize = 8;
    if (const auto p = map(x, y)) {
        s.CurrentX = p->x();
        s.CurrentY = p->y();
        canvas_.print(text);
    }
    s.FontName = name;
    s.FontSize = size;
}

void DrawTools::DrawLineMm(int x1, int y1, int x2, int y2)
{
    QPoint p1, p2;
    if (mapBox(x1, y1, x2, y2, p1, p2)) canvas_.line(p1, p2);
}

void DrawTools::DrawCircleMm(int x, int y, int r)
{
    if (const auto c = map(x, y)) canvas_.circle(*c, r);
}

void DrawTools::DrawBoxMm(int x1, int y1, int x2, int y2)
{
    QPoint p1, p2;
    if (mapBox(x1, y1, x2, y2, p1, p2)) canvas_.box(p1, p2);
}

void DrawTools::FillBoxMm(int x1, int y1, int x2, int y2, int fillStyle, const QColor &colour)
{
    CanvasState &s = canvas_.state();
    const CanvasState before = s;
    s.DrawStyle = DrawStyles::Invisible;
    s.FillStyle = fillStyle;
    s.FillColor = colour;
    DrawBoxMm(x1, y1, x2, y2);
    s.DrawStyle = before.DrawStyle;
    s.FillStyle = before.FillStyle;
    s.FillColor = before.FillColor;
}

void DrawTools::ClearBoxMm(int x1, int y1, int x2, int y2)
{
    // The fill is left solid background: later boxes and circles cover what lies inside them.
    CanvasState &s = canvas_.state();
    s.FillStyle = FillStyles::Solid;
    s.FillColor = s.BackColor;
    DrawBoxMm(x1, y1, x2, y2);
}

void DrawTools::EraseBoxMm(int x1, int y1, int x2, int y2)
{
    CanvasState &s = canvas_.state();
    const QColor fore = s.ForeColor;
    s.ForeColor = s.BackColor;
    DrawBoxMm(x1, y1, x2, y2);
    s.ForeColor = fore;
}

MarkerGeometry DrawTools::PlaceVakMarker(const FrameRecord *mark, int i) const
{
    if (!mark || i < 0 || i >= mark->Compartments.size()) return {};
    const CompartmentRecord &c = mark->Compartments[i];
    const auto p = map(c.PosX, c.PosY);
    if (!p) return {};
    MarkerGeometry m;
    m.Left = p->x() + TwipsPerPixel;
    m.Top = p->y() + TwipsPerPixel;
    m.Width = std::max(0.0, c.ClearWidth * scale_);
    m.Height = std::max(0.0, c.ClearHeight * scale_);
    m.visible = m.Width > 0 && m.Height > 0;
    return m;
}

int16 DrawTools::VakAtPoint(const FrameRecord *mark, float px, float py) const
{
    if (!mark || scaleTenths_ <= 0) return -1;
    const auto x = roundHalfEven(px);
    const auto y = roundHalfEven(py);
    if (!x || !y) return -1;
    const qsizetype n = std::min<qsizetype>(mark->Compartments.size(), 32767);
    for (qsizetype i = 0; i < n; ++i) {
        const CompartmentRecord &c = mark->Compartments[i];
        const auto left = mapAxis(c.PosX, offsetX_);
        const auto top = mapAxis(c.PosY, offsetY_);
        const auto right = mapAxis(c.PosX + c.ClearWidth, offsetX_);
        const auto bottom = mapAxis(c.PosY + c.ClearHeight, offsetY_);
        if (!left || !top || !right || !bottom) continue;
        if (*x >= *left && *x < *right && *y >= *top && *y < *bottom) return int16(i);
    }
    return -1;
}
