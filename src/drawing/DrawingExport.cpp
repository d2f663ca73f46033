#include "DrawingExport.h"

#include "model/ProjectFile.h"
#include "model/Vocabularies.h"
#include "shape/ShapeCodes.h"
#include "platform/TextFile.h"

#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <numeric>

namespace {
// Writes the file's text into one string, character by character, without a string of its own
// per field: a large project has some twenty thousand lines.
class TextWriter {
public:
    // `expected`: the room to start with, in characters.
    explicit TextWriter(qsizetype expected) { out_.resize(expected); }
    QString take()
    {
        out_.resize(n_);
        return std::move(out_);
    }

    // A text as it stands, on one line: a line break inside it would start a new line for the
    // factory's reader, so CR LF, CR and LF each become one blank.
    void text(QStringView t) { put(t, false); }
    // A text inside a ";"-separated line: a ";" of its own would split the field, so it is written ",".
    void field(QStringView t) { put(t, true); }
    void number(int value)
    {
        char digits[12];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        *this << QLatin1StringView(digits, end - digits);
    }
    TextWriter &operator<<(QLatin1StringView fixed)
    {
        char16_t *d = room(fixed.size());
        for (const char ch : fixed) *d++ = char16_t(uchar(ch));
        n_ += fixed.size();
        return *this;
    }
    TextWriter &operator<<(const QString &fixed)
    {
        std::copy(fixed.utf16(), fixed.utf16() + fixed.size(), room(fixed.size()));
        n_ += fixed.size();
        return *this;
    }
    void endLine() { *this << QLatin1StringView("\r\n"); }

private:
    char16_t *room(qsizetype count)
    {
        if (n_ + count > out_.size()) out_.resize(std::max(2 * out_.size(), n_ + count + 4096));
        return reinterpret_cast<char16_t *>(out_.data()) + n_;
    }

