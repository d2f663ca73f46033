#pragma once
// How each fill code is drawn: the functions of its filling, its opening lines and its hardware
// marks, the edge its hinges sit on and the label of a panel or glazing. One row per code of the
// fill-code table; a code without a row is drawn as nothing.
#include "SymbolContext.h"

#include <QList>
#include <QString>

enum class HingeEdge {
    ByDirection, // the left edge for direction 1, else the right one
    BothSides,   // two leaves hinged at both outer edges
    Top,         // in the frame member above
    Bottom,      // in the frame member below
};

using SymbolFunction = void (*)(SymbolContext &);

struct FillSymbol {
    QString code;
    SymbolFunction filling;
    SymbolFunction lines; // nullptr: no opening lines
    SymbolFunction marks; // nullptr: no hardware marks
    HingeEdge hinges = HingeEdge::ByDirection;
    QString label = QString(); // panels and glazing
};

namespace FillSymbols {
const QList<FillSymbol> &all();
// nullptr for a code without a row.
const FillSymbol *find(const QString &code);
}
