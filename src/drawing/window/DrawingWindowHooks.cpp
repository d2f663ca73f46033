#include "DrawingWindowHooks.h"

#include "TekenForm.h"
#include "shape/window/SubVorm.h"

TekenForm *DrawingWindowHooks::openFrom(SubVorm *shapeWindow)
{
    if (!shapeWindow) return TekenForm::Show();
    return TekenForm::Show(shapeWindow, shapeWindow, shapeWindow->parentWidget());
}

void DrawingWindowHooks::install()
{
    SubVorm::setDrawingWindowOpener([](SubVorm *shapeWindow) { openFrom(shapeWindow); });
}
