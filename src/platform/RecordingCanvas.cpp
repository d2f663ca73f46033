#include "RecordingCanvas.h"

QList<CanvasOp> RecordingCanvas::ops(CanvasOp::Kind kind) const
{
    QList<CanvasOp> out;
    for (const CanvasOp &op : ops_)
        if (op.kind == kind) out.append(op);
    return out;
}

void RecordingCanvas::record(CanvasOp::Kind kind, QPoint p1, QPoint p2, int radius, const QString &text)
{
    ops_.append(CanvasOp{kind, p1, p2, radius, text, state()});
}

void RecordingCanvas::clearPicture() { record(CanvasOp::Cls); }

void RecordingCanvas::line(QPoint p1, QPoint p2) { record(CanvasOp::Line, p1, p2); }
void RecordingCanvas::box(QPoint p1, QPoint p2) { record(CanvasOp::Box, p1, p2); }
void RecordingCanvas::circle(QPoint c, int r) { record(CanvasOp::Circle, c, c, r); }

void RecordingCanvas::drawText(const QString &text)
{
    record(CanvasOp::Print, QPoint(state().CurrentX, state().CurrentY), {}, 0, text);
}
