#pragma once
// The uninstaller: removes what setup installed, found through the uninstall entry.
#include <QString>
#include <QStringList>

namespace UninstText {
inline const QString Title = QStringLiteral("Zandrel Tofmaar verwijderen");
inline const QString Confirm = QStringLiteral(
    "Weet u zeker dat u Zandrel Tofmaar en alle bijbehorende componenten wilt verwijderen ?");
inline const QString Done = QStringLiteral("Zandrel Tofmaar 2.0 is met succes van deze computer verwijderd.");
inline const QString NotDone = QStringLiteral(
    "Zandrel Tofmaar 2.0 is niet volledig van deze computer verwijderd. Dit is blijven staan:");
inline const QString NotProgramFolder = QStringLiteral(" (geen programmamap van Zandrel Tofmaar)");
}

// Deletes the files a path or wildcard pattern names ("folder/*.TXT"; folder and file names match
// without regard to case), or with a path of a folder that folder when it is empty. With `confirm` it
// first asks "Weet u zeker dat u <path> wilt verwijderen ?". True when something matched and all of
// it went; paths that could not be deleted are added to `failed`. There is no recycle bin: `useShell`
// deletes in the same way.
bool DeleteFiles(const QString &path, bool useShell, bool confirm, QStringList *failed = nullptr);

namespace Uninst {
// The uninstaller's start: asks, removes, and tells what happened.
void Main();
}
