#pragma once
// What the benchmarks share: a large project and a scratch current folder.
#include "model/ProjectState.h"

#include <QDir>
#include <QTemporaryDir>

// 1000 marks of seven two-leaf compartments each.
inline ProjectState largeProject()
{
    ProjectState s;
    for (int i = 0; i < 1000; ++i) {
        FrameRecord m;
        m.Mark = QString::number(i + 1);
        m.Description = "Kozijn voorgevel begane grond";
        m.CountDrawn = 2;
        m.Width = 2400;
        m.Height = 2600;
        m.ShapeCode = "K;;2;S;D1;D2;D3;S2";
        m.TimberType = "Meranti";
        m.Colour = "RAL 9010";
        m.FrameThickness = 67;
        m.FrameWidth = 114;
        m.Remark = "Opmerking bij dit merk";
        for (int j = 0; j < 7; ++j) {
            CompartmentRecord c;
            c.FillType = "RAAM";
            c.FillCode = "SU";
            c.ClearWidth = 700;
            c.ClearHeight = 1200;
            c.ScreenName = "Rolhor";
            c.Parts = {CompartmentPartRecord{0, 0, 350, 1200, "4L", 1, 2}, CompartmentPartRecord{350, 0, 350, 1200, "", 0, 0}};
            m.Compartments << c;
        }
        s.FrameRecords << m;
    }
    s.MarkCount = 1000;
    return s;
}

// A temporary folder that is the current folder while the object lives.
struct Folder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    Folder() { QDir::setCurrent(dir.path()); }
    ~Folder() { QDir::setCurrent(previous); }
};
