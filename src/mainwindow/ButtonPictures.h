#pragma once
// The pictures of the picture buttons without captions: 36 x 36, transparent around the drawing.
#include <QIcon>
#include <QPixmap>

QPixmap sendPicture();     // an envelope with an arrow: send the drawings
QPixmap helpPicture();     // a pointer with a question mark
QPixmap mailLogPicture();  // a list of sent letters: the mail log
QPixmap closePicture();    // a cross

// An icon of one of the pictures above, drawn when it is first shown rather than when the button is
// made: the help picture's question mark would load a bold face before the window is on the screen.
QIcon pictureShownLater(QPixmap (*draw)());
