#pragma once
#include <QString>
#include <optional>

// A text read as a whole number the way the program's files hold them: surrounding blanks ignored,
// a decimal fraction rounded to the nearest, halves to even. nullopt for no number or beyond 16 bits.
std::optional<int> wholeNumber(const QString &text);

// The number a text starts with, as a catalogue line is compared with a size: blanks and tabs
// anywhere are passed over, the digits (with a sign and a fraction) up to the first other character
// count, and a text that starts with none reads as 0 ("600 mm" is 600, "1 000" is 1000, "geen" is 0).
double leadingNumber(const QString &text);
