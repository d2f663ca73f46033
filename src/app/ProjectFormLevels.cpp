#include "ProjectFormLevels.h"

#include "model/FormLevels.h"

ProjectFormLevels::ProjectFormLevels() : previous_(setFormLevelStack(this)) {}

ProjectFormLevels::~ProjectFormLevels() { setFormLevelStack(previous_); }

int ProjectFormLevels::takeLevel() { return RegisterFormLevel(Project()); }

void ProjectFormLevels::releaseLevel() { ReleaseFormLevel(Project()); }
