#pragma once
// The records of one project: a mark (frame type), its compartments and their leaves or panes.
// Plain values: copying a list of them is a deep copy. An empty list stands for "not dimensioned";
// a built list always holds at least one element.
#include <QList>
#include <QString>
#include <QtGlobal>

using int16 = qint16;

struct CompartmentPartRecord {
    int16 PartX = 0;
    int16 PartY = 0;
    int16 PartWidth = 0;
    int16 PartHeight = 0;
    QString GrilleCode;
    int16 BarsHorizontal = 0;
    int16 BarsVertical = 0;

    bool operator==(const CompartmentPartRecord &) const = default;
};

struct CompartmentRecord {
    QString FillType;
    QString FillCode;
    bool OpensInward = false;
    int16 Direction = 0;
    int16 BreastWallHeight = 0;
    bool AppliedBars = false;
    int16 PosX = 0;
    int16 PosY = 0;
    int16 ClearWidth = 0;
    int16 ClearHeight = 0;
    QString ExtraText;
    bool ToughenedGlass = false;
    QString ScreenName;
    QList<CompartmentPartRecord> Parts;

    bool operator==(const CompartmentRecord &) const = default;
};

struct FrameRecord {
    bool IsComplete = false;
    QString Mark;
    QString Description;
    int16 CountDrawn = 0;
    int16 CountMirrored = 0;
    int16 Width = 0;
    int16 Height = 0;
    QString Sill;
    bool ResistanceClass2 = false;
    QString ShapeCode;
    int16 StepWidthLeft = 0;
    int16 StepWidthRight = 0;
    QString Colour;
    QString CavityBatten;
    QString TimberType;
    int16 FrameThickness = 0;
    int16 FrameWidth = 0;
    int16 MullionThickness = 0;
    int16 TransomThickness = 0;
    int16 UpperSectionHeight = 0;
    QString Remark;
    QList<CompartmentRecord> Compartments;

    bool operator==(const FrameRecord &) const = default;
};

// A size computed in int is only stored once it fits; callers refuse the value otherwise.
constexpr bool fitsInt16(long long v) { return v >= -32768 && v <= 32767; }
