#include "ClearSizeLayout.h"

#include "ShapeCodes.h"

#include <QStringList>

namespace ClearSizeLayout {
namespace {
// "left; top, top, ..." (or "top; left, left, ..."), "" for a row without inputs.
RowPlacement placement(const char *text)
{
    RowPlacement p;
    const QStringList parts = QString::fromLatin1(text).split(';');
    if (parts.size() != 2) return p;
    p.common = parts[0].trimmed().toInt();
    for (const QString &v : parts[1].split(',')) p.along << v.trimmed().toInt();
    return p;
}

struct Entry {
    const char *code;
    const char *l, *b, *r, *m;
    QPoint widthText, heightText;
    const char *max[RowCount];
    const char *lessRight = "";       // "0,1": R inputs that row L's room gives up at "Vakvulling"
    bool upperSectionWhenNew = false; // a new shape starts with UpperSectionHeight 1
};

const Entry entries[] = {
    {"K", "", "", "", "", {173, 301}, {343, 175}, {"", "", "", ""}},
    {"K;;1;S", "", "262; 122, 195", "", "", {157, 302}, {343, 180}, {"", "W-2F-Mu", "", ""}},
    {"K;;1;S;2", "", "262; 71, 166", "260; 120, 193", "", {137, 301}, {345, 180}, {"", "W-2F-Mu", "H-2F-Tr", ""}},
    {"K;;1;S;1", "70; 120, 193", "262; 180, 272", "", "", {214, 301}, {25, 180}, {"H-2F-Tr", "W-2F-Mu", "", ""}},
    {"K;;1;S;1;2", "60; 120, 193", "262; 132, 206", "284; 112, 185", "", {167, 301}, {351, 181},
     {"H-2F-Tr", "W-2F-Mu", "H-2F-Tr", ""}},
    {"K;;2;S", "", "262; 81, 144, 203", "", "", {143, 295}, {345, 177}, {"", "W-2F-2Mu", "", ""}},
    {"K;;2;S;D1;D2;D3", "60; 110, 185", "260; 124, 188, 247", "363; 112, 186", "306; 130, 208", {187, 296}, {419, 177},
     {"H-3F", "W-2F-2Mu", "H-3F", "H-3F"}},
    {"K;;2;S;D2;S2", "", "260; 110, 157, 200, 247", "310; 114, 190", "", {179, 296}, {374, 180},
     {"", "W-2F-3Mu", "H-3F", ""}},
    {"K;;2;S;D1;D2;D3;S2", "58; 126, 206", "260; 110, 157, 200, 247", "363; 130, 202", "304; 116, 186", {178, 296},
     {420, 180}, {"H-3F", "W-2F-3Mu", "H-3F", "H-3F"}},
    {"K;;2;S;D1;D3", "65; 126, 208", "260; 136, 200, 258", "340; 126, 208", "", {198, 296}, {420, 180},
     {"H-3F", "W-2F-2Mu", "H-3F", ""}},
    {"K;;3;S", "", "260; 73, 129, 185, 242", "", "", {157, 296}, {345, 180}, {"", "W-2F-3Mu", "", ""}},
    {"L;1", "15; 130, 200", "260; 81, 144", "", "", {113, 300}, {345, 183}, {"H-2F", "W-2F-Mu", "", ""}},
    {"L;2", "15; 59, 130, 200", "260; 81, 144", "", "", {113, 300}, {345, 156}, {"H-2F-Tr", "W-2F-Mu", "", ""}},
    {"L;4", "15; 48, 130, 200", "260; 81, 144", "", "", {113, 300}, {345, 145}, {"H-2F", "W-2F-Mu", "", ""}},
    {"L;5", "15; 12, 56, 130, 200", "260; 81, 144", "", "", {113, 300}, {345, 135}, {"H-2F-Tr", "W-2F-Mu", "", ""}, "",
     true},
    {"L;6", "", "260; 81, 144", "210; 56, 160", "", {113, 300}, {345, 157}, {"", "W-2F-Mu", "H-2F-Tr", ""}},
    {"L;1;;;D1", "75; 96, 138, 200", "260; 158, 223", "", "", {191, 303}, {20, 182}, {"H-2F-Tr", "W-2F-Mu", "", ""}},
    {"L;1;;;D1;D2", "75; 100, 140, 208", "260; 150, 213", "280; 100, 180", "", {183, 300}, {354, 184},
     {"H-2F-Tr", "W-2F-Mu", "H-2F-Tr", ""}},
    {"L;1;;;D2", "75; 125, 204", "260; 156, 220", "285; 108, 190", "", {189, 300}, {354, 188},
     {"H-2F", "W-2F-Mu", "H-2F-Tr", ""}},
    {"L;7", "0; 120, 206", "260; 55, 100, 144", "", "", {97, 300}, {345, 188}, {"H-2F", "W-2F-2Mu", "", ""}},
    {"M;1", "0; 126, 206", "260; 78, 140, 200", "270; 126, 206", "", {139, 300}, {345, 188}, {"H-2F", "W-2F-2Mu", "H-2F", ""}},
    {"M;2", "0; 126, 206", "260; 78, 140, 200", "270; 59, 126, 206", "", {139, 300}, {345, 158},
     {"H-2F-Tr", "W-2F-2Mu", "H-2F-Tr", ""}, "0"},
    {"M;4", "0; 126, 206", "260; 78, 140, 200", "270; 49, 126, 206", "", {139, 300}, {345, 150},
     {"H-2F", "W-2F-2Mu", "H-2F", ""}, "0", true},
    {"M;5", "0; 126, 206", "260; 78, 140, 200", "270; 16, 57, 126, 206", "", {139, 300}, {345, 142},
     {"H-2F-Tr", "W-2F-2Mu", "H-2F-Tr", ""}, "0,1", true},
    {"M;6", "", "260; 78, 140, 200", "270; 51, 160", "", {139, 300}, {345, 158}, {"", "W-2F", "H-2F", ""}},
    {"M;7", "0; 126, 206", "260; 50, 95, 140, 185, 230", "280; 126, 200", "", {140, 300}, {345, 183},
     {"H-2F", "W-6F", "H-2F", ""}},
    {"R;1", "", "260; 143, 202", "270; 122, 204", "", {170, 300}, {345, 180}, {"", "W-2F-Mu", "H-2F", ""}},
    {"R;2", "", "260; 143, 202", "270; 55, 122, 204", "", {170, 300}, {345, 153}, {"", "W-2F-Mu", "H-2F-Tr", ""}},
    {"R;4", "", "260; 143, 202", "270; 47, 122, 204", "", {170, 300}, {345, 150}, {"", "W-2F-Mu", "H-2F", ""}, "", true},
    {"R;5", "", "260; 143, 202", "270; 10, 55, 122, 204", "", {170, 300}, {345, 142}, {"", "W-2F-Mu", "H-2F-Tr", ""},
     "", true},
    {"R;6", "", "260; 143, 202", "270; 55, 160", "", {170, 300}, {345, 153}, {"", "W-2F-Mu", "H-3F", ""}},
    {"R;1;;;D1", "75; 100, 190", "260; 143, 202", "270; 122, 204", "", {170, 300}, {350, 186},
     {"H-2F-Tr", "W-2F-Mu", "H-2F", ""}},
    {"R;1;;;D1;D2", "75; 100, 190", "260; 143, 202", "270; 100, 141, 204", "", {170, 300}, {350, 186},
     {"H-2F-Tr", "W-2F-Mu", "H-2F-Tr", ""}},
    {"R;1;;;D2", "", "260; 143, 202", "270; 100, 141, 204", "", {170, 300}, {350, 186}, {"", "W-2F-Mu", "H-2F-Tr", ""}},
    {"R;7", "", "260; 143, 187, 227", "280; 122, 204", "", {185, 300}, {345, 186}, {"", "W-4F", "H-2F", ""}},
    {"K;;1;D", "83; 119, 194", "", "", "", {200, 295}, {25, 175}, {"H-2F-Tr", "", "", ""}},
    {"K;;1;D;S1;S3", "83; 119, 194", "255; 151, 199, 250", "", "", {200, 295}, {25, 175}, {"H-2F-Tr", "W-2F-2Mu", "", ""}},
    {"K;;1;D;S1;S3;D1;D4", "68; 94, 138", "255; 122, 171, 221", "285; 95, 140, 191", "", {172, 295}, {356, 172},
     {"H-2F-2Tr", "W-2F-2Mu", "H-2F-2Tr", ""}, "2"},
    {"K;;1;S;D1;D2;S2", "55; 104, 180", "260; 117, 168, 211", "270; 116, 192", "", {163, 302}, {350, 180},
     {"H-2F-Tr", "W-2F-2Mu", "H-2F-Tr", ""}},
    {"K;;1;S;D1;S1;D2;S1", "55; 116, 190", "260; 108, 154, 206", "270; 100, 192", "", {163, 302}, {353, 180},
     {"H-2F-Tr", "W-2F-2Mu", "H-2F-Tr", ""}},
    {"K;;1;S;D1;D2;S2;D5", "55; 104, 180", "260; 117, 167, 211", "270; 96, 132, 190", "", {163, 302}, {350, 180},
     {"H-2F-Tr", "W-2F-2Mu", "H-2F-2Tr", ""}},
    {"K;;1;S;D1;D2;S1;D1", "55; 98, 134, 188", "260; 108, 154, 206", "270; 100, 192", "", {163, 302}, {353, 180},
     {"H-2F-2Tr", "W-2F-2Mu", "H-2F-Tr", ""}},
    {ShapeCodes::LooseCode, "", "", "", "", {173, 301}, {343, 175}, {"", "", "", ""}},
};

QList<ShapeLayout> build()
{
    QList<ShapeLayout> out;
    for (const ShapeVariant &v : ShapeCodes::all()) {
        for (const Entry &e : entries) {
            if (v.code != QLatin1String(e.code)) continue;
            ShapeLayout s;
            s.code = v.code;
            s.rows = {placement(e.l), placement(e.b), placement(e.r), placement(e.m)};
            for (int r = 0; r < RowCount; ++r) s.maxima[r] = parseMaxFormula(QString::fromLatin1(e.max[r]));
            s.widthText = e.widthText;
            s.heightText = e.heightText;
            for (const QString &i : QString::fromLatin1(e.lessRight).split(',', Qt::SkipEmptyParts))
                s.rowLLessRight << i.toInt();
            s.upperSectionWhenNew = e.upperSectionWhenNew;
            out << s;
        }
    }
    return out;
}
}

MaxFormula parseMaxFormula(const QString &text)
{
    MaxFormula f;
    if (text.isEmpty()) return f;
    MaxFormula refused;
    refused.refused = true;
    if (text[0] != 'W' && text[0] != 'H') return refused;
    f.base = text[0].toLatin1();
    if (text.size() == 1) return f;
    if (text[1] != '-') return refused;
    for (const QString &term : text.mid(2).split('-')) {
        const bool counted = !term.isEmpty() && term[0] >= '0' && term[0] <= '9';
        const int at = counted ? 1 : 0;
        const int n = counted ? term[0].unicode() - '0' : 1;
        const QString member = term.mid(at);
        if (member == "F") f.frames += n;
        else if (member == "Mu") f.mullions += n;
        else if (member == "Tr") f.transoms += n;
        else return refused;
    }
    return f;
}

int MaxFormula::value(const FrameRecord &mark) const
{
    if (base == 0 || refused) return 0;
    const int outer = base == 'W' ? mark.Width : mark.Height;
    return outer - frames * mark.FrameThickness - mullions * mark.MullionThickness - transoms * mark.TransomThickness;
}

std::array<int, RowCount> ShapeLayout::shownCounts() const { return {shown(0), shown(1), shown(2), shown(3)}; }

QPoint ShapeLayout::inputPosition(int row, int i) const
{
    if (row < 0 || row >= RowCount || i < 0 || i >= shown(row)) return {};
    const RowPlacement &p = rows[row];
    return row == RowB ? QPoint(p.along[i], p.common) : QPoint(p.common, p.along[i]);
}

int ShapeLayout::variantButton() const
{
    const ShapeVariant *v = ShapeCodes::find(code);
    return v ? v->i : -1;
}

const QList<ShapeLayout> &all()
{
    static const QList<ShapeLayout> table = build();
    return table;
}

const ShapeLayout *find(const QString &code)
{
    for (const ShapeLayout &s : all())
        if (s.code == code) return &s;
    return nullptr;
}

std::array<int16, RowCount> maxima(const FrameRecord &mark)
{
    std::array<int16, RowCount> out{};
    const ShapeLayout *layout = find(mark.ShapeCode);
    if (!layout) return out;
    for (int r = 0; r < RowCount; ++r) {
        const int v = layout->maxima[r].value(mark);
        out[r] = fitsInt16(v) ? int16(v) : int16(0);
    }
    return out;
}

QString sizeLabel(int value) { return value < 0 ? QString::number(value) : " " + QString::number(value); }

QString missingPictureMessage(const QString &code) { return ("IMG\\" + code + ".bmp").toUpper() + " niet gevonden !"; }
}
