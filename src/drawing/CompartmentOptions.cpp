#include "CompartmentOptions.h"

#include "model/Vocabularies.h"

namespace CompartmentOptions {

const DirectionGroup &directionGroup(int group)
{
    static const DirectionGroup groups[GroupCount] = {
        // The fill-code table says which codes show which group.
        {0, {{0, false}, {1, false}, {2, false}}},  // side-hung, outward: fixed, left, right
        {3, {{0, false}, {1, true}, {2, true}}},    // side-hung, inward
        {6, {{0, false}, {1, false}, {2, false}}},  // two leaves, outward
        {9, {{0, false}, {1, true}, {2, true}}},    // two leaves, one tilting inward
        {12, {{1, false}, {2, false}, {3, false}}}, // lift-slide: left, right, both ways
        {15, {{0, false}, {1, false}}},             // top-hung
        {17, {{0, false}, {1, true}}},              // bottom-hung
        {19, {{0, false}, {1, true}, {2, true}}},   // turn-tilt window
    };
    return groups[qBound(0, group, GroupCount - 1)];
}

int groupOf(const QString &fillCode)
{
    const FillCodeInfo *info = FillCodes::find(fillCode);
    return info ? info->group : -1;
}

std::optional<DirectionChoice> directionOfButton(int button)
{
    for (int g = 0; g < GroupCount; ++g) {
        const DirectionGroup &group = directionGroup(g);
        const int k = button - group.firstButton;
        if (k >= 0 && k < group.choices.size()) return group.choices[k];
    }
    return std::nullopt;
}

void setDirection(CompartmentRecord &c, DirectionChoice choice)
{
    c.Direction = int16(choice.direction);
    c.OpensInward = choice.inward;
}

QStringList glazingEntries() { return {QStringLiteral("Buitenbeglazing"), QStringLiteral("Binnenbeglazing")}; }

void setGlazing(CompartmentRecord &c, int entry)
{
    setDirection(c, {0, false});
    c.FillCode = entry == 0 ? FillCodes::OutsideGlazing : FillCodes::InsideGlazing;
}

const QList<Grille> &grilles()
{
    static const QList<Grille> table = {
        {"", ""},
        {"Gleufrooster met 1 gleuf", "1"},
        {"Gleufrooster met 2 gleuven", "2"},
        {"Vent.rooster zonder bed.(vast)", "3"},
        {"Vent.rooster bed. L trekkoord", "4L"},
        {"Vent.rooster bed. L stang", "5L"},
        {"Vent.rooster bed. L afst.bed.", "6L"},
        {"Vent.rooster bed. R trekkoord", "4R"},
        {"Vent.rooster bed. R stang", "5R"},
        {"Vent.rooster bed. R afst.bed.", "6R"},
    };
    return table;
}

QStringList grilleSides()
{
    return {QStringLiteral("Vent.rooster alleen links"), QStringLiteral("Vent.rooster alleen rechts"),
            QStringLiteral("Vent.rooster links & rechts")};
}

bool offersGrilleSide(const QString &fillCode)
{
    const FillCodeInfo *info = FillCodes::find(fillCode);
    return info && info->grilleSide;
}

namespace {
// The codes for part 0 and part 1 of a side or placement; nullopt: nothing stored.
template <typename T>
std::optional<std::pair<T, T>> perPart(int choice, const T &value, const T &none)
{
    switch (choice) {
    case 0: return std::pair{value, none};
    case 1: return std::pair{none, value};
    case 2: return std::pair{value, value};
    default: return std::nullopt;
    }
}
}

bool setGrille(CompartmentRecord &c, const QString &code, int side)
{
    const auto codes = perPart(side, code, QString());
    if (!codes) return true;
    if (c.Parts.size() < 1) return false;
    c.Parts[0].GrilleCode = codes->first;
    if (c.Parts.size() < 2) return false;
    c.Parts[1].GrilleCode = codes->second;
    return true;
}

QStringList barPlacements()
{
    return {QStringLiteral("Roedes alleen in bovenste vak"), QStringLiteral("Roedes alleen  in onderste vak"),
            QStringLiteral("Roedes in beide vakken")};
}

bool offersBarPlacement(const QString &fillCode)
{
    const FillCodeInfo *info = FillCodes::find(fillCode);
    return info && info->parts == 2 && !info->twoLeaves;
}

bool barsInBothLeaves(const QString &fillCode)
{
    const FillCodeInfo *info = FillCodes::find(fillCode);
    return info && info->barsInBothLeaves;
}

bool setBars(CompartmentRecord &c, int horizontal, int vertical, int placement, bool eachAlone)
{
    const auto counts = perPart(placement, std::pair{horizontal, vertical}, std::pair{0, 0});
    if (!counts) return true;
    bool complete = true;
    for (int k = 0; k < 2; ++k) {
        const auto [h, v] = k == 0 ? counts->first : counts->second;
        for (const int store : {0, 1}) {
            if (k >= c.Parts.size()) {
                complete = false;
                if (!eachAlone) return false;
                continue;
            }
            if (store == 0) c.Parts[k].BarsHorizontal = int16(h);
            else c.Parts[k].BarsVertical = int16(v);
        }
    }
    return complete;
}

Offered offered(const QString &fillType, const QString &fillCode)
{
    Offered o;
    o.grilleSide = offersGrilleSide(fillCode);
    o.barPlacement = offersBarPlacement(fillCode);
    o.breastWall = fillType != FillTypes::Window;
    o.toughenedGlass = fillType == FillTypes::Window;
    o.screen = fillCode != FillCodes::OutsideGlazing && fillCode != FillCodes::InsideGlazing;
    return o;
}

std::optional<int16> breastWallHeight(const QString &entry)
{
    bool ok = false;
    const int v = entry.trimmed().toInt(&ok);
    if (!ok || !fitsInt16(v)) return std::nullopt;
    return int16(v);
}

}
