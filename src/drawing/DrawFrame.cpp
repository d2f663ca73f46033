#include "DrawFrame.h"

#include "shape/Compartments.h"
#include "shape/ShapeCodes.h"

QString frameTooLargeMessage()
{
    return QStringLiteral("De maten van dit kozijn zijn te groot om te tekenen.");
}

QString frameCaption(const FrameRecord *mark)
{
    QString text;
    if (mark && ShapeCodes::isLoose(mark->ShapeCode))
        text = QStringLiteral("Los raam/deur");
    else
        text = QString::number(mark ? mark->Compartments.size() : 0) + " vaks " +
               (mark ? ShapeCodes::familyWord(mark->ShapeCode) : QString());
    return text + " kozijn (breedte x hoogte = " + QString::number(mark ? mark->Width : 0) + " mm x " +
           QString::number(mark ? mark->Height : 0) + " mm)";
}

namespace {
bool fits(const FrameGeometry &g, qsizetype compartments)
{
    for (const MemberBox &b : g.members)
        if (!fitsInt16(b.x1) || !fitsInt16(b.y1) || !fitsInt16(b.x2) || !fitsInt16(b.y2)) return false;
    if (g.positions.size() > compartments) return false;
    for (const FramePosition &p : g.positions)
        if (!fitsInt16(p.x) || !fitsInt16(p.y)) return false;
    return true;
}

FrameDrawn drawShape(DrawTools &tools, FrameRecord &mark, const ShapeDrawing *shape, FrameDrawingState &frame,
                     const ShapeWidthInputs *inputs)
{
    if (shape && mark.Compartments.size() < compartmentCount(shape->code)) return FrameDrawn::TooFewCompartments;
    tools.SetDrawScale(mark.Width, mark.Height);
    if (!shape) return FrameDrawn::UnknownShape;

    FrameGeometry g;
    shape->geometry(FrameInputs::of(mark, inputs), g);
    if (!g.complete) return FrameDrawn::InputMissing;
    // Checked whole before anything is drawn or stored: a frame is drawn entirely or not at all.
    if (g.tooLarge || !fits(g, mark.Compartments.size())) return FrameDrawn::TooLarge;

    for (const MemberBox &b : g.members) tools.DrawBoxMm(b.x1, b.y1, b.x2, b.y2);
    for (qsizetype i = 0; i < g.positions.size(); ++i) {
        mark.Compartments[i].PosX = int16(g.positions[i].x);
        mark.Compartments[i].PosY = int16(g.positions[i].y);
    }
    if (g.sill.isSet) frame.Sill = g.sill;
    return FrameDrawn::Drawn;
}
}

FrameDrawn DrawFrame(DrawTools &tools, ProjectState &state, FrameDrawingState &frame, const ShapeWidthInputs *inputs)
{
    FrameRecord *mark = state.currentMark();
    const FrameDrawn result = mark
        ? drawShape(tools, *mark, FrameShapes::find(mark->ShapeCode), frame, inputs)
        : FrameDrawn::NoMark;
    frame.Caption = frameCaption(mark);
    return result;
}

bool namesNoSill(const QString &sillText)
{
    return sillText.contains(QLatin1String("Geen"), Qt::CaseInsensitive) ||
           sillText.contains(QLatin1String("Zonder"), Qt::CaseInsensitive);
}

void drawSill(DrawTools &tools, const SillRect &r, const QString &sillText)
{
    if (!r.isSet) return;
    tools.ClearBoxMm(r.X1, r.Y1, r.X2, r.Y2);
    if (namesNoSill(sillText)) {
        tools.EraseBoxMm(r.X1, r.Y1, r.X2, r.Y2);
        tools.DrawLineMm(r.X1, r.Y1, r.X2, r.Y1);
    }
    if (!sillText.isEmpty()) tools.PrintLabel(r.X1 + 25, r.Y1 - 5, sillText);
}
