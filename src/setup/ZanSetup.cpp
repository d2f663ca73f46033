#include "ZanSetup.h"

#include "SystemTools.h"
#include "platform/Dialogs.h"

#include <QDir>

bool ValidateFolderName(const QString &text)
{
    bool refused = text.contains('/') || text.indexOf(':', 2) >= 0;
    for (const QChar c : QStringLiteral("*?\"<>|"))
        refused = refused || text.contains(c);
    if (refused) MsgBox(SetupText::FolderNameCharacters, MsgStyle::Exclamation, "Fout");
    return !refused;
}

bool ValidateStartMenuName(const QString &text)
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

bool ValidateTargetFolder(const QString &path)
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
    accepted = accepted && CreateFolderPath(folder, false, false);
    if (accepted && !QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty())
        accepted = MsgBox(SetupText::FolderNotEmpty, MsgStyle::Exclamation | MsgStyle::YesNo, "Setup") != MsgAnswer::No;
    if (!wellFormed) MsgBox(SetupText::FolderFormat, MsgStyle::Exclamation, "Fout");
    return accepted;
}
