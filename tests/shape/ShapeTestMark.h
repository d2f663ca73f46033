#pragma once
// A mark for the shape tests: its code and outer sizes, with frame, mullion and transom
// thicknesses that all differ, so that a formula taking one for another shows.
#include "model/Records.h"

inline FrameRecord testMark(const QString &code, int16 width, int16 height, const QString &label = QString())
{
    FrameRecord m;
    m.Mark = label;
    m.ShapeCode = code;
    m.Width = width;
    m.Height = height;
    m.FrameThickness = 67;
    m.MullionThickness = 56;
    m.TransomThickness = 44;
    return m;
}
