#pragma once
// Shortcuts are desktop entries: the link file is the entry, its
// name without ".desktop" is the entry's name.
#include <QString>

class cShellLink {
public:
    // -1 when the entry was written, 0 when not (nothing is reported). No entry without a link file or
    // program. The show command has no counterpart: an entry always starts its program shown.
    int CreateShellLink(const QString &LnkFile, const QString &ExeFile, const QString &WorkDir, const QString &ExeArgs,
                        const QString &IconFile, int IconIdx, const QString &ToolTipText, int ShowCmd);
    // Reads an entry back; -1 read, 0 not read.
    int GetShellLinkInfo(const QString &LnkFile, QString &ExeFile, QString &WorkDir, QString &ExeArgs,
                         QString &IconFile, int &IconIdx, int &ShowCmd);
};

// The Exec value for a program and its arguments: every argument quoted and escaped so that a
// launcher gives the program exactly these strings.
QString desktopExec(const QStringList &arguments);
// The arguments a launcher takes from an Exec value (after the value's own escapes are undone).
QStringList desktopExecArguments(const QString &exec);
