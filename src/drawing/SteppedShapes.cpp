// Frame geometry of the stepped codes: left (L), middle (M) and right (R). Each draws its own
// outline: a raised part ends in a step member with nothing below it, and the sill lies only under
// the part that stands on it.
#include "FrameGeometry.h"

namespace {

// One read of the shape window's width input B(index) plus `sum`. An input that reads but whose sum
// leaves 16 bits makes the frame too large; one that does not read leaves the frame undrawn.
std::optional<int> readInput(const FrameInputs &f, FrameGeometry &g, int index, int sum = 0)
{
    const auto v = readWidthInput(f.inputs, index, sum);
    if (!v) {
        if (readWidthInput(f.inputs, index)) g.tooLarge = true;
        else g.complete = false;
    }
    return v;
}

// --- left stepped: raised part on the left, full-height part on the right ---

// The members of "L;1", which "L;1;;;D2" draws as well before its transom.
void membersL1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, T);
    g.box(0, T, T, T + ch[0]);
    g.box(W - T, T, W, H - T);
    g.box(0, T + ch[0], T + cw[0], 2 * T + ch[0]);
    g.box(T + cw[0], H - T, W, H);
    g.box(T + cw[0], T, T + cw[0] + S, H - T);
}

void shapeL1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    membersL1(f, g);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.sill = {T + cw[0], H - T, W, H, true};
}

void shapeL2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const int stepTop = T + ch[0] + D + ch[1];
    g.box(0, 0, W, T);
    g.box(W - T, T, W, H - T);
    g.box(0, T, T, stepTop);
    g.box(0, stepTop, T + cw[1], T + stepTop);
    g.box(T, T + ch[0], T + cw[0], T + ch[0] + D);
    g.box(T + cw[1], T + ch[0] + D, T + cw[1] + S, H - T);
    g.box(T + cw[1], H - T, W, H);
    g.at(T, T);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[1] + S, T + ch[0] + D);
    g.sill = {T + cw[1], H - T, W, H, true};
}

// Every height from the top, under the upper section band; H is not read.
void shapeL4(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, U);
    g.box(0, U, W, U + T);
    g.box(0, U + T, T, U + T + ch[0]);
    g.box(W - T, U + T, W, U + T + ch[1]);
    g.box(0, U + T + ch[0], T + cw[0], U + 2 * T + ch[0]);
    g.box(T + cw[0], U + T + ch[1], W, U + 2 * T + ch[1]);
    g.box(T + cw[0], U + T, T + cw[0] + S, U + T + ch[1]);
    g.at(T, U + T);
    g.at(T + cw[0] + S, U + T);
    g.sill = {T + cw[0], U + T + ch[1], W, U + 2 * T + ch[1], true};
}

void shapeL5(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const int lower = U + T + ch[0] + D; // top of compartments 1 and 2
    g.box(0, 0, W, U);
    g.box(0, U, W, U + T);
    g.box(0, U + T, T, lower + ch[1]);
    g.box(W - T, U + T, W, lower + ch[2]);
    g.box(0, lower + ch[1], T + cw[1], T + lower + ch[1]);
    g.box(T + cw[1], lower, T + cw[1] + S, lower + ch[2]);
    g.box(T + cw[1], H - T, W, H);
    g.box(T, U + T + ch[0], T + cw[0], lower);
    g.at(T, U + T);
    g.at(T, lower);
    g.at(T + cw[1] + S, lower);
    g.sill = {T + cw[1], H - T, W, H, true};
}

void shapeL6(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, T);
    g.box(0, T, T, T + ch[0]);
    g.box(T + cw[0], T, 2 * T + cw[0], H - T);
    g.box(0, T + ch[0], T + cw[0], 2 * T + ch[0]);
    g.box(W - T - cw[1] - S, H - T, W, H);
    g.box(W - T - cw[1] - S, 2 * T + ch[0], W - T - cw[1], 2 * T + ch[0] + ch[1]);
    g.at(T, T);
    g.at(W - T - cw[1], 2 * T + ch[0]);
    g.sill = {W - T - cw[1] - S, H - T, W, H, true};
}

