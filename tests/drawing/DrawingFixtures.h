#pragma once
// A mark for the drawing tests: mullions 70 and transoms 50 thick, so that they differ from each
// other and from the frame; compartments with the given clear sizes, positions -1 until drawn.
#include "model/Records.h"

#include <QList>
#include <QSize>
#include <QString>

inline FrameRecord drawingMark(const QString &code, int w, int h, int t, const QList<QSize> &clear)
{
    FrameRecord m;
    m.Mark = "A";
    m.ShapeCode = code;
    m.Width = int16(w);
    m.Height = int16(h);
    m.FrameThickness = int16(t);
    m.MullionThickness = 70;
    m.TransomThickness = 50;
    for (const QSize &s : clear) {
        CompartmentRecord c;
        c.ClearWidth = int16(s.width());
        c.ClearHeight = int16(s.height());
        c.PosX = -1;
        c.PosY = -1;
        m.Compartments.append(c);
    }
    return m;
}
