#pragma once
// Frame millimetres onto the drawing canvas: one scale and two centring offsets for the frame
// drawn last, and the few primitives from which frames, fillings and marks are drawn. Every
// position is in whole millimetres from the frame's outer top-left corner, x to the right, y down.
//
// Mapping: X = x * DrawScale + DrawOffsetX computed in double, then rounded halves to even
// (likewise Y). The double matters: 45 * 4.1 + 45 is just below 229.5 and maps to 229, where exact
// tenths would give 230. While the scale is 0 (before the first SetDrawScale, or for a frame
// without size) nothing is drawn and nothing is hit.
#include "model/Records.h"
#include "platform/Canvas.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <optional>

// Where the selection marker lies, in twips on the canvas; hidden when it would be empty.
struct MarkerGeometry {
    bool visible = false;
    int Left = 0;
    int Top = 0;
    double Width = 0;
    double Height = 0;

    bool operator==(const MarkerGeometry &) const = default;
};

class DrawTools {
public:
    explicit DrawTools(Canvas &canvas) : canvas_(canvas) {}

    Canvas &canvas() { return canvas_; }

    // Scale (cut to a multiple of 0.1 twips per mm, so the whole frame fits) and the offsets that
    // centre a frame of width x height mm on the canvas. A size of 0 or less gives scale 0.
    void SetDrawScale(int width, int height);
    double DrawScale() const { return scale_; }
    int drawScaleTenths() const { return scaleTenths_; }
    int DrawOffsetX() const { return offsetX_; }
    int DrawOffsetY() const { return offsetY_; }

    // The canvas point of a frame position; nullopt while the scale is 0 or when the point falls
    // outside the 16-bit range.
    std::optional<QPoint> map(int x, int y) const;

    // 1 gives a dotted pen, every other value a solid one.
    void SetDashed(int flag);
    // Text with its top-left corner at (x, y) in "Comic Sans MS" 8 points; the font is put back
    // exactly as it was.
    void PrintLabel(int x, int y, const QString &text);
    void DrawLineMm(int x1, int y1, int x2, int y2);
    // r in twips, not scaled.
    void DrawCircleMm(int x, int y, int r);
    // Outline in the pen, inside painted by the current fill.
    void DrawBoxMm(int x1, int y1, int x2, int y2);
    // Inside only, in the given fill style and colour; pen and fill are put back.
    void FillBoxMm(int x1, int y1, int x2, int y2, int fillStyle, const QColor &colour);
    // Inside painted solid in BackColor, outline in the pen; the fill stays solid BackColor after.
    void ClearBoxMm(int x1, int y1, int x2, int y2);
    // Outline in BackColor, inside by the current fill; ForeColor is put back.
    void EraseBoxMm(int x1, int y1, int x2, int y2);

    // The marker over compartment i of the mark: one pixel inside the opening's top-left corner,
    // the clear size at scale. Hidden for a missing mark or compartment, scale 0 or an empty size.
    MarkerGeometry PlaceVakMarker(const FrameRecord *mark, int i) const;
    // The lowest index of a compartment whose mapped opening holds the canvas point (left and top
    // edges inside, right and bottom outside), or -1.
    int16 VakAtPoint(const FrameRecord *mark, float px, float py) const;

private:
    std::optional<long long> mapAxis(double v, int offset) const;
    bool mapBox(int x1, int y1, int x2, int y2, QPoint &p1, QPoint &p2) const;

    Canvas &canvas_;
    int scaleTenths_ = 0;
    double scale_ = 0; // scaleTenths_ / 10 as a double, as the mapping multiplies by it
    int offsetX_ = 0;
    int offsetY_ = 0;
};
