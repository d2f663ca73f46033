#pragma once
// A canvas that draws nothing and records every primitive with the state it was drawn in, so that
// a test can read back what the drawing code drew, in twips.
#include "Canvas.h"

#include <QList>

struct CanvasOp {
    enum Kind { Cls, Line, Box, Circle, Print };
    Kind kind = Cls;
    QPoint p1;
    QPoint p2;
    int radius = 0;
    QString text;
    CanvasState state; // as it stood when the primitive ran

    bool operator==(const CanvasOp &) const = default;
};

class RecordingCanvas : public Canvas {
public:
    using Canvas::Canvas;

    const QList<CanvasOp> &ops() const { return ops_; }
    QList<CanvasOp> ops(CanvasOp::Kind kind) const;
    void clear() { ops_.clear(); }

    void line(QPoint p1, QPoint p2) override;
    void box(QPoint p1, QPoint p2) override;
    void circle(QPoint c, int r) override;

protected:
    void clearPicture() override;
    void drawText(const QString &text) override;

private:
    void record(CanvasOp::Kind kind, QPoint p1 = {}, QPoint p2 = {}, int radius = 0, const QString &text = {});
    QList<CanvasOp> ops_;
};
