#include "FillSymbols.h"

#include "Fillings.h"
#include "HardwareMarks.h"
#include "OpeningLines.h"

#include "model/Vocabularies.h"

namespace {
// A panel's row: no opening, labelled with its name in the fill-code table.
FillSymbol panel(const char *code, SymbolFunction filling)
{
    const FillCodeInfo *info = FillCodes::find(QLatin1String(code));
    return {code, filling, nullptr, nullptr, HingeEdge::ByDirection, info ? info->tooltip : QString()};
}
}

const QList<FillSymbol> &FillSymbols::all()
{
    namespace F = Fillings;
    namespace L = OpeningLines;
    namespace M = HardwareMarks;
    using H = HingeEdge;
    static const QList<FillSymbol> table = {
        {"DE", F::oneLeaf, L::sideHung, M::door},
        {"BE", F::oneLeaf, L::sideHung, M::door},
        {"DD", F::oneLeaf, L::turnTilt, M::door},
        {"RA", F::oneLeaf, L::sideHung, M::sash},
        {"RB", F::oneLeaf, L::sideHung, M::sash},
        {"KL", F::oneLeaf, L::topHung, M::flap, H::Top},
        {"VA", F::oneLeaf, L::bottomHung, M::flap, H::Bottom},
        {"DV", F::oneLeaf, L::turnTilt, nullptr},
        {"D2", F::twoPanes, L::sideHung, M::door},
        {"B2", F::twoPanes, L::sideHung, M::door},
        {"DU", F::twoLeaves, L::twoLeaves, M::pairDoor, H::BothSides},
        {"DK", F::twoLeaves, L::tiltingPair, M::tiltingPairDoor},
        {"SD", F::twoLeaves, L::liftSlide, M::liftSlide},
        {"SU", F::twoLeaves, L::twoLeaves, M::pairSash, H::BothSides},
        {"SV", F::twoLeaves, L::tiltingPair, nullptr},
        {"GL_BU", F::glazing, nullptr, nullptr, H::ByDirection, "Glasvak bu"},
        {"GL_BI", F::glazing, nullptr, nullptr, H::ByDirection, "Glasvak bi"},
        panel("PRA", F::boards),
        panel("PV", F::verticalBoards),
        panel("PBO", F::raisedPanel),
        panel("PTR", F::hatched),
        panel("PWB", F::hatched),
        panel("PGL", F::hatched),
    };
    return table;
}

const FillSymbol *FillSymbols::find(const QString &code)
{
    for (const FillSymbol &s : all())
        if (s.code == code) return &s;
    return nullptr;
}
