#include "Catalogue.h"

#include "platform/TextFile.h"

#include <QRegularExpression>

namespace {
QStringList lines(const QString &name)
{
    const QString path = findFile(name);
    return path.isEmpty() ? QStringList() : readTextLines(path).value_or(QStringList());
}

// The number a text begins with (after blanks), 0 when it begins with none.
double leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : 0;
}
}

namespace Catalogue {

QStringList breastWallEntries(int clearHeight)
{
    QStringList out;
    for (const QString &line : lines(QStringLiteral("BORSTW.TXT"))) {
        const double height = leadingNumber(line);
        if (height >= 0 && height < clearHeight) out.append(line);
    }
    return out;
}

QStringList screenEntries() { return QStringList{QString()} + lines(QStringLiteral("HORREN.TXT")); }

}
