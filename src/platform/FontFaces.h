#pragma once
// The windows ask for the faces of the system the program was drawn for ("Comic Sans MS",
// "Arial", "MS Sans Serif"). Left to the font matcher here, a missing face may resolve to
// anything (a calligraphic face made the sill label an illegible scrawl), so each is mapped at
// start to a free font of the same kind and about the same metrics.
#include <QList>
#include <QString>
#include <utility>

// Face asked for, and the free families that stand in for it, best first.
const QList<std::pair<QString, QStringList>> &fontFaceSubstitutes();
// Installs the substitutes; the program calls this once at start, before any window is made.
void mapFontFaces();

// The width in pixels a window needs for the window manager to show `caption` whole: the caption in
// bold at the system font's size, in the system's face and in every face mapped above, the widest,
// and room for the title bar's icon and buttons.
int captionRoom(const QString &caption);
