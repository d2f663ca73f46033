#pragma once
// The pictures of the picture buttons without captions: 36 x 36, transparent around the drawing.
#include <QPixmap>

QPixmap sendPicture();     // an envelope with an arrow: send the drawings
QPixmap helpPicture();     // a pointer with a question mark
QPixmap mailLogPicture();  // a list of sent letters: the mail log
QPixmap closePicture();    // a cross
