#include "Vocabularies.h"

#include <algorithm>

QStringList FillTypes::all() { return {Door, Window, Glass, Panel}; }

const QList<FillCodeInfo> &FillCodes::all()
{
    using O = OpeningField;
    // button, tooltip, code, fill type, parts, direction group,
    //     two leaves, bars in both leaves, grille side, opening field, start direction
    static const QList<FillCodeInfo> table = {
        {0, "1 vaksdeur (Buitendraaiend)", "DE", FillTypes::Door, 1, 0},
        {1, "1 vaksdeur (Binnendraaiend)", "BE", FillTypes::Door, 1, 1},
        {2, "2 vaksdeur (Buitendraaiend)", "D2", FillTypes::Door, 2, 0},
        {3, "2 vaksdeur (Binnendraaiend)", "B2", FillTypes::Door, 2, 1},
        {4, "Draaikiep deur", "DD", FillTypes::Door, 1, 1},
        {5, "Stolpdeuren", "DU", FillTypes::Door, 2, 2, true, true, true},
        {6, "Draaikiep stolpdeuren", "DK", FillTypes::Door, 2, 3, true, true, true, O::Tilting},
        {7, "Hefschuifdeur", "SD", FillTypes::Door, 2, 4, true, true, true, O::Sliding, 1},
        {9, "Draairaam (Buitendraaiend)", "RA", FillTypes::Window, 1, 0},
        {10, "Draairaam (Binnendraaiend)", "RB", FillTypes::Window, 1, 1},
        {11, "Klepraam", "KL", FillTypes::Window, 1, 5},
        {12, "Valraam", "VA", FillTypes::Window, 1, 6},
        {13, "Draaikiepraam", "DV", FillTypes::Window, 1, 7},
        {14, "Stolpraam", "SU", FillTypes::Window, 2, 2, true, false, true, O::LeftRight},
        {15, "Stolpraam (Draaikiep)", "SV", FillTypes::Window, 2, 3, true, false, false, O::Tilting},
        {17, "Rabat paneel", "PRA", FillTypes::Panel, 1, -1},
        {18, "Trespa paneel", "PTR", FillTypes::Panel, 1, -1},
        {19, "Multiplex paneel", "PWB", FillTypes::Panel, 1, -1},
        {20, "Glas paneel", "PGL", FillTypes::Panel, 1, -1},
        {21, "Bossing paneel", "PBO", FillTypes::Panel, 1, -1},
        {22, "Vertikaal paneel", "PV", FillTypes::Panel, 1, -1},
        {-1, "Glasvak", "GL_BU", FillTypes::Glass, 1, 8},
        {-1, "Binnenbeglazing", "GL_BI", FillTypes::Glass, 1, 8},
    };
    return table;
}

const FillCodeInfo *FillCodes::find(const QString &code)
{
    for (const FillCodeInfo &info : all())
        if (info.code == code) return &info;
    return nullptr;
}

const FillCodeInfo *FillCodes::forButton(int button)
{
    if (button < 0) return nullptr;
    for (const FillCodeInfo &info : all())
        if (info.button == button) return &info;
    return nullptr;
}

FillCodes::ButtonRange FillCodes::buttonRange(const QString &fillType)
{
    ButtonRange range;
    for (const FillCodeInfo &info : all()) {
        if (info.fillType != fillType || info.button < 0) continue;
        if (range.first < 0 || info.button < range.first) range.first = info.button;
        range.back = std::max(range.back, info.button + 1);
    }
    return range;
}

int FillCodes::buttonCount()
{
    int count = 0;
    for (const QString &type : FillTypes::all()) count = std::max(count, buttonRange(type).back + 1);
    return count;
}

const QStringList &GrilleCodes::all()
{
    static const QStringList codes = {"", "1", "2", "3", "4L", "5L", "6L", "4R", "5R", "6R"};
    return codes;
}

bool GrilleCodes::isValid(const QString &code) { return all().contains(code); }
