#pragma once
// The code strings of a compartment's filling, shared by the windows that set them, the drawing
// that shows them and the files that store them.
#include <QList>
#include <QString>
#include <QStringList>

namespace FillTypes {
inline const QString Door = QStringLiteral("DEUR");
inline const QString Window = QStringLiteral("RAAM");
inline const QString Glass = QStringLiteral("GLASVAK");
inline const QString Panel = QStringLiteral("PANEEL");
QStringList all();
}

struct FillCodeInfo {
    int button;        // the fill-code button of the drawing window; -1 for the glazing codes
    QString tooltip;
    QString code;
    QString fillType;
    int parts;         // leaves or panes the choice creates: 1 or 2
    int group;         // opening-direction group of the options window; -1 for panels
};

namespace FillCodes {
const QList<FillCodeInfo> &all();
// nullptr for a code that is not one of ours (the empty code included).
const FillCodeInfo *find(const QString &code);
// nullptr for the three "Terug" buttons and indexes out of range.
const FillCodeInfo *forButton(int button);
inline const QString OutsideGlazing = QStringLiteral("GL_BU");
inline const QString InsideGlazing = QStringLiteral("GL_BI");
}

namespace GrilleCodes {
// "" is no vent grille.
const QStringList &all();
bool isValid(const QString &code);
}
