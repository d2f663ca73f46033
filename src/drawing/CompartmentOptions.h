#pragma once
// The options of one compartment as the options window sets them: the opening direction per
// group of fill codes, inside or outside glazing, the vent grille and the leaf it sits on, the
// glazing bars and the pane or leaf that gets them, and the breast-wall height. Each store writes
// the record at once; a store into a part the compartment does not have fails.
#include "model/Records.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace CompartmentOptions {

struct DirectionChoice {
    int direction;
    bool inward;
};

// The direction buttons: group g (0..7) holds the buttons firstButton .. firstButton + size - 1.
struct DirectionGroup {
    int firstButton;
    QList<DirectionChoice> choices;
};
constexpr int GroupCount = 8;
constexpr int GlazingGroup = 8;
constexpr int DirectionButtonCount = 22;
const DirectionGroup &directionGroup(int group);
// The group whose buttons a fill code shows, GlazingGroup for glazing, -1 for none.
int groupOf(const QString &fillCode);
// What direction button `button` (0..21) stores.
std::optional<DirectionChoice> directionOfButton(int button);
void setDirection(CompartmentRecord &c, DirectionChoice choice);

// Glazing list entry 0 is outside glazing, any other inside; both are fixed.
QStringList glazingEntries();
void setGlazing(CompartmentRecord &c, int entry);

// The grille list: name shown and code stored, row by row; row 0 is no grille.
struct Grille {
    QString name;
    QString code;
};
const QList<Grille> &grilles();
// "Vent.rooster alleen links", "... alleen rechts", "... links & rechts".
QStringList grilleSides();
// The side list is offered only for these codes; otherwise the grille goes to part 0.
bool offersGrilleSide(const QString &fillCode);
// Side 0: part 0 gets the code and part 1 none; 1: the other way round; 2: both; -1: nothing.
// Stops at the first part the compartment lacks; false then.
bool setGrille(CompartmentRecord &c, const QString &code, int side);

// "Roedes alleen in bovenste vak", "Roedes alleen  in onderste vak", "Roedes in beide vakken".
QStringList barPlacements();
// The placement list is offered only for panes above each other.
bool offersBarPlacement(const QString &fillCode);
// Two leaves that must get their bars alike: the counts always go to both.
bool barsInBothLeaves(const QString &fillCode);
// Placement 0: part 0 gets the counts and part 1 none; 1: the other way round; 2: both; any other:
// nothing. eachAlone: a store into a missing part is skipped and the rest still made; otherwise
// the first one stops the rest (false then).
bool setBars(CompartmentRecord &c, int horizontal, int vertical, int placement, bool eachAlone);

// The lists and boxes the options window offers for a compartment of this fill type and code (both
// "" for none): the grille side and bar placement as above, the breast wall but for a window,
// toughened glass only for a window, the insect screen but for glazing.
struct Offered {
    bool grilleSide = false;
    bool barPlacement = false;
    bool breastWall = false;
    bool toughenedGlass = false;
    bool screen = false;
    bool operator==(const Offered &) const = default;
};
Offered offered(const QString &fillType, const QString &fillCode);

// The breast-wall height of a list entry: a plain whole number in 16 bits, else nothing.
std::optional<int16> breastWallHeight(const QString &entry);

}
