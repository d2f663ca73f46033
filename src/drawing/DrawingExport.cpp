#include "DrawingExport.h"

#include "model/ProjectFile.h"
#include "model/Vocabularies.h"
#include "shape/ShapeCodes.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"

#include <QFileInfo>

#include <algorithm>
#include <numeric>

namespace {
// A line break inside a text would start a new line for the factory's reader.
QString oneLine(const QString &text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n')) return text;
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    return out;
}

// A text inside a ";"-separated line: a ";" of its own would split the field.
QString field(const QString &text)
{
    QString out = oneLine(text);
    out.replace(u';', u',');
    return out;
}

QString number(int value) { return QString::number(value); }

// Parts 0 and 1 as the export sees them: a compartment without parts counts as one empty part.
struct PartView {
    bool two = false;
    CompartmentPartRecord first, second;
    explicit PartView(const CompartmentRecord &c)
    {
        if (!c.Parts.isEmpty()) first = c.Parts[0];
        two = c.Parts.size() > 1;
        if (two) second = c.Parts[1];
    }
};

QString grille(const PartView &p)
{
    const QString &g0 = p.first.GrilleCode;
    if (!p.two) return g0;
    const QString &g1 = p.second.GrilleCode;
    if (!g0.isEmpty() && g1.isEmpty()) return g0 + "_VakL";
    if (g0.isEmpty() && !g1.isEmpty()) return g1 + "_VakR";
    if (!g0.isEmpty() && !g1.isEmpty()) return g0 + "_VakLR";
    return QString();
}

QString placement(const PartView &p)
{
    if (!p.two) return QStringLiteral("Boven");
    const int upper = p.first.BarsHorizontal + p.first.BarsVertical;
    const int lower = p.second.BarsHorizontal + p.second.BarsVertical;
    if (upper > 0 && lower > 0) return QStringLiteral("Boven+Onder");
    if (upper <= 0 && lower > 0) return QStringLiteral("Onder");
    return QStringLiteral("Boven"); // bars in the upper pane only, or none at all
}
}

QList<int> SetExportOrder(const FrameRecord &mark)
{
    const qsizetype count = mark.Compartments.size();
    const ShapeVariant *shape = ShapeCodes::find(mark.ShapeCode);
    if (shape && !shape->exportOrder.isEmpty() && shape->exportOrder.size() == count) return shape->exportOrder;
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

QString ExportShapeCode(const FrameRecord &mark)
{
    const ShapeVariant *shape = ShapeCodes::find(mark.ShapeCode);
    return shape && !shape->factoryCode.isEmpty() ? shape->factoryCode : mark.ShapeCode;
}

QString ExportOpening(const CompartmentRecord &c)
{
    const int d = c.Direction;
    if (d == 0) return QStringLiteral("0");
    const FillCodeInfo *info = FillCodes::find(c.FillCode);
    switch (info ? info->opening : OpeningField::Hinged) {
    case OpeningField::LeftRight: return d == 1 ? QStringLiteral("L") : QStringLiteral("R");
    case OpeningField::Sliding:
        switch (d) {
        case 1: return QStringLiteral("SDL");
        case 2: return QStringLiteral("SDR");
        case 3: return QStringLiteral("SDA");
        default: return QString(); // only an edited project file holds another direction here
        }
    case OpeningField::Tilting: return d == 1 ? QStringLiteral("KL") : QStringLiteral("KR");
    case OpeningField::Hinged: break;
    }
    if (c.OpensInward) return d == 1 ? QStringLiteral("2") : QStringLiteral("1");
    return d == 1 ? QStringLiteral("3") : QStringLiteral("4");
}

QString ExportCompartmentLine(const CompartmentRecord &c, int number)
{
    const PartView parts(c);
    const int barsH = parts.two ? std::max(parts.first.BarsHorizontal, parts.second.BarsHorizontal) : parts.first.BarsHorizontal;
    const int barsV = parts.two ? std::max(parts.first.BarsVertical, parts.second.BarsVertical) : parts.first.BarsVertical;
    const QStringList fields{
        ::number(number),
        field(c.FillCode + (c.ToughenedGlass ? "H" : "")),
        field(grille(parts)),
        ::number(c.BreastWallHeight),
        ExportOpening(c),
        c.AppliedBars ? QStringLiteral("opplak") : QString(),
        ::number(barsH),
        ::number(barsV),
        placement(parts),
        ::number(c.ClearWidth),
        ::number(c.ClearHeight),
        field(c.ExtraText),
        field(c.ScreenName),
    };
    return fields.join(u';');
}

QStringList DrawingExportLines(const ProjectState &state, const PersonalData &personal)
{
    QStringList lines;
    lines << DrawingFileTag;
    constexpr int LastHeaderField = LastPersonalField - 1; // the mail server stays out
    for (int i = FirstPersonalField; i <= LastHeaderField; ++i) lines << oneLine(personal.field(i));
    lines << QString();

    const int marks = state.marksInUse();
    for (int i = 0; i < marks; ++i) {
        const FrameRecord &m = state.FrameRecords[i];
        lines << ":" + field(m.Mark) + ";" + (m.ResistanceClass2 ? "1" : "0") + ";" + field(m.Sill);
        lines << ";" + oneLine(ExportShapeCode(m)); // its own ";" are the factory's too
        lines << ";" + number(m.Width) + ";" + number(m.Height);
        lines << ";" + number(m.CountDrawn) + ";" + number(m.CountMirrored);
        lines << ";" + field(m.TimberType) + ";" + number(m.FrameThickness) + ";" + number(m.FrameWidth) + ";"
                     + number(m.TransomThickness) + ";" + number(m.MullionThickness);
        lines << ";" + field(m.Colour);
        lines << ";" + field(m.CavityBatten);
        const QString upper = m.UpperSectionHeight > 0 ? ";Boven;" + number(m.UpperSectionHeight) + ";" : QStringLiteral(";;;");
        lines << upper + number(int(m.Compartments.size())) + ";" + number(m.StepWidthLeft) + ";" + number(m.StepWidthRight);
        for (int k : SetExportOrder(m)) lines << ExportCompartmentLine(m.Compartments[k], k + 1);
        lines << QString();
        lines << oneLine(m.Remark);
        lines << QStringLiteral(";END");
    }
    return lines;
}

bool ExportDrawings(ProjectState &state, const PersonalData &personal)
{
    const QString name = DateStampedName(".TEK");
    QString error;
    if (!writeTextLines(name, DrawingExportLines(state, personal), &error)) {
        MsgBox("Het tekeningenbestand kan niet worden geschreven !\r\n\r\n" + QFileInfo(name).absoluteFilePath() + "\r\n"
                   + error,
               MsgStyle::Critical, ErrorTitle);
        return false;
    }
    state.ProjectFileName = name;
    return true;
}