// The members of "L;1;;;D1", which "L;1;;;D1;D2" draws as well before its second transom.
void membersL1_D1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const int stepTop = T + ch[0] + D + ch[2];
    g.box(0, 0, W, T);
    g.box(0, T, T, stepTop);
    g.box(W - T, T, W, H - T);
    g.box(0, stepTop, T + cw[0], T + stepTop);
    g.box(T + cw[0], H - T, W, H);
    g.box(T + cw[0], T, T + cw[0] + S, H - T);
    g.box(T, T + ch[0], T + cw[0], T + ch[0] + D);
}

void shapeL1_D1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    membersL1_D1(f, g);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T, T + ch[0] + D);
    g.sill = {T + cw[0], H - T, W, H, true};
}

void shapeL1_D1D2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    membersL1_D1(f, g);
    g.box(T + cw[0] + S, T + ch[1], T + cw[0] + S + cw[1], T + ch[1] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T, T + ch[0] + D);
    g.at(T + cw[0] + S, T + ch[1] + D);
    g.sill = {T + cw[0], H - T, W, H, true};
}

void shapeL1_D2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    membersL1(f, g);
    g.box(T + cw[0] + S, T + ch[1], T + cw[0] + S + cw[1], T + ch[1] + D);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.at(T + cw[0] + S, T + ch[1] + D);
    g.sill = {T + cw[0], H - T, W, H, true};
}

// An open gap under the top member between the raised part and the full-height part.
void shapeL7(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, T);
    g.box(0, T, T, T + ch[0]);
    g.box(0, T + ch[0], T + cw[0] + S, 2 * T + ch[0]);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0]);
    g.box(W - T - cw[1] - S, T, W - T - cw[1], H - T);
    g.box(W - T, T, W, H - T);
    g.box(W - T - cw[1] - S, H - T, W, H);
    g.at(T, T);
    g.at(W - T - cw[1], T);
    g.sill = {W - T - cw[1] - S, H - T, W, H, true};
}

// --- middle stepped: the middle column stands on the sill, the side columns end higher ---

void shapeM1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, T);
    g.box(0, T, T, T + ch[0]);
    g.box(0, T + ch[0], T + cw[0], 2 * T + ch[0]);
    g.box(T + cw[0], T, T + cw[0] + S, H - T);
    g.box(T + cw[0] + S + cw[1], T, T + cw[0] + 2 * S + cw[1], H - T);
    g.box(T + cw[0], H - T, T + cw[0] + cw[1] + 2 * S, H);
    g.sill = {T + cw[0], H - T, T + cw[0] + cw[1] + 2 * S, H, true};
    g.box(W - T, T, W, T + ch[2]);
    g.box(W - T - cw[2], T + ch[2], W, 2 * T + ch[2]);
    const int x1 = T + cw[0] + S;
    g.at(T, T);
    g.at(x1, T);
    g.at(x1 + cw[1] + S, T);
}

void shapeM2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const int lower = T + ch[0] + D; // under the transom
    g.box(0, 0, W, T);
    g.box(0, T, T, lower + ch[1]);
    g.box(0, lower + ch[1], T + cw[1], T + lower + ch[1]);
    g.box(T, T + ch[0], W - T, lower);
    g.box(T + cw[1], lower, T + cw[1] + S, H - T);
    g.box(T + cw[1] + S + cw[2], lower, T + cw[1] + 2 * S + cw[2], H - T);
    g.box(W - T, T, W, lower + ch[3]);
    g.box(W - T - cw[3], lower + ch[3], W, T + lower + ch[3]);
    g.box(T + cw[1], H - T, T + cw[1] + cw[2] + 2 * S, H);
    g.sill = {T + cw[1], H - T, T + cw[1] + cw[2] + 2 * S, H, true};
    g.at(T, T);
    g.at(T, lower);
    g.at(T + cw[1] + S, lower);
    g.at(W - T - cw[3], lower);
}

