#include "ProjectCommands.h"

#include "Checks.h"
#include "OpenDialog.h"
#include "ProjectFile.h"
#include "platform/Dialogs.h"

#include <QDir>

bool AskToSaveChanges(ProjectState &s)
{
    if (s.marksInUse() == 0) return true;
    if (!s.ProjectDirty) s.ProjectDirty = ProjectChanged(s);
    if (!s.ProjectDirty) return true;
    const int answer = MsgBox("Wilt u de wijzigingen opslaan ?", MsgStyle::YesNoCancel + MsgStyle::Question, "Zandrel tofmaar");
    if (answer == MsgAnswer::Cancel) return false;
    if (answer == MsgAnswer::Yes) return SaveProject(s, false);
    return true;
}

bool OpenProject(ProjectState &s, QWidget *owner)
{
    if (!AskToSaveChanges(s)) return false;
    QString initDir = QDir::currentPath();
    QString filter = ProjectOpenFilter();
    const QString chosen = ShowOpenDialog(owner, initDir, filter, QString(), 0);
    if (chosen.isEmpty()) return false;
    const QString previous = s.ProjectFileName;
    s.ProjectFileName = chosen;
    if (!LoadProject(s)) {
        s.ProjectFileName = previous;
        return false;
    }
    s.ProjectDirty = false;
    return true;
}
