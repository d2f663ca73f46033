#pragma once
// The strip of twelve 16 x 16 pictures the message window draws from: the message icons and the
// three faces of the balloon's close button. Pure green is the transparent colour.
#include <QColor>
#include <QImage>

namespace IconStrip {

constexpr int CellSize = 16;
constexpr int Cells = 12;
constexpr QRgb Transparent = 0xFF00FF00; // pure green

// Cells 1 to 12 from the left: stop, warning, information, question, persons, keys, magnifier,
// disc with magnifier, close (normal, highlighted, pressed), white square.
const QImage &stripImage();

// Copies the source rectangle to (x, y) of the destination, leaving the destination where the source
// shows the transparent colour.
void MaskedCopy(QImage &destination, const QImage &source, const QRect &sourceRect, QPoint at, QRgb transparent);

// The picture of one cell (1 to 12) on the back colour: what an image button shows.
QImage cellPicture(int cell, int size, const QColor &back);

} // namespace IconStrip
