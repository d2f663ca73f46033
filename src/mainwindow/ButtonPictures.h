#pragma once
// The pictures of the main screen's help-pointer and send buttons, painted rather than read from
// the catalogue: they belong to the program, not to the factory.
#include <QPixmap>

namespace ButtonPictures {
QPixmap send();  // an envelope with an arrow
QPixmap help();  // a pointer with a question mark
}
