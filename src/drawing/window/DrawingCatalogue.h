#pragma once
// The catalogue lists of the drawing window, read from the program folder: the entries in the
// order they are listed, with the empty first entry where the list has one. A missing file gives
// an empty list (colours) or only the empty entry.
#include <QStringList>

namespace DrawingCatalogue {
// Kleur.txt: every line, an empty one as an empty entry; the first is selected after loading.
QStringList colourEntries();
// "" and then every line of Spouwlat.txt; the empty entry is selected.
QStringList battenEntries();
// "" and then every line of EmOD.TXT that holds more than blanks, as it stands; the empty entry is selected.
QStringList sillEntries();
}
