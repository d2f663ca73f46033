// Frame geometry of the other shapes: a full-height mullion, a shorter one and two or three transoms.
#include "FrameGeometry.h"

namespace {

// The members of "K;;1;S;D1;D2;S2", which "K;;1;S;D1;D2;S2;D5" draws as well before its extra transom.
void membersK_1S_D1D2S2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, H - T);
    g.box(T, T + ch[0], T + cw[0], T + ch[0] + D);
    g.box(T + cw[0] + S, T + ch[1], W - T, T + ch[1] + D);
    g.box(W - T - cw[2] - S, T, W - T - cw[2], T + ch[1]);
}

void shapeK_1S_D1D2S2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    membersK_1S_D1D2S2(f, g);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + cw[1] + 2 * S, T);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[3] + S, T + ch[1] + D);
}

void shapeK_1S_D1S1D2S1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(W - T - cw[2] - S, T, W - T - cw[2], H - T);
    g.box(T, T + ch[0], T + cw[3], T + ch[0] + D);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0]);
    g.box(W - T - cw[2], T + ch[2], W - T, T + ch[2] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + cw[1] + 2 * S, T);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[0] + cw[1] + 2 * S, T + ch[2] + D);
}

void shapeK_1S_D1D2S2D5(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    membersK_1S_D1D2S2(f, g);
    g.box(W - T - cw[2], T + ch[2], W - T, T + ch[2] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + cw[1] + 2 * S, T);
    g.at(T + cw[0] + cw[1] + 2 * S, T + ch[2] + D);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[0] + S, T + ch[1] + D);
}

void shapeK_1S_D1D2S1D1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(W - T - cw[3] - S, T, W - T - cw[3], H - T);
    g.box(T, T + ch[0], T + cw[0], T + ch[0] + D);
    g.box(T, T + ch[2], T + cw[4], T + ch[2] + D);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[2]);
    g.box(W - T - cw[3], T + ch[3], W - T, T + ch[3] + D);
    g.at(T, T);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + cw[2] + 2 * S, T);
    g.at(T, T + ch[2] + D);
    g.at(T + cw[0] + cw[2] + 2 * S, T + ch[3] + D);
}

} // namespace

const QList<ShapeDrawing> &FrameShapes::others()
{
    static const QList<ShapeDrawing> rows = {
        {"K;;1;S;D1;D2;S2", shapeK_1S_D1D2S2},
        {"K;;1;S;D1;S1;D2;S1", shapeK_1S_D1S1D2S1},
        {"K;;1;S;D1;D2;S2;D5", shapeK_1S_D1D2S2D5},
        {"K;;1;S;D1;D2;S1;D1", shapeK_1S_D1D2S1D1},
    };
    return rows;
}