    void put(QStringView t, bool inField)
    {
        char16_t *const start = room(t.size()), *d = start;
        for (qsizetype i = 0; i < t.size(); ++i) {
            char16_t c = t[i].unicode();
            if (c == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n') ++i;
            if (c == u'\r' || c == u'\n') c = u' ';
            else if (c == u';' && inField) c = u',';
            *d++ = c;
        }
        n_ += d - start;
    }

    QString out_;
    qsizetype n_ = 0; // characters written; the string beyond them is room
};

// Parts 0 and 1 as the export sees them: a compartment without parts counts as one empty part.
struct PartView {
    bool two = false;
    const CompartmentPartRecord *first, *second;
    explicit PartView(const CompartmentRecord &c)
    {
        static const CompartmentPartRecord none;
        first = c.Parts.isEmpty() ? &none : &c.Parts[0];
        two = c.Parts.size() > 1;
        second = two ? &c.Parts[1] : &none;
    }
};

void grille(TextWriter &w, const PartView &p)
{
    const QString &g0 = p.first->GrilleCode;
    if (!p.two) return w.field(g0);
    const QString &g1 = p.second->GrilleCode;
    if (g0.isEmpty() && g1.isEmpty()) return;
    if (g1.isEmpty()) {
        w.field(g0);
        w << QLatin1StringView("_VakL");
    } else if (g0.isEmpty()) {
        w.field(g1);
        w << QLatin1StringView("_VakR");
    } else {
        w.field(g0);
        w << QLatin1StringView("_VakLR");
    }
}

QLatin1StringView placement(const PartView &p)
{
    if (!p.two) return QLatin1StringView("Boven");
    const int upper = p.first->BarsHorizontal + p.first->BarsVertical;
    const int lower = p.second->BarsHorizontal + p.second->BarsVertical;
    if (upper > 0 && lower > 0) return QLatin1StringView("Boven+Onder");
    if (upper <= 0 && lower > 0) return QLatin1StringView("Onder");
    return QLatin1StringView("Boven"); // bars in the upper pane only, or none at all
}

void compartmentLine(TextWriter &w, const CompartmentRecord &c, int number)
{
    const PartView parts(c);
    const CompartmentPartRecord &p0 = *parts.first, &p1 = *parts.second;
    const int barsH = parts.two ? std::max(p0.BarsHorizontal, p1.BarsHorizontal) : p0.BarsHorizontal;
    const int barsV = parts.two ? std::max(p0.BarsVertical, p1.BarsVertical) : p0.BarsVertical;
    const QLatin1StringView sep(";");
    w.number(number);
    w << sep;
    w.field(c.FillCode);
    if (c.ToughenedGlass) w << QLatin1StringView("H");
    w << sep;
    grille(w, parts);
    w << sep;
    w.number(c.BreastWallHeight);
    w << sep << exportOpening(c) << sep << (c.AppliedBars ? QLatin1StringView("opplak") : QLatin1StringView()) << sep;
    w.number(barsH);
    w << sep;
    w.number(barsV);
    w << sep << placement(parts) << sep;
    w.number(c.ClearWidth);
    w << sep;
    w.number(c.ClearHeight);
    w << sep;
    w.field(c.ExtraText);
    w << sep;
    w.field(c.ScreenName);
}
}

QList<int> SetExportOrder(const FrameRecord &mark)
{
    const qsizetype count = mark.Compartments.size();
    const ShapeVariant *shape = ShapeCodes::find(mark.ShapeCode);
    if (shape && shape->exportOrder.size() == count) return shape->exportOrder;
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

QString ExportShapeCode(const FrameRecord &mark)
{
    const ShapeVariant *shape = ShapeCodes::find(mark.ShapeCode);
    return shape && !shape->factoryCode.isEmpty() ? shape->factoryCode : mark.ShapeCode;
}

QString exportOpening(const CompartmentRecord &c)
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

QString exportCompartmentLine(const CompartmentRecord &c, int number)
{
    TextWriter w(100);
    compartmentLine(w, c, number);
    return w.take();
}

QString drawingExportText(const ProjectState &state)
{
    const PersonalData &personal = state.Personal;
    const int marks = state.marksInUse();
    TextWriter w(1000 + qsizetype(marks) * 600);
    const QLatin1StringView sep(";");
    w << DrawingFileTag;
    w.endLine();
    constexpr int LastHeaderField = LastPersonalField - 1; // the mail server stays out
    for (int i = FirstPersonalField; i <= LastHeaderField; ++i) {
        w.text(personal.field(i));
        w.endLine();
    }
    w.endLine();

    for (int i = 0; i < marks; ++i) {
        const FrameRecord &m = state.FrameRecords[i];
        w << QLatin1StringView(":");
        w.field(m.Mark);
        w << sep << (m.ResistanceClass2 ? QLatin1StringView("1") : QLatin1StringView("0")) << sep;
        w.field(m.Sill);
        w.endLine();
        w << sep;
        w.text(ExportShapeCode(m)); // its own ";" are the factory's too
        w.endLine();
        w << sep;
        w.number(m.Width);
        w << sep;
        w.number(m.Height);
        w.endLine();
        w << sep;
        w.number(m.CountDrawn);
        w << sep;
        w.number(m.CountMirrored);
        w.endLine();
        w << sep;
        w.field(m.TimberType);
        for (const int size : {m.FrameThickness, m.FrameWidth, m.TransomThickness, m.MullionThickness}) {
            w << sep;
            w.number(size);
        }
        w.endLine();
        w << sep;
        w.field(m.Colour);
        w.endLine();
        w << sep;
        w.field(m.CavityBatten);
        w.endLine();
        if (m.UpperSectionHeight > 0) {
            w << QLatin1StringView(";Boven;");
            w.number(m.UpperSectionHeight);
            w << sep;
        } else {
            w << QLatin1StringView(";;;");
        }
        w.number(int(m.Compartments.size()));
        w << sep;
        w.number(m.StepWidthLeft);
        w << sep;
        w.number(m.StepWidthRight);
        w.endLine();
        for (int k : SetExportOrder(m)) {
            compartmentLine(w, m.Compartments[k], k + 1);
            w.endLine();
        }
        w.endLine();
        w.text(m.Remark);
        w.endLine();
        w << QLatin1StringView(";END");
        w.endLine();
    }
    return w.take();
}

QStringList drawingExportLines(const ProjectState &state)
{
    // No text of the file holds a line break of its own, so the line ends split it exactly.
    QStringList lines = drawingExportText(state).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QString ExportDrawings(ProjectState &state)
{
    const QString name = dateStampedName(".TEK");
    QString error;
    if (!writeBytes(name, toCp1252(drawingExportText(state)), &error))
        return "Het tekeningenbestand kan niet worden geschreven !\r\n\r\n" + QFileInfo(name).absoluteFilePath() + "\r\n"
               + error;
    state.ProjectFileName = name;
    return QString();
}
