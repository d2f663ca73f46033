#pragma once
// The uninstaller: removes the installation of the folder it was started from, with that folder's
// own file list, and the menu entries and the uninstall entry only where they belong to it.
#include <QString>
#include <QStringList>
#include <functional>

namespace UninstText {
inline const QString Title = QStringLiteral("Zandrel Tofmaar verwijderen");
inline QString Confirm(const QString &folder)
{
    return "Weet u zeker dat u Zandrel Tofmaar in " + folder + " en alle bijbehorende componenten wilt verwijderen ?";
}
inline QString Done(const QString &folder)
{
    return "Zandrel Tofmaar 2.0 in " + folder + " is met succes van deze computer verwijderd.";
}
inline QString NotDone(const QString &folder)
{
    return "Zandrel Tofmaar 2.0 in " + folder + " is niet volledig van deze computer verwijderd. Dit is blijven staan:";
}
inline const QString NotProgramFolder = QStringLiteral(" (geen programmamap van Zandrel Tofmaar)");
// After the first paths of a long result.
inline QString AndOthers(qsizetype count) { return "en " + QString::number(count) + " andere"; }
inline const QString RunAgain =
    QStringLiteral("Het verwijderprogramma blijft staan. Start het opnieuw zodra dit verwijderd kan worden.");
// So many paths a result names before it counts the rest: the box stays within a small screen.
inline constexpr int ShownPaths = 10;
}

// Deletes the files a path or wildcard pattern names ("folder/*.TXT"; folder and file names match
// without regard to case), or with a path of a folder that folder when it is empty. With `confirm` it
// first asks "Weet u zeker dat u <path> wilt verwijderen ?". True when something matched and all of
// it went; paths that could not be deleted are added to `failed`. There is no recycle bin: `useShell`
// deletes in the same way.
bool DeleteFiles(const QString &path, bool useShell, bool confirm, QStringList *failed = nullptr);

// Whether a folder, given by its full path, holds an installation: the program or setup's list in it.
bool holdsInstallation(const QString &folder);

namespace Uninst {
// Hears how many of the listed names have been dealt with: first with none, before any is removed,
// last with all of them.
using Progress = std::function<void(qsizetype done, qsizetype total)>;
// The uninstaller's start, for the installation in `folder` (the folder uninst lies in): asks,
// removes, and tells what happened. While anything of the installation's files remains, uninst,
// its list, its menu entry and the uninstall entry stay, so that a second run can finish. It holds
// the folder's lock (FolderLock.h) while it removes; a folder another setup or uninst holds is left alone.
void Main(const QString &folder, const Progress &progress = {});
}
