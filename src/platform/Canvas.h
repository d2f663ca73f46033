#pragma once
// The drawing surface of the drawing window: a persistent picture addressed in twips (15 to a
// screen pixel), origin top left, y downwards. The drawing code sets its state (colours, pen, fill,
// current point, font) and then draws; each primitive uses the state as it stands. Nothing keeps a
// list of what was drawn: a figure is erased by drawing it again in BackColor.
#include "Twips.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

namespace DrawStyles {
enum : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Invisible = 5, InsideSolid = 6 };
}
namespace FillStyles {
enum : int {
    Solid = 0, Transparent = 1, HorizontalLine = 2, VerticalLine = 3, UpwardDiagonal = 4,
    DownwardDiagonal = 5, Cross = 6, DiagonalCross = 7,
};
}

struct CanvasState {
    QColor BackColor = Qt::white;
    QColor ForeColor = Qt::black;
    int DrawStyle = DrawStyles::Solid;
    int DrawWidth = 1; // pixels
    int FillStyle = FillStyles::Transparent;
    QColor FillColor = Qt::black;
    int CurrentX = 0;
    int CurrentY = 0;
    QString FontName = QStringLiteral("MS Sans Serif");
    double FontSize = 8.25; // points

    bool operator==(const CanvasState &) const = default;
};

class Canvas {
public:
    // width and height: the outer size in twips.
    Canvas(int width, int height) : width_(width), height_(height) {}
    virtual ~Canvas() = default;
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }

    CanvasState &state() { return state_; }
    const CanvasState &state() const { return state_; }

    // Clears the whole picture to BackColor; the current point goes back to (0, 0).
    void cls();
    // Line from p1 to p2 in the pen (ForeColor, DrawStyle, DrawWidth).
    virtual void line(QPoint p1, QPoint p2) = 0;
    // Rectangle with p1 and p2 as opposite corners: inside painted by FillStyle/FillColor,
    // outline in the pen.
    virtual void box(QPoint p1, QPoint p2) = 0;
    // Circle of radius r (twips) around c, painted as box paints.
    virtual void circle(QPoint c, int r) = 0;
    // Text in the font and ForeColor with its top-left corner at the current point; the current
    // point then moves to the start of the next line.
    void print(const QString &text);

    // The font of the state, at its size in points on a 96 dpi picture, never smoothed.
    QFont font() const;
    // Height of one printed line in twips.
    int lineHeight() const;

protected:
    virtual void clearPicture() = 0;
    virtual void drawText(const QString &text) = 0; // at the current point

private:
    int width_;
    int height_;
    CanvasState state_;
};
