#pragma once
#include <QString>

// The title of the program's error messages.
inline const QString ErrorTitle = QStringLiteral("FOUTMELDING");
