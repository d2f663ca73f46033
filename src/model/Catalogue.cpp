#include "Catalogue.h"

#include "MarkDefaults.h"
#include "WholeNumber.h"
#include "platform/RegularFile.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
QStringList lines(const QString &name)
{
    const QString path = findFile(name);
    return path.isEmpty() ? QStringList() : readTextLines(path).value_or(QStringList());
}

int size(const QString &line)
{
    const int v = wholeNumber(line).value_or(0);
    return v >= 0 && v <= 9999 ? v : 0;
}
}

namespace Catalogue {

std::optional<QString> missingRequiredFile()
{
    struct Item {
        QString name;
        bool folder;
        QString shown;
    };
    const QList<Item> items{
        {"ICO", true, "De map ICO"}, {"Vormen", true, "De map Vormen"}, {"Basis.txt", false, "Basis.txt"},
        {"BorstW.txt", false, "BorstW.txt"}, {"EmOD.txt", false, "EmOD.txt"}, {"Kleur.txt", false, "Kleur.txt"},
        {"KozHout.txt", false, "KozHout.txt"}, {"Spouwlat.txt", false, "Spouwlat.txt"},
    };
    for (const Item &item : items) {
        const QString path = findFile(item.name);
        const QFileInfo info(path);
        // A file that is no regular file, or too large to read, is as good as missing.
        const bool present = !path.isEmpty()
                             && (item.folder ? info.isDir() && !QDir(path).entryList(QDir::Files).isEmpty()
                                             : regularFileReadable(path));
        if (!present) return item.shown + " niet gevonden !\r\n\r\nVraag uw timmerbedrijf voor dit bestand.";
    }
    return std::nullopt;
}

QStringList timberTypes() { return lines(QStringLiteral("Kozhout.TXT")); }

FactoryDefaults factoryDefaults(const QStringList &timberTypes)
{
    const QStringList basis = lines(QStringLiteral("Basis.TXT"));
    FactoryDefaults d;
    d.lineCount = int(qMin<qsizetype>(basis.size(), 8));
    for (int n = 0; n < d.lineCount; ++n) {
        const QString &line = basis[n];
        switch (n) {
        case 0: d.webSite = line; break;
        case 1: d.eMail = line; break;
        case 2: d.timberType = timberTypes.contains(line) ? line : timberTypes.value(0); break;
        case 3: d.frameThickness = size(line); break;
        case 4: d.frameWidth = size(line); break;
        case 5: d.resistanceClass2 = wholeNumber(line).value_or(0) == 1; break;
        case 6: d.factoryName = line; break;
        case 7: d.factoryPhone = line; break;
        }
    }
    return d;
}

void applyFactoryDefaults(ProjectState &s, const FactoryDefaults &d)
{
    if (d.holds(0)) s.FactoryWebSite = d.webSite;
    if (d.holds(1)) s.FactoryEMail = d.eMail;
    const MarkDefaults mark = markDefaults(d);
    if (mark.timberType) s.DefaultTimberType = *mark.timberType;
    if (mark.frameThickness) s.DefaultFrameThickness = *mark.frameThickness;
    if (mark.mullionThickness) s.DefaultMullionThickness = *mark.mullionThickness;
    if (mark.transomThickness) s.DefaultTransomThickness = *mark.transomThickness;
    if (mark.frameWidth) s.DefaultFrameWidth = *mark.frameWidth;
    if (d.holds(6)) s.FactoryName = d.factoryName;
    if (d.holds(7)) s.FactoryPhone = d.factoryPhone;
}

QStringList colourEntries() { return lines(QStringLiteral("Kleur.txt")); }

QStringList battenEntries() { return QStringList{QString()} + lines(QStringLiteral("Spouwlat.txt")); }

QStringList sillEntries()
{
    QStringList out{QString()};
    for (const QString &line : lines(QStringLiteral("EmOD.TXT")))
        if (!line.trimmed().isEmpty()) out.append(line);
    return out;
}

QStringList breastWallEntries(int clearHeight)
{
    QStringList out;
    for (const QString &line : lines(QStringLiteral("BORSTW.TXT"))) {
        // A negative height is no breast wall: it would push the sash below the opening.
        const double height = leadingNumber(line);
        if (height >= 0 && height < clearHeight) out.append(line);
    }
    return out;
}

QStringList screenEntries() { return QStringList{QString()} + lines(QStringLiteral("HORREN.TXT")); }

}
