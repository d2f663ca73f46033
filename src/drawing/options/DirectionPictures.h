#pragma once
// The pictures of the direction buttons: the compartment's own fill code drawn as the drawing shows
// it, fixed or opening that way, on a small frame.
#include "drawing/CompartmentOptions.h"

#include <QPixmap>

namespace DirectionPictures {
constexpr int Size = 44; // pixels
QPixmap forChoice(const QString &fillCode, const QString &fillType, CompartmentOptions::DirectionChoice choice);
}
