#include "ProjectState.h"

namespace {
ProjectState programState;
ProjectState *active = &programState;
}

ProjectState &Project() { return *active; }

FrameRecord *ProjectState::currentMark()
{
    if (CurrentMarkIndex < 0 || CurrentMarkIndex >= FrameRecords.size()) return nullptr;
    return &FrameRecords[CurrentMarkIndex];
}

const FrameRecord *ProjectState::currentMark() const
{
    return const_cast<ProjectState *>(this)->currentMark();
}

ScopedProject::ScopedProject() : previous(active) { active = &own; }
ScopedProject::~ScopedProject() { active = previous; }