// "M;1" lowered under the upper section; the mullions end at the middle column's clear height.
void shapeM4(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, U);
    g.box(0, U, W, U + T);
    g.box(0, U + T, T, U + T + ch[0]);
    g.box(0, U + T + ch[0], T + cw[0], U + 2 * T + ch[0]);
    g.box(T + cw[0], U + T, T + cw[0] + S, U + T + ch[1]);
    g.box(T + cw[0] + S + cw[1], U + T, T + cw[0] + 2 * S + cw[1], U + T + ch[1]);
    g.box(T + cw[0], H - T, T + cw[0] + cw[1] + 2 * S, H);
    g.sill = {T + cw[0], H - T, T + cw[0] + cw[1] + 2 * S, H, true};
    g.box(W - T, U + T, W, U + T + ch[2]);
    g.box(W - T - cw[2], U + T + ch[2], W, U + 2 * T + ch[2]);
    const int x1 = T + cw[0] + S;
    g.at(T, U + T);
    g.at(x1, U + T);
    g.at(x1 + cw[1] + S, U + T);
}

void shapeM5(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const int lower = U + T + ch[0] + D; // under the transom
    g.box(0, 0, W, U);
    g.box(0, U, W, U + T);
    g.box(0, U + T, T, lower + ch[1]);
    g.box(0, lower + ch[1], T + cw[1], T + lower + ch[1]);
    g.box(T, U + T + ch[0], W - T, lower);
    g.box(T + cw[1], lower, T + cw[1] + S, H - T);
    g.box(T + cw[1] + S + cw[2], lower, T + cw[1] + 2 * S + cw[2], H - T);
    g.box(W - T, U + T, W, lower + ch[3]);
    g.box(W - T - cw[3], lower + ch[3], W, T + lower + ch[3]);
    g.box(T + cw[1], H - T, T + cw[1] + cw[2] + 2 * S, H);
    g.sill = {T + cw[1], H - T, T + cw[1] + cw[2] + 2 * S, H, true};
    g.at(T, U + T);
    g.at(T, lower);
    g.at(T + cw[1] + S, lower);
    g.at(W - T - cw[3], lower);
}

// The lower part's left edge is the shape window's width input B(0) as it stands, read three times.
void shapeM6(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const auto members = readInput(f, g, 0);
    const auto sill = readInput(f, g, 0);
    const auto x1 = readInput(f, g, 0, S);
    if (!members || !sill || !x1) return;
    const int b = *members;
    g.box(0, 0, W, T);
    g.box(0, T, T, T + ch[0]);
    g.box(T + cw[0], T, 2 * T + cw[0], T + ch[0]);
    g.box(0, T + ch[0], W, 2 * T + ch[0]);
    g.box(b, 2 * T + ch[0], b + S, H - T);
    g.box(b + S + cw[1], 2 * T + ch[0], b + 2 * S + cw[1], H - T);
    g.box(*sill, H - T, *sill + cw[1] + 2 * S, H);
    g.sill = {*sill, H - T, *sill + cw[1] + 2 * S, H, true};
    g.at(T, T);
    g.at(*x1, 2 * T + ch[0]);
}

// The gap between the left and the middle column is the shape window's width input B(1) as it
// stands, read anew for the middle column's side members, its bottom member and its position.
void shapeM7(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const auto sides = readInput(f, g, 1, T + cw[0] + S);
    const auto bottom = readInput(f, g, 1, T + cw[0] + S);
    const auto x1 = readInput(f, g, 1, T + cw[0] + 2 * S);
    if (!sides || !bottom || !x1) return;
    const int v = *sides;
    g.box(0, 0, W, T);
    g.box(0, T, T, T + ch[0]);
    g.box(T + cw[0], T, T + cw[0] + S, T + ch[0]);
    g.box(0, T + ch[0], T + cw[0] + S, 2 * T + ch[0]);
    g.box(W - T - cw[2] - S, T, W - T - cw[2], T + ch[2]);
    g.box(W - T, T, W, T + ch[2]);
    g.box(W - T - cw[2] - S, T + ch[2], W, 2 * T + ch[2]);
    g.box(v, T, v + S, T + ch[1]);
    g.box(v + S + cw[1], T, v + 2 * S + cw[1], T + ch[1]);
    g.box(*bottom, T + ch[1], *bottom + cw[1] + 2 * S, 2 * T + ch[1]);
    g.sill = {*bottom, T + ch[1], *bottom + cw[1] + 2 * S, 2 * T + ch[1], true};
    g.at(T, T);
    g.at(*x1, T);
    g.at(W - T - cw[2], T);
}

