// Frame geometry of the rectangular codes: mullions only, or first divided by a full-width
// transom, and the loose window or door.
#include "FrameGeometry.h"

#include "shape/ShapeCodes.h"

namespace {

// --- rectangular: one frame, mullions and transoms ---

void shapeK(const FrameInputs &f, FrameGeometry &g)
{
    g.outer(f);
    g.at(f.T, f.T);
}

void shapeK0(const FrameInputs &f, FrameGeometry &g)
{
    g.outer(f);
    g.at(0, 0);
}

void shapeK_1S(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0]);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
}

void shapeK_1S_2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0]);
    g.box(T + cw[0] + S, T + ch[1], T + cw[0] + S + cw[1], T + ch[1] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + S, T + ch[1] + D);
}

void shapeK_1S_1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[1]);
    g.box(T, T + ch[0], T + cw[2], T + ch[0] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T, T + ch[0] + D);
}

void shapeK_1S_1_2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0] + D + ch[2]);
    g.box(T + cw[0] + S, T + ch[1], T + cw[0] + S + cw[1], T + ch[1] + D);
    g.box(T, T + ch[0], T + cw[2], T + ch[0] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[2] + S, T + ch[1] + D);
}

void shapeK_2S(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0]);
    g.box(T + cw[0] + S + cw[1], T, T + cw[0] + S + cw[1] + S, T + ch[0]);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + S + cw[1] + S, T);
}

void shapeK_2S_D1D2D3(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0] + D + ch[3]);
    g.box(T + cw[0] + S + cw[1], T, T + cw[0] + S + cw[1] + S, T + ch[0] + D + ch[3]);
    g.box(T, T + ch[0], T + cw[0], T + ch[0] + D);
    g.box(T + cw[0] + S, T + ch[1], T + cw[0] + S + cw[1], T + ch[1] + D);
    g.box(T + cw[0] + S + cw[1] + S, T + ch[2], T + cw[0] + S + cw[1] + S + cw[2], T + ch[2] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + S + cw[1] + S, T);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[0] + S, T + ch[1] + D);
    g.at(T + cw[0] + S + cw[1] + S, T + ch[2] + D);
}

void shapeK_2S_D2S2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0]);
    g.box(T + cw[0] + S + cw[4], T, T + cw[0] + S + cw[4] + S, T + ch[3]);
    g.box(T + cw[0] + S, T + ch[1], T + cw[0] + S + cw[4], T + ch[1] + D);
    g.box(T + cw[0] + S + cw[1], T, T + cw[0] + S + cw[1] + S, T + ch[1]);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + S + cw[1] + S, T);
    g.at(T + cw[0] + S + cw[1] + S + cw[2] + S, T);
    g.at(T + cw[0] + S, T + ch[1] + D);
}

void shapeK_2S_D1D2D3S2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0] + D + ch[4]);
    g.box(T + cw[0] + S + cw[5], T, T + cw[0] + S + cw[5] + S, T + ch[3] + D + ch[6]);
    g.box(T, T + ch[0], T + cw[4], T + ch[0] + D);
    g.box(T + cw[0] + S, T + ch[1], T + cw[0] + S + cw[5], T + ch[1] + D);
    g.box(T + cw[0] + S + cw[5] + S, T + ch[3], T + cw[0] + S + cw[5] + S + cw[3], T + ch[3] + D);
    g.box(T + cw[0] + S + cw[1], T, T + cw[0] + S + cw[1] + S, T + ch[1]);
    const int x1 = T + cw[0] + S;
    const int x2 = x1 + cw[1] + S;
    const int x3 = x2 + cw[2] + S;
    g.at(T, T);
    g.at(x1, T);
    g.at(x2, T);
    g.at(x3, T);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[0] + S, T + ch[1] + D);
    g.at(x3, T + ch[3] + D);
}

void shapeK_2S_D1D3(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[1]);
    g.box(T + cw[0] + S + cw[1], T, T + cw[0] + S + cw[1] + S, T + ch[1]);
    g.box(T, T + ch[0], T + cw[3], T + ch[0] + D);
    g.box(T + cw[0] + S + cw[1] + S, T + ch[2], T + cw[0] + S + cw[1] + S + cw[2], T + ch[2] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + S + cw[1] + S, T);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[0] + S + cw[1] + S, T + ch[2] + D);
}

void shapeK_3S(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0]);
    g.box(T + cw[0] + S + cw[1], T, T + cw[0] + S + cw[1] + S, T + ch[1]);
    g.box(T + cw[0] + S + cw[1] + S + cw[2], T, T + cw[0] + S + cw[1] + S + cw[2] + S, T + ch[1]);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + S + cw[1] + S, T);
    g.at(T + cw[0] + S + cw[1] + S + cw[2] + S, T);
}

// --- divided first by a full-width transom ---

void shapeK_1D(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T, T + ch[0], W - T, T + ch[0] + D);
    g.at(T, T);
    g.at(T, T + ch[0] + D);
}

void shapeK_1D_S1S3(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T, T + ch[0], W - T, T + ch[0] + D);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0]);
    g.box(W - T - cw[2] - S, T, W - T - cw[2], T + ch[1]);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(W - T - cw[2], T);
    g.at(T, T + ch[0] + D);
}

void shapeK_1D_S1S3D1D4(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.outer(f);
    g.box(T, T + ch[1], W - T, T + ch[1] + D);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[1]);
    g.box(W - T - cw[2] - S, T, W - T - cw[2], T + ch[1]);
    g.box(T, T + ch[0], T + cw[0], T + ch[0] + D);
    g.box(W - T - cw[2], T + ch[2], W - T, T + ch[2] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(W - T - cw[2], T);
    g.at(T, T + ch[0] + D);
    g.at(W - T - cw[2], T + ch[2] + D);
    g.at(T, T + ch[1] + D);
}

} // namespace

const QList<ShapeDrawing> &FrameShapes::rectangular()
{
    static const QList<ShapeDrawing> rows = {
        {"K", shapeK},
        {"K;;1;S", shapeK_1S},
        {"K;;1;S;2", shapeK_1S_2},
        {"K;;1;S;1", shapeK_1S_1},
        {"K;;1;S;1;2", shapeK_1S_1_2},
        {"K;;2;S", shapeK_2S},
        {"K;;2;S;D1;D2;D3", shapeK_2S_D1D2D3},
        {"K;;2;S;D2;S2", shapeK_2S_D2S2},
        {"K;;2;S;D1;D2;D3;S2", shapeK_2S_D1D2D3S2},
        {"K;;2;S;D1;D3", shapeK_2S_D1D3},
        {"K;;3;S", shapeK_3S},
        {"K;;1;D", shapeK_1D},
        {"K;;1;D;S1;S3", shapeK_1D_S1S3},
        {"K;;1;D;S1;S3;D1;D4", shapeK_1D_S1S3D1D4},
        {ShapeCodes::LooseCode, shapeK0},
    };
    return rows;
}
