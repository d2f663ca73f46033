#include "FillSymbols.h"

#include "Fillings.h"
#include "HardwareMarks.h"
#include "OpeningLines.h"

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
        {"PRA", F::boards, nullptr, nullptr, H::ByDirection, "Rabat paneel"},
        {"PV", F::verticalBoards, nullptr, nullptr, H::ByDirection, "Vertikaal paneel"},
        {"PBO", F::raisedPanel, nullptr, nullptr, H::ByDirection, "Bossing paneel"},
        {"PTR", F::hatched, nullptr, nullptr, H::ByDirection, "Trespa paneel"},
        {"PWB", F::hatched, nullptr, nullptr, H::ByDirection, "Multiplex paneel"},
        {"PGL", F::hatched, nullptr, nullptr, H::ByDirection, "Glas paneel"},
    };
    return table;
}

const FillSymbol *FillSymbols::find(const QString &code)
{
    for (const FillSymbol &s : all())
        if (s.code == code) return &s;
    return nullptr;
}