// --- right stepped: full-height part on the left, raised part on the right; the sill starts at 0 ---

void shapeR1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, T);
    g.box(0, T, T, H - T);
    g.box(0, H - T, T + cw[0] + S, H);
    g.box(T + cw[0], T, T + cw[0] + S, H - T);
    g.box(W - T, T, W, T + ch[1]);
    g.box(W - T - cw[1], T + ch[1], W, 2 * T + ch[1]);
    g.at(T, T);
    g.at(T + cw[0] + S, T);
    g.sill = {0, H - T, T + cw[0] + S, H, true};
}

void shapeR2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const int lower = T + ch[0] + D; // under the transom
    g.box(0, 0, W, T);
    g.box(0, T, T, H - T);
    g.box(0, H - T, T + cw[1] + S, H);
    g.box(T + cw[1], lower, T + cw[1] + S, H - T);
    g.box(T, T + ch[0], W - T, lower);
    g.box(W - T, T, W, lower + ch[2]);
    g.box(W - T - cw[2], lower + ch[2], W, T + lower + ch[2]);
    g.at(T, T);
    g.at(T, lower);
    g.at(T + cw[1] + S, lower);
    g.sill = {0, H - T, T + cw[1] + S, H, true};
}

// "R;1" under the upper section band; the left part is still measured from H, compartment 1 from
// the right edge.
void shapeR4(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, U);
    g.box(0, U, W, U + T);
    g.box(0, U + T, T, H - T);
    g.box(0, H - T, T + cw[0] + S, H);
    g.box(T + cw[0], U + T, T + cw[0] + S, H - T);
    g.box(W - T, U + T, W, U + T + ch[1]);
    g.box(W - T - cw[1], U + T + ch[1], W, U + 2 * T + ch[1]);
    g.at(T, U + T);
    g.at(W - T - cw[1], U + T);
    g.sill = {0, H - T, T + cw[0] + S, H, true};
}

void shapeR5(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const int lower = U + T + ch[0] + D; // under the transom
    g.box(0, 0, W, U);
    g.box(0, U, W, U + T);
    g.box(0, U + T, T, H - T);
    g.box(0, H - T, T + cw[1] + S, H);
    g.box(T + cw[1], lower, T + cw[1] + S, H - T);
    g.box(T, U + T + ch[0], W - T, lower);
    g.box(W - T, U + T, W, lower + ch[2]);
    g.box(W - T - cw[2], lower + ch[2], W, T + lower + ch[2]);
    g.at(T, U + T);
    g.at(T, lower);
    g.at(T + cw[1] + S, lower);
    g.sill = {0, H - T, T + cw[1] + S, H, true};
}

void shapeR6(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, T);
    g.box(0, T, T, H - T);
    g.box(0, H - T, T + cw[1] + S, H);
    g.box(T + cw[1], 2 * T + ch[0], T + cw[1] + S, H - T);
    g.box(W - T, T, W, T + ch[0]);
    g.box(T, T + ch[0], W, 2 * T + ch[0]);
    g.at(T, T);
    g.at(T, 2 * T + ch[0]);
    g.sill = {0, H - T, T + cw[1] + S, H, true};
}

