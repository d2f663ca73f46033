#pragma once
// What the installer writes and the uninstaller reads: the uninstall entry and the installed layout.
#include <QString>
#include <QStringList>

namespace Installed {
inline const QString ProductName = QStringLiteral("Zandrel Tofmaar");
inline const QString DisplayName = QStringLiteral("Zandrel Tofmaar 2.0");
inline const QString UninstallKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZanTof");

inline const QString Archive = QStringLiteral("ZanTof.zip");
inline const QString Program = QStringLiteral("ZanTof");
inline const QString Uninstaller = QStringLiteral("uninst");
// The files setup unpacked, one relative path a line; uninst removes exactly these.
inline const QString FileList = QStringLiteral("uninst.lst");
// The folders above the program folder that setup made for it, one full path a line: uninst removes
// them where they are empty once the program folder has gone. Itself on setup's list.
inline const QString MadeFolders = QStringLiteral("uninst.dir");
// The files the installation package holds, relative to the program folder, as the build made it:
// what uninst may remove of an installation whose own list is gone.
QStringList packageFiles();
// The installation's icon, beside its programs: what the menu entries show.
inline const QString ProgramIcon = QStringLiteral("ICO/ZanTof.ico");
// Where the menu entries sit in a desktop's menu of categories: both together.
inline const QString MenuCategories = QStringLiteral("Graphics;");
inline const QString ProgramLink = QStringLiteral("Zandrel tofmaar.desktop");
inline const QString UninstallerLink = QStringLiteral("Verwijder Zandrel tofmaar.desktop");

// The shared runtime: its registration decides the installation.
inline const QString SharedRuntime = QStringLiteral("libztshare.so");
inline const QStringList VersionedComponents = {SharedRuntime};
}
