#pragma once
// The records of one project: a mark (frame type), its compartments and their leaves or panes.
// Plain values: copying a list of them is a deep copy. An empty list stands for "not dimensioned";
// a built list always holds at least one element.
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <span>

using int16 = qint16;

// The 17 clear-size inputs of the shape window: row 0 left heights, 1 widths, 2 right heights,
// 3 middle heights. Kept per mark and project-wide.
struct ClearSizeSet {
    std::array<int16, 4> Left{};
    std::array<int16, 5> Widths{};
    std::array<int16, 6> Right{};
    std::array<int16, 2> Middle{};

    static constexpr int RowCount = 4;
    std::span<int16> row(int r)
    {
        switch (r) {
        case 0: return Left;
        case 1: return Widths;
        case 2: return Right;
        case 3: return Middle;
        }
        return {};
    }
    std::span<const int16> row(int r) const { return const_cast<ClearSizeSet *>(this)->row(r); }

    bool operator==(const ClearSizeSet &) const = default;
};

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
    // The shape code the compartments were built for. Not in the project file: a mark read from one
    // takes its ShapeCode, as the file's compartments were built for it.
    QString CompartmentsCode;
    // The clear sizes of this mark's last accepted "Vakvulling" (or of its block in the project
    // file); none for a mark that never had any.
    std::optional<ClearSizeSet> ClearSizes;

    bool operator==(const FrameRecord &) const = default;
};

// A size computed in int is only stored once it fits; callers refuse the value otherwise.
constexpr bool fitsInt16(long long v) { return v >= -32768 && v <= 32767; }
