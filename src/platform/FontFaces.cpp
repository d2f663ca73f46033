#include "FontFaces.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>

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

int captionRoom(const QString &caption)
{
    // The title bar's face is the window manager's; the faces the program knows stand in for it.
    constexpr int IconAndButtons = 140;
    const QFont system = QGuiApplication::font();
    QStringList families{system.family()};
    for (const auto &[face, substitutes] : fontFaceSubstitutes()) families << substitutes;
    int widest = 0;
    for (const QString &family : families) {
        QFont font(family);
        font.setPointSizeF(system.pointSizeF());
        font.setBold(true);
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(caption));
    }
    return widest + IconAndButtons;
}
