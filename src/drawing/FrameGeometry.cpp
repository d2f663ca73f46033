#include "FrameGeometry.h"

#include "shape/ShapeCodes.h"

#include <algorithm>

FrameInputs FrameInputs::of(const FrameRecord &mark, const ShapeWidthInputs *inputs)
{
    FrameInputs f;
    f.W = mark.Width;
    f.H = mark.Height;
    f.T = mark.FrameThickness;
    f.S = mark.MullionThickness;
    f.D = mark.TransomThickness;
    f.U = mark.UpperSectionHeight;
    const qsizetype n = std::min<qsizetype>(mark.Compartments.size(), MaxShapeCompartments);
    for (qsizetype i = 0; i < n; ++i) {
        f.cw[i] = mark.Compartments[i].ClearWidth;
        f.ch[i] = mark.Compartments[i].ClearHeight;
    }
    f.inputs = inputs;
    return f;
}

void FrameGeometry::outer(const FrameInputs &f)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    box(0, 0, W, T);
    box(0, T, T, H - T);
    box(W - T, T, W, H - T);
    box(0, H - T, W, H);
    sill = {0, H - T, W, H, true};
}

const QList<ShapeDrawing> &FrameShapes::table()
{
    // In the order of the shape-code table; a code that no family draws is left out.
    static const QList<ShapeDrawing> rows = [] {
        QList<ShapeDrawing> out;
        for (const ShapeVariant &v : ShapeCodes::all())
            for (const QList<ShapeDrawing> *family : {&rectangular(), &others(), &stepped()})
                for (const ShapeDrawing &row : *family)
                    if (row.code == v.code) out.append(row);
        return out;
    }();
    return rows;
}

const ShapeDrawing *FrameShapes::find(const QString &code)
{
    for (const ShapeDrawing &row : table())
        if (row.code == code) return &row;
    return nullptr;
}
