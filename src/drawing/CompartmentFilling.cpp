#include "CompartmentFilling.h"

namespace CompartmentFilling {

void clear(CompartmentRecord &c)
{
    c.FillType.clear();
    c.FillCode.clear();
    c.ExtraText.clear();
    c.ScreenName.clear();
    c.OpensInward = false;
    c.Direction = 0;
    c.BreastWallHeight = 0;
    c.AppliedBars = false;
    // A re-filled compartment cannot show or change it in the options window: a stale flag would
    // draw a door without sash widths and send it as toughened glass.
    c.ToughenedGlass = false;
}

void setFillType(CompartmentRecord &c, const QString &fillType)
{
    clear(c);
    c.FillType = fillType;
    if (fillType == FillTypes::Glass) {
        c.FillCode = FillCodes::OutsideGlazing;
        makeParts(c, 1);
    }
}

bool changesFillType(const CompartmentRecord &c, const FillCodeInfo &code) { return c.FillType != code.fillType; }

void setFillCode(CompartmentRecord &c, const FillCodeInfo &code)
{
    if (changesFillType(c, code)) {
        clear(c);
        c.FillType = code.fillType;
    }
    c.FillCode = code.code;
    makeParts(c, code.parts);
    if (code.startDirection != 0) c.Direction = int16(code.startDirection);
}

void makeParts(CompartmentRecord &c, int count) { c.Parts = QList<CompartmentPartRecord>(count); }

}
