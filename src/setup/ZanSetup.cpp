#include "ZanSetup.h"

#include "FolderLock.h"
#include "SystemTools.h"
#include "Unpack.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

bool ValidateFolderName(const QString &text)
{
    bool refused = text.contains('/') || text.indexOf(':', 2) >= 0;
    for (const QChar c : QStringLiteral("*?\"<>|"))
        refused = refused || text.contains(c);
    if (refused) MsgBox(SetupText::FolderNameCharacters, MsgStyle::Exclamation, "Fout");
    if (!refused && holdsControlCharacter(text)) {
        MsgBox(SetupText::FolderNameControlCharacters, MsgStyle::Exclamation, "Fout");
        refused = true;
    }
    return !refused;
}

bool validateStartMenuName(const QString &text)
{
    if (!ValidateFolderName(text)) return false;
    for (const QString &folder : text.split('\\')) {
        if (folder.trimmed().isEmpty() || folder == "." || folder == "..") {
            MsgBox(SetupText::StartMenuSegments, MsgStyle::Exclamation, "Fout");
            return false;
        }
    }
    return true;
}

QString withHomeFolder(const QString &path)
{
    const QString folder = path.trimmed();
    if (folder == "~" || folder.startsWith("~/")) return QDir::homePath() + folder.mid(1);
    return folder;
}

namespace {
// Whether the folder holds a file other than what setup itself leaves there (its lock file, and the
// temporary files of a setup that was killed): such files are no reason to ask.
bool holdsUserFiles(const QString &folder)
{
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    return std::any_of(files.begin(), files.end(),
                       [](const QString &name) { return name != Installed::LockFile && !isSetupTemporary(name); });
}
}

bool ValidateTargetFolder(const QString &path, const std::function<bool(const QString &)> &beforeCreating)
{
    const QString folder = path.trimmed();
    const bool wellFormed = folder.startsWith('/') && !IsRootFolder(folder);
    bool accepted = wellFormed;
    if (accepted) {
        for (const QString &name : folder.split('/', Qt::SkipEmptyParts)) {
            if (!ValidateFolderName(name)) {
                accepted = false;
                break;
            }
        }
    }
    if (accepted && isHomeFolder(folder)) {
        MsgBox(SetupText::HomeFolderRefused(QDir::cleanPath(QDir::homePath())), MsgStyle::Exclamation, "Fout");
        accepted = false;
    }
    // Refused here rather than part-way through the unpacking. What is in the way of making the
    // folder (a file of that name) is left to CreateFolderPath, which names the reason.
    if (accepted) {
        const QString existing = nearestExistingFolder(folder);
        if (QFileInfo(existing).isDir() && !isFolderWritable(existing)) {
            MsgBox(SetupText::FolderNotWritable(existing), MsgStyle::Exclamation, "Fout");
            accepted = false;
        }
    }
    accepted = accepted && (!beforeCreating || beforeCreating(folder));
    accepted = accepted && CreateFolderPath(folder, false, false);
    if (accepted && holdsUserFiles(folder))
        accepted = MsgBox(SetupText::FolderNotEmpty, MsgStyle::Exclamation | MsgStyle::YesNo, "Setup") != MsgAnswer::No;
    if (!wellFormed) MsgBox(SetupText::FolderFormat, MsgStyle::Exclamation, "Fout");
    return accepted;
}
