#include "ProjectCommands.h"

#include "Checks.h"
#include "MarkList.h"
#include "OpenDialog.h"
#include "ProjectFile.h"
#include "platform/Dialogs.h"

#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>

bool SaveProject(ProjectState &state, bool saveAs)
{
    if (state.MarkCount <= 0 || state.FrameRecords.isEmpty()) {
        MsgBox("Er zijn geen kozijntekeningen om op te slaan !", MsgStyle::Exclamation, ErrorTitle);
        return false;
    }
    // Refused before anything is asked or written: a file the reader would refuse is no save.
    if (const QString problem = projectSaveProblem(state); !problem.isEmpty()) {
        MsgBox("De tekeningen zijn niet opgeslagen !\r\n\r\n" + problem, MsgStyle::Critical, ErrorTitle);
        return false;
    }
    if (saveAs) {
        FileDialogRequest request;
        request.filter = QStringList{"Zandrel Tofmaar bestand (*.tof)", "*.tof"};
        request.initialDir = QDir::currentPath();
        request.defaultSuffix = "tof";
        // A name typed without an extension would be hidden by the open dialog's filter.
        state.ProjectFileName = withDefaultSuffix(dialogs().saveFile(request), request.defaultSuffix);
        if (state.ProjectFileName.isEmpty()) return false;
    } else {
        state.ProjectFileName = dateStampedName(".TOF");
    }
    const QString fullPath = QFileInfo(state.ProjectFileName).absoluteFilePath();
    QString error;
    if (!writeBytes(state.ProjectFileName, projectFileBytes(state), &error)) {
        MsgBox("De tekeningen zijn niet opgeslagen !\r\n\r\n" + fullPath + "\r\n\r\n" + error, MsgStyle::Critical,
               ErrorTitle);
        return false;
    }
    MsgBox("De tekeningen zijn opgeslagen !\r\n\r\n" + fullPath, MsgStyle::Information, "Info");
    state.SavedFrameRecords = state.FrameRecords.mid(0, state.MarkCount);
    state.ProjectDirty = false;
    return true;
}

bool LoadProject(ProjectState &state)
{
    ProjectFileRead read = readProjectFile(state.ProjectFileName);
    if (!read.contents) {
        MsgBox(read.problem, MsgStyle::Critical, ErrorTitle);
        return false;
    }
    takeProjectFile(state, std::move(*read.contents));
    return true;
}

bool askToSaveChanges(ProjectState &s)
{
    if (s.marksInUse() == 0) return true;
    if (!s.ProjectDirty) s.ProjectDirty = ProjectChanged(s);
    if (!s.ProjectDirty) return true;
    const int answer = MsgBox("Wilt u de wijzigingen opslaan ?", MsgStyle::YesNoCancel + MsgStyle::Question, "Zandrel tofmaar");
    if (answer == MsgAnswer::Cancel) return false;
    if (answer == MsgAnswer::Yes) return SaveProject(s, false);
    return true;
}

bool openProject(ProjectState &s, QWidget *owner)
{
    if (!askToSaveChanges(s)) return false;
    QString initDir = QDir::currentPath();
    QString filter = projectOpenFilter();
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

namespace {
int show(const MarkListMessage &m) { return MsgBox(m.text, m.style, m.title); }
}

bool askToMakeMark(ProjectState &s, const QString &label)
{
    return MarkList(s).answerNew(show(newMarkQuestion(label)) == MsgAnswer::Yes, label);
}

bool askToDeleteMark(ProjectState &s, const QString &label)
{
    if (show(deleteMarkQuestion(label)) != MsgAnswer::Yes) return false;
    MarkList(s).deleteCurrent();
    return true;
}

QString nextMarkLabel(ProjectState &s, const QString &label)
{
    const QString next = MarkList(s).nextFreeName(label);
    if (next.isEmpty()) show(noNextMarkMessage());
    return next;
}
