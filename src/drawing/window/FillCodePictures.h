#pragma once
// The small pictures of the fill-code buttons and of "Wissen", drawn at run time: a leaf or sash
// outline with its opening lines (dotted for an inward opening), or a panel's pattern.
#include <QPixmap>
#include <QString>

namespace FillCodePictures {
constexpr int Size = 32;
// The picture of fill-code button `button` (0..23); the three "Terug" buttons get a back arrow.
QPixmap forButton(int button);
// Whether the picture table has a row for the fill code.
bool hasPicture(const QString &code);
QPixmap erase();
}
