#pragma once
// The one project the program holds, with the counters, flags, factory defaults and remembered
// clear sizes that every window shares. The running program owns one; a test makes a fresh one.
#include "PersonalData.h"
#include "Records.h"

#include <algorithm>
#include <array>

struct ProjectState {
    QList<FrameRecord> FrameRecords;
    QList<FrameRecord> SavedFrameRecords; // the snapshot of the last load or save
    int16 MarkCount = 0;
    int16 CurrentMarkIndex = 0;
    bool ProjectDirty = false;
    bool NewShapePending = false;
    bool ShapeChanged = false;
    bool MarkOverviewOpen = false;
    bool MailLogOverviewOpen = false;

    std::array<int16, 4> ClearHeightsLeft{};
    std::array<int16, 5> ClearWidths{};
    std::array<int16, 6> ClearHeightsRight{};
    std::array<int16, 2> ClearHeightsMiddle{};
    std::array<int16, 4> ClearSizeMax{}; // 0 left, 1 widths, 2 right, 3 middle

    QString DefaultTimberType;
    int16 DefaultFrameThickness = 0;
    int16 DefaultFrameWidth = 0;
    int16 DefaultMullionThickness = 0;
    int16 DefaultTransomThickness = 0;
    QString FactoryWebSite;
    QString FactoryEMail;
    QString FactoryName;
    QString FactoryPhone;

    QString ProjectFileName;
    int16 FormLevel = 0;

    // The user's own and mail data, and the chosen mail method.
    // The main screen shows and edits them; saving, the export and the mail read them here.
    PersonalData Personal;
    MailMethodKind MailMethod = MailMethodKind::Standard;

    // MarkCount, bounded by what the list really holds.
    int marksInUse() const { return MarkCount <= 0 ? 0 : int(std::min<qsizetype>(MarkCount, FrameRecords.size())); }

    // The mark on screen; nullptr when there is none (no marks, or an index out of range).
    FrameRecord *currentMark();
    const FrameRecord *currentMark() const;
};

// The state of the running program. A test installs its own with ScopedProject.
ProjectState &Project();

class ScopedProject {
public:
    ScopedProject();
    ~ScopedProject();
    ScopedProject(const ScopedProject &) = delete;
    ScopedProject &operator=(const ScopedProject &) = delete;
    ProjectState &state() { return own; }
    ProjectState *operator->() { return &own; }

private:
    ProjectState own;
    ProjectState *previous;
};
