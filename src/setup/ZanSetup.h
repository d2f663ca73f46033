#pragma once
// The checks of the wizard's target folder and Start-menu folder pages; each shows its own messages.
#include <QString>
#include <functional>

namespace SetupText {
inline const QString FolderFormat = QStringLiteral(
    "U moet een volledig pad vanaf de hoofdmap opgeven bijv.: \r\n/home/gebruiker/APP\r\n\r\n"
    "De hoofdmap / zelf kan niet gekozen worden.");
inline const QString FolderNameCharacters = QStringLiteral(
    "Mapnamen mogen geen van de volgende tekens bevatten:\r\n\r\n/ : * ? \" < > |");
// A control character could not be written as one line of setup's lists.
inline const QString FolderNameControlCharacters = QStringLiteral(
    "Mapnamen mogen geen stuurtekens bevatten, zoals een regeleinde of een tab.");
inline const QString StartMenuSegments = QStringLiteral(
    "De naam van de menu Start map mag niet leeg zijn en geen map . of .. bevatten.");
// The home folder holds the user's own files: a program folder there could never be removed whole.
inline QString HomeFolderRefused(const QString &home)
{
    return "De persoonlijke map zelf kan niet gekozen worden:\r\n      " + home + "\r\n\r\nKies een map daarin, bijv.:\r\n      "
         + home + "/Zandrel Tofmaar";
}
// `folder` is the target itself, or the nearest folder above a target not made yet.
inline QString FolderNotWritable(const QString &folder)
{
    return "U heeft geen toestemming om te schrijven in de map:\r\n      " + folder + "\r\n\r\nKies een andere map.";
}
inline const QString FolderNotEmpty = QStringLiteral(
    "De opgegeven map is niet leeg !\r\n\r\nWilt u deze map toch gebruiken ?");
}

// The path as typed, trimmed, with a leading "~" (alone or before "/") read as the home folder.
QString withHomeFolder(const QString &path);
// Accepts an absolute path below the root whose folder names pass ValidateFolderName, that is not
// the home folder itself and where this user may write, and creates the folder; a folder that holds
// files is accepted only when the user says so. `beforeCreating`, where given, is asked with the
// trimmed path once the folder passed those checks and before anything is made; false refuses it.
bool ValidateTargetFolder(const QString &path, const std::function<bool(const QString &)> &beforeCreating = {});
// False when the text holds "/", ":" from the third character on, one of * ? " < > |, or a control
// character (below 0x20, or 0x7F).
bool ValidateFolderName(const QString &text);
// A Start-menu name: ValidateFolderName, and no empty, "." or ".." folder between its "\" separators.
bool validateStartMenuName(const QString &text);
