#include "DrawingCatalogue.h"

#include "platform/TextFile.h"

namespace {
QStringList lines(const QString &name)
{
    const QString path = findFile(name);
    return path.isEmpty() ? QStringList() : readTextLines(path).value_or(QStringList());
}
}

QStringList DrawingCatalogue::colourEntries() { return lines(QStringLiteral("Kleur.txt")); }

QStringList DrawingCatalogue::battenEntries() { return QStringList{QString()} + lines(QStringLiteral("Spouwlat.txt")); }

QStringList DrawingCatalogue::sillEntries()
{
    QStringList out{QString()};
    for (const QString &line : lines(QStringLiteral("EmOD.TXT")))
        if (!line.trimmed().isEmpty()) out.append(line);
    return out;
}
