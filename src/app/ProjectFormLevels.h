#pragma once
// The window base's form-level stack, counted in the project state of the moment (Project()). It
// installs itself while it lives: the program at its start, a test that opens the program's windows.
#include "forms/FormLevelStack.h"

class ProjectFormLevels final : public FormLevelStack {
public:
    ProjectFormLevels();
    ~ProjectFormLevels() override;
    ProjectFormLevels(const ProjectFormLevels &) = delete;
    ProjectFormLevels &operator=(const ProjectFormLevels &) = delete;

    int takeLevel() override;
    void releaseLevel() override;

private:
    FormLevelStack *previous_;
};
