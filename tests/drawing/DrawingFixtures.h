#pragma once
// A mark for the drawing tests: mullions 70 and transoms 50 thick, so that they differ from each
// other and from the frame; compartments with the given clear sizes, positions -1 until drawn.
#include "MarkBuilder.h"

inline FrameRecord drawingMark(const QString &code, int w, int h, int t, const QList<QSize> &clear)
{
    return MarkBuilder("A").shape(code).size(w, h).members(t, 70, 50).openings(clear);
}
