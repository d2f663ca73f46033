#pragma once
// The checks of the wizard's target folder and Start-menu folder pages; each shows its own messages.
#include <QString>

namespace SetupText {
inline const QString FolderFormat = QStringLiteral(
    "U moet een volledig pad vanaf de hoofdmap opgeven bijv.: \r\n/home/gebruiker/APP\r\n\r\n"
    "De hoofdmap / zelf kan niet gekozen worden.");
inline const QString FolderNameCharacters = QStringLiteral(
    "Mapnamen mogen geen van de volgende tekens bevatten:\r\n\r\n/ : * ? \" < > |");
inline const QString StartMenuSegments = QStringLiteral(
    "De naam van de menu Start map mag niet leeg zijn en geen map . of .. bevatten.");
inline const QString FolderNotEmpty = QStringLiteral(
    "De opgegeven map is niet leeg !\r\n\r\nWilt u deze map toch gebruiken ?");
}

// Accepts an absolute path below the root whose folder names pass ValidateFolderName, and creates
// the folder; a folder that holds files is accepted only when the user says so.
bool ValidateTargetFolder(const QString &path);
// False when the text holds "/", ":" from the third character on, or one of * ? " < > |.
bool ValidateFolderName(const QString &text);
// A Start-menu name: ValidateFolderName, and no empty, "." or ".." folder between its "\" separators.
bool ValidateStartMenuName(const QString &text);
