#pragma once
// The factory's catalogue in the program folder, read as the windows need it: the check that the
// required files are there, Basis.TXT's defaults and factory data, and the lists offered for timber
// type, colour, cavity batten, sill, breast-wall height and insect screen. File names are found
// case-insensitively; a missing list file gives an empty list (or only the empty first entry).
#include "ProjectState.h"

#include <QStringList>
#include <optional>

namespace Catalogue {

// The message for the first required folder or file that is missing (the folders ICO and Vormen
// must hold a file); nullopt when everything is there.
std::optional<QString> missingRequiredFile();

// Kozhout.TXT: every line.
QStringList timberTypes();

// Basis.TXT, line by line: web site, e-mail address, timber type, frame timber thickness (also
// the mullion and transom thickness), frame timber width, resistance class 2 (1 = yes), factory
// name, telephone. A short file sets only the lines it holds.
struct FactoryDefaults {
    int lineCount = 0; // of the eight lines, how many the file held
    QString webSite;
    QString eMail;
    QString timberType; // the file's when `timberTypes` lists it, else the first listed ("" for none)
    int frameThickness = 0; // a size that is no number or does not fit 0 to 9999 reads as 0
    int frameWidth = 0;
    bool resistanceClass2 = false;
    QString factoryName;
    QString factoryPhone;

    bool holds(int line) const { return line < lineCount; }
};
FactoryDefaults factoryDefaults(const QStringList &timberTypes);
// The project's defaults and factory data from the lines the file held.
void applyFactoryDefaults(ProjectState &state, const FactoryDefaults &defaults);

// Kleur.txt: every line, an empty one as an empty entry.
QStringList colourEntries();
// "" and then every line of Spouwlat.txt.
QStringList battenEntries();
// "" and then every line of EmOD.TXT that holds more than blanks, as it stands.
QStringList sillEntries();
// The lines of BorstW.txt whose leading number is below `clearHeight` and not negative, unchanged
// and in order; no empty first entry.
QStringList breastWallEntries(int clearHeight);
// "" and then every line of HORREN.TXT.
QStringList screenEntries();

}
