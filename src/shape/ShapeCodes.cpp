#include "ShapeCodes.h"

const QList<BasicShape> &ShapeCodes::basicShapes()
{
    static const QString more = QStringLiteral(" In het volgende venster keuze uit meerdere vormen.");
    static const QList<BasicShape> table = {
        {0, "RHKozijn", "RECHTHOEK KOZIJN.", "K"},
        {1, "Kozijn1", "RECHTHOEK KOZIJN + 1 DORPEL." + more, "K;;1;S"},
        {2, "Kozijn2", "RECHTHOEK KOZIJN + 2 STIJLEN." + more, "K;;2;S"},
        {3, "Kozijn3", "RECHTHOEK KOZIJN + 3 STIJLEN.", "K;;3;S"},
        {4, "LMM", "LINKS MELKMEISJE." + more, "L;1"},
        {5, "MM", "MELKMEISJE." + more, "M;1"},
        {6, "RMM", "RECHTS MELKMEISJE." + more, "R;1"},
        {7, "Kozijn1h", "RECHTHOEK KOZIJN + 1 DORPEL." + more, "K;;1;D"},
        {8, "Kozijn5h", "Overige vormen." + more, "K;;1;S;D1;D2;S2"},
        {9, "LosRD", "Losse ramen of deuren (zonder kozijn)", LooseCode},
    };
    return table;
}

const QList<ShapeVariant> &ShapeCodes::all()
{
    static const QList<ShapeVariant> table = {
        {0, -1, "K"},
        {1, 0, "K;;1;S"}, {1, 1, "K;;1;S;2"}, {1, 2, "K;;1;S;1"}, {1, 3, "K;;1;S;1;2"},
        {2, 0, "K;;2;S"}, {2, 1, "K;;2;S;D1;D2;D3"}, {2, 2, "K;;2;S;D2;S2"}, {2, 3, "K;;2;S;D1;D2;D3;S2"},
        {2, 4, "K;;2;S;D1;D3"},
        {3, -1, "K;;3;S"},
        {4, 0, "L;1"}, {4, 1, "L;2"}, {4, 2, "L;4", "L;1"}, {4, 3, "L;5", "L;2"}, {4, 4, "L;6"}, {4, 5, "L;1;;;D1"},
        {4, 6, "L;1;;;D1;D2"}, {4, 7, "L;1;;;D2"}, {4, 8, "L;7"},
        {5, 0, "M;1"}, {5, 1, "M;2"}, {5, 2, "M;4"}, {5, 3, "M;5"}, {5, 4, "M;6"}, {5, 5, "M;7"},
        {6, 0, "R;1"}, {6, 1, "R;2"}, {6, 2, "R;4"}, {6, 3, "R;5"}, {6, 4, "R;6"}, {6, 5, "R;1;;;D1"},
        {6, 6, "R;1;;;D1;D2"}, {6, 7, "R;1;;;D2"}, {6, 8, "R;7"},
        {7, 0, "K;;1;D"}, {7, 1, "K;;1;D;S1;S3"}, {7, 2, "K;;1;D;S1;S3;D1;D4", {}, {0, 2, 3, 4, 5, 1}},
        {8, 0, "K;;1;S;D1;D2;S2", {}, {0, 1, 3, 4, 2}},
        {8, 1, "K;;1;S;D1;S1;D2;S1", {}, {0, 4, 1, 2, 3}},
        {8, 2, "K;;1;S;D1;D2;S2;D5", {}, {0, 1, 4, 5, 2, 3}},
        {8, 3, "K;;1;S;D1;D2;S1;D1", {}, {0, 3, 4, 5, 2, 1}},
        {9, -1, LooseCode},
    };
    return table;
}

bool ShapeCodes::isLoose(const QString &code) { return code == QLatin1String(LooseCode); }

bool ShapeCodes::isShapeCode(const QString &code) { return basicShapeOf(code) >= 0; }

QString ShapeCodes::basicCode(int k)
{
    return (k >= 0 && k < BasicShapeCount) ? basicShapes()[k].basicCode : QString();
}

int ShapeCodes::variantCount(int k)
{
    int count = 0;
    for (const ShapeVariant &v : all()) count += v.k == k && v.i >= 0;
    return count;
}

QString ShapeCodes::variantCode(int k, int i)
{
    if (i < 0 || i >= variantCount(k)) return {};
    for (const ShapeVariant &v : all())
        if (v.k == k && v.i == i) return v.code;
    return {};
}

QString ShapeCodes::variantIcon(int k, int i)
{
    if (variantCode(k, i).isEmpty()) return {};
    return QStringLiteral("img/%1%2.ico").arg(k).arg(i);
}

QString ShapeCodes::pictureFile(int k, bool selected)
{
    if (k < 0 || k >= BasicShapeCount) return {};
    return "Vormen/" + basicShapes()[k].picture + (selected ? "_S" : "") + ".bmp";
}

const ShapeVariant *ShapeCodes::find(const QString &code)
{
    for (const ShapeVariant &v : all())
        if (v.code == code) return &v;
    return nullptr;
}

int ShapeCodes::basicShapeOf(const QString &code)
{
    const ShapeVariant *v = find(code);
    return v ? v->k : -1;
}

QString ShapeCodes::shapeBitmap(const QString &code)
{
    return isShapeCode(code) ? "IMG/" + code + ".bmp" : QString();
}

QString ShapeCodes::familyWord(const QString &code)
{
    if (code.startsWith('K')) return QStringLiteral("rechthoekig");
    if (code.startsWith('L')) return QStringLiteral("links melkmeisje");
    if (code.startsWith('R')) return QStringLiteral("rechts melkmeisje");
    if (code.startsWith('M')) return QStringLiteral("melkmeisje");
    return {};
}
