#pragma once
// What counts as an e-mail address, for the user's own address field and for every address the
// mail puts into a header or an SMTP command.
#include <QString>

// One "@" with something on both sides, and no blanks, control characters, "<" or ">".
bool isPlainMailAddress(const QString &address);
