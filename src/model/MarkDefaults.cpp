#include "MarkDefaults.h"

MarkDefaults markDefaults(const Catalogue::FactoryDefaults &d)
{
    MarkDefaults out;
    if (d.holds(2)) out.timberType = d.timberType;
    if (d.holds(3)) {
        // One line for the three thicknesses.
        out.frameThickness = int16(d.frameThickness);
        out.mullionThickness = int16(d.frameThickness);
        out.transomThickness = int16(d.frameThickness);
    }
    if (d.holds(4)) out.frameWidth = int16(d.frameWidth);
    if (d.holds(5)) out.resistanceClass2 = d.resistanceClass2;
    return out;
}

FrameRecord newMark(const ProjectState &s, const QString &label)
{
    FrameRecord m;
    m.Mark = label;
    m.CountDrawn = 1;
    m.TimberType = s.DefaultTimberType;
    m.FrameThickness = s.DefaultFrameThickness;
    m.FrameWidth = s.DefaultFrameWidth;
    m.MullionThickness = s.DefaultMullionThickness;
    m.TransomThickness = s.DefaultTransomThickness;
    return m;
}
