#include "FontFaces.h"

#include <QFont>

const QList<std::pair<QString, QStringList>> &fontFaceSubstitutes()
{
    // Liberation Sans has Arial's metrics; Comic Neue is drawn after Comic Sans and keeps its widths close.
    static const QList<std::pair<QString, QStringList>> faces{
        {QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue")}},
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")}},
        {QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans")}},
    };
    return faces;
}

void mapFontFaces()
{
    for (const auto &[face, substitutes] : fontFaceSubstitutes()) {
        QFont::removeSubstitutions(face);
        QFont::insertSubstitutions(face, substitutes);
    }
}
