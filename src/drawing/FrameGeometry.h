#pragma once
// The geometry of a frame per shape code: which members are drawn, in which order, where each
// compartment's opening starts and where the sill lies, all in frame millimetres computed in int.
// One plain function per code, in a table per family keyed by shape code (one file per family).
// Each function draws the members in their order, then places the compartments by index. Sizes of
// members come from particular compartments (a mullion may end at the clear height of its
// neighbour); that is the shape's rule, not a slip. How many compartments a code has is the
// construction's (compartmentCount).
#include "shape/ShapeWidthInputs.h"
#include "model/Records.h"

#include <QList>
#include <QString>
#include <array>

struct MemberBox {
    int x1, y1, x2, y2;
    bool operator==(const MemberBox &) const = default;
};

struct FramePosition {
    int x, y;
    bool operator==(const FramePosition &) const = default;
};

// The sill member's rectangle, where the sill choice draws; not set until a frame has set it.
struct SillRect {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool isSet = false;
    bool operator==(const SillRect &) const = default;
};

constexpr int MaxShapeCompartments = 8;

// What a geometry function reads of the mark: W, H, T (frame), S (mullion), D (transom),
// U (upper section), the clear width and height of each compartment, and the shape window's
// width inputs for the shapes that read them.
struct FrameInputs {
    int W = 0, H = 0, T = 0, S = 0, D = 0, U = 0;
    std::array<int, MaxShapeCompartments> cw{};
    std::array<int, MaxShapeCompartments> ch{};
    const ShapeWidthInputs *inputs = nullptr;

    static FrameInputs of(const FrameRecord &mark, const ShapeWidthInputs *inputs = nullptr);
};

struct FrameGeometry {
    QList<MemberBox> members;         // in drawing order
    QList<FramePosition> positions;   // x[i], y[i] by compartment index
    SillRect sill;
    bool complete = true;             // false when an input could not be read: nothing is drawn
    bool tooLarge = false;            // an input read with its sum left 16 bits: refused as too large

    void box(int x1, int y1, int x2, int y2) { members.append({x1, y1, x2, y2}); }
    void at(int x, int y) { positions.append({x, y}); }
    // The four outer members (top and sill full width, the stiles between them) and the sill.
    void outer(const FrameInputs &f);
};

using ShapeGeometryFn = void (*)(const FrameInputs &, FrameGeometry &);

struct ShapeDrawing {
    QString code;
    ShapeGeometryFn geometry;
};

namespace FrameShapes {
// Every shape code that a family draws, in the order of the shape-code table.
const QList<ShapeDrawing> &table();
// The families, one file each.
const QList<ShapeDrawing> &rectangular(); // mullions, transoms, the loose window or door
const QList<ShapeDrawing> &others();      // a full-height mullion with a shorter one and transoms
const QList<ShapeDrawing> &stepped();     // left, middle and right stepped frames
// The row of a code (exact, case-sensitive), or nullptr.
const ShapeDrawing *find(const QString &code);
}
