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
inline const QString ProgramLink = QStringLiteral("Zandrel tofmaar.desktop");
inline const QString UninstallerLink = QStringLiteral("Verwijder Zandrel tofmaar.desktop");

// The shared runtime: its registration decides the installation.
inline const QString SharedRuntime = QStringLiteral("libztshare.so");
inline const QStringList VersionedComponents = {SharedRuntime};
}
