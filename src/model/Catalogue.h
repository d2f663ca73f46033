#pragma once
// The factory's catalogue in the program folder, read as the windows need it. File names are found
// case-insensitively; a missing list file gives an empty list (or only the empty first entry).
#include <QStringList>

namespace Catalogue {

// The lines of BorstW.txt whose leading number is below `clearHeight` and not negative, unchanged
// and in order; no empty first entry.
QStringList breastWallEntries(int clearHeight);
// "" and then every line of HORREN.TXT.
QStringList screenEntries();

}
