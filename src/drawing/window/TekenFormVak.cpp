// The redraw and the clearing of one compartment of the drawing window.
#include "TekenForm.h"

void TekenForm::ReDrawVak()
{
    const int i = selectedVak();
    if (i < 0) return;
    symbols_.ReDrawVak(*Project().currentMark(), i);
}

void TekenForm::ClearVak(int index)
{
    if (FrameRecord *mark = Project().currentMark()) symbols_.ClearVak(*mark, index);
}
