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

// How field 5 of a compartment line in the drawing file gives the opening direction (0 is fixed
// for every code).
enum class OpeningField {
    Hinged,   // direction 1, 2: "3", "4" opening outward, "2", "1" inward
    LeftRight,// "L" for direction 1, else "R"
    Sliding,  // "SDL", "SDR", "SDA" for direction 1, 2, 3; nothing for another
    Tilting,  // "KL" for direction 1, else "KR"
};

// Everything the program knows of one fill code, one row per code.
struct FillCodeInfo {
    int button;        // the fill-code button of the drawing window; -1 for the glazing codes
    QString tooltip;
    QString code;
    QString fillType;
    int parts;         // leaves or panes the choice creates: 1 or 2
    int group;         // opening-direction group of the options window; -1 for panels
    bool twoLeaves = false;        // two parts side by side; other two-part codes have panes above each other
    bool barsInBothLeaves = false; // the bar counts always go to both leaves
    bool grilleSide = false;       // the options window lets the user choose the grille's leaf
    OpeningField opening = OpeningField::Hinged;
    int startDirection = 0;        // given when the code is chosen; 0 leaves the direction as it is
};

namespace FillCodes {
const QList<FillCodeInfo> &all();
// nullptr for a code that is not one of ours (the empty code included).
const FillCodeInfo *find(const QString &code);
// nullptr for the three "Terug" buttons and indexes out of range.
const FillCodeInfo *forButton(int button);
// The drawing window's buttons of one fill type: its codes' buttons from `first`, then its "Terug"
// button `back`, the one after its last code. {-1, -1} for a type without buttons (glazing).
struct ButtonRange {
    int first = -1;
    int back = -1;
};
ButtonRange buttonRange(const QString &fillType);
// Every fill-code button, the "Terug" buttons included: one past the last "Terug".
int buttonCount();
inline const QString OutsideGlazing = QStringLiteral("GL_BU");
inline const QString InsideGlazing = QStringLiteral("GL_BI");
}

namespace GrilleCodes {
// "" is no vent grille.
const QStringList &all();
bool isValid(const QString &code);
}
