#pragma once
#include <QString>
#include <optional>

// The label proposed after `label`: "" gives "A", "9" gives "10", "Z" gives "AA"; otherwise the last
// character steps to the next character code, "9" and "Z" carrying to the left as "0" and "A"
// ("19" -> "20", "AZ" -> "BA"). A label whose carry runs off its left end ("99", "ZZ", "9Z"), or a
// character that has no next one, gets the message "Kan geen opvolgend merk aanmaken !" and "".
QString NextMarkName(const QString &label);

// A text read as a whole number the way the program's files hold them: surrounding blanks ignored,
// a decimal fraction rounded to the nearest, halves to even. nullopt for no number or beyond 16 bits.
std::optional<int> WholeNumber(const QString &text);