// The variants with a transom take D for their mullion too, and end the sill one T past the
// compartment that stands on it.
void membersR1_D1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, T);
    g.box(0, T, T, H - T);
    g.box(T, T + ch[0], T + cw[0], T + ch[0] + D);
    g.box(0, H - T, 2 * T + cw[2], H);
    g.box(T + cw[0], T, T + cw[0] + D, H - T);
}

void shapeR1_D1(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    membersR1_D1(f, g);
    g.box(W - T, T, W, T + ch[1]);
    g.box(W - T - cw[1], T + ch[1], W, 2 * T + ch[1]);
    g.at(T, T);
    g.at(W - T - cw[1], T);
    g.at(T, T + ch[0] + D);
    g.sill = {0, H - T, 2 * T + cw[2], H, true};
}

void shapeR1_D1D2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const int stepTop = T + ch[1] + D + ch[3];
    membersR1_D1(f, g);
    g.box(W - T, T, W, stepTop);
    g.box(W - T - cw[1], T + ch[1], W - T, T + ch[1] + D);
    g.box(W - T - cw[1], stepTop, W, T + stepTop);
    g.at(T, T);
    g.at(W - T - cw[1], T);
    g.at(T, T + ch[0] + D);
    g.at(W - T - cw[1], T + ch[1] + D);
    g.sill = {0, H - T, 2 * T + cw[2], H, true};
}

void shapeR1_D2(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    const int stepTop = T + ch[1] + D + ch[2];
    g.box(0, 0, W, T);
    g.box(0, T, T, H - T);
    g.box(0, H - T, 2 * T + cw[0], H);
    g.box(T + cw[0], T, T + cw[0] + D, H - T);
    g.box(W - T, T, W, stepTop);
    g.box(W - T - cw[1], T + ch[1], W - T, T + ch[1] + D);
    g.box(W - T - cw[1], stepTop, W, T + stepTop);
    g.at(T, T);
    g.at(W - T - cw[1], T);
    g.at(W - T - cw[1], T + ch[1] + D);
    g.sill = {0, H - T, 2 * T + cw[0], H, true};
}

// An open gap under the top member between the full-height part and the raised part.
void shapeR7(const FrameInputs &f, FrameGeometry &g)
{
    const auto &[W, H, T, S, D, U, cw, ch, inputs] = f;
    g.box(0, 0, W, T);
    g.box(0, T, T, H - T);
    g.box(0, H - T, 2 * T + cw[0], H);
    g.box(T + cw[0], T, T + cw[0] + D, H - T);
    g.box(W - T, T, W, T + ch[1]);
    g.box(W - 2 * T - cw[1], T + ch[1], W, 2 * T + ch[1]);
    g.box(W - 2 * T - cw[1], T, W - T - cw[1], T + ch[1]);
    g.at(T, T);
    g.at(W - T - cw[1], T);
    g.sill = {0, H - T, 2 * T + cw[0], H, true};
}

} // namespace

const QList<ShapeDrawing> &FrameShapes::stepped()
{
    static const QList<ShapeDrawing> rows = {
        {"L;1", shapeL1},
        {"L;2", shapeL2},
        {"L;4", shapeL4},
        {"L;5", shapeL5},
        {"L;6", shapeL6},
        {"L;1;;;D1", shapeL1_D1},
        {"L;1;;;D1;D2", shapeL1_D1D2},
        {"L;1;;;D2", shapeL1_D2},
        {"L;7", shapeL7},
        {"M;1", shapeM1},
        {"M;2", shapeM2},
        {"M;4", shapeM4},
        {"M;5", shapeM5},
        {"M;6", shapeM6},
        {"M;7", shapeM7},
        {"R;1", shapeR1},
        {"R;2", shapeR2},
        {"R;4", shapeR4},
        {"R;5", shapeR5},
        {"R;6", shapeR6},
        {"R;1;;;D1", shapeR1_D1},
        {"R;1;;;D1;D2", shapeR1_D1D2},
        {"R;1;;;D2", shapeR1_D2},
        {"R;7", shapeR7},
    };
    return rows;
}
