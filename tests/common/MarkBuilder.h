#pragma once
// The one way the tests make a mark: each call sets what a test needs, every other field stays as a
// new record has it. Converts to a FrameRecord wherever one is wanted:
//     FrameRecord m = MarkBuilder("A").shape("K;;1;S").size(2000, 2100).members(67, 56, 44);
#include "model/Records.h"

#include <QList>
#include <QSize>
#include <QString>

class MarkBuilder {
public:
    explicit MarkBuilder(const QString &label = QString()) { m.Mark = label; }
    // Goes on from a mark the test already has.
    explicit MarkBuilder(const FrameRecord &from) : m(from) {}

    MarkBuilder &shape(const QString &code)
    {
        m.ShapeCode = code;
        return *this;
    }
    MarkBuilder &size(int width, int height)
    {
        m.Width = int16(width);
        m.Height = int16(height);
        return *this;
    }
    MarkBuilder &counts(int drawn, int mirrored = 0)
    {
        m.CountDrawn = int16(drawn);
        m.CountMirrored = int16(mirrored);
        return *this;
    }
    MarkBuilder &frameThickness(int frame)
    {
        m.FrameThickness = int16(frame);
        return *this;
    }
    // The thicknesses of the frame, the mullions and the transoms.
    MarkBuilder &members(int frame, int mullion, int transom)
    {
        m.MullionThickness = int16(mullion);
        m.TransomThickness = int16(transom);
        return frameThickness(frame);
    }
    // Frame 67, mullion 56, transom 44: all different, so that a formula taking one for another shows.
    MarkBuilder &distinctMembers() { return members(67, 56, 44); }
    MarkBuilder &frameWidth(int width)
    {
        m.FrameWidth = int16(width);
        return *this;
    }
    MarkBuilder &description(const QString &text)
    {
        m.Description = text;
        return *this;
    }
    MarkBuilder &timber(const QString &type)
    {
        m.TimberType = type;
        return *this;
    }
    MarkBuilder &complete(bool done = true)
    {
        m.IsComplete = done;
        return *this;
    }
    MarkBuilder &sill(const QString &name)
    {
        m.Sill = name;
        return *this;
    }
    MarkBuilder &resistanceClass2(bool on = true)
    {
        m.ResistanceClass2 = on;
        return *this;
    }
    MarkBuilder &stepWidths(int left, int right)
    {
        m.StepWidthLeft = int16(left);
        m.StepWidthRight = int16(right);
        return *this;
    }
    MarkBuilder &colour(const QString &name)
    {
        m.Colour = name;
        return *this;
    }
    MarkBuilder &cavityBatten(const QString &name)
    {
        m.CavityBatten = name;
        return *this;
    }
    MarkBuilder &upperSectionHeight(int height)
    {
        m.UpperSectionHeight = int16(height);
        return *this;
    }
    MarkBuilder &remark(const QString &text)
    {
        m.Remark = text;
        return *this;
    }
    // Appends `count` copies of one compartment.
    MarkBuilder &compartments(int count, const CompartmentRecord &c = {})
    {
        for (int i = 0; i < count; ++i) m.Compartments.append(c);
        return *this;
    }
    MarkBuilder &compartment(const CompartmentRecord &c) { return compartments(1, c); }
    // Appends a compartment of each clear size, not drawn yet (its position -1, -1).
    MarkBuilder &openings(const QList<QSize> &clear)
    {
        for (const QSize &s : clear) opening(-1, -1, s.width(), s.height());
        return *this;
    }
    // Appends a compartment drawn at (x, y) with its clear size.
    MarkBuilder &opening(int x, int y, int width, int height)
    {
        CompartmentRecord c;
        c.ClearWidth = int16(width);
        c.ClearHeight = int16(height);
        c.PosX = int16(x);
        c.PosY = int16(y);
        return compartment(c);
    }

    operator FrameRecord() const { return m; }
    FrameRecord build() const { return m; }

private:
    FrameRecord m;
};

// Makes a mark one the drawing file can hold: the plain frame "K" with one compartment, glazed
// ("GLASVAK", "GL_BU", one pane) in place of whatever compartments it had.
inline void makeSendable(FrameRecord &m)
{
    CompartmentRecord glazed;
    glazed.FillType = "GLASVAK";
    glazed.FillCode = "GL_BU";
    glazed.Parts.resize(1);
    m.ShapeCode = "K";
    m.Compartments = {glazed};
}
