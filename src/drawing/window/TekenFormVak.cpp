// The redraw and the clearing of one compartment of the drawing window.
#include "TekenForm.h"

#include "drawing/CompartmentFilling.h"

void TekenForm::ReDrawVak()
{
    const int i = selectedVak();
    if (i < 0) return;
    const CompartmentRecord &c = Project().currentMark()->Compartments[i];
    tools_.ClearBoxMm(c.PosX, c.PosY, c.PosX + c.ClearWidth, c.PosY + c.ClearHeight);
    DrawVakSymbols(i);
}

void TekenForm::ClearVak(int index)
{
    FrameRecord *mark = Project().currentMark();
    if (!mark || index < 0 || index >= mark->Compartments.size()) return;
    EraseVakMarks(index);
    canvas_.state().ForeColor = Qt::black;

    CompartmentRecord &c = mark->Compartments[index];
    CompartmentFilling::clear(c);
    tools_.ClearBoxMm(c.PosX, c.PosY, c.PosX + c.ClearWidth, c.PosY + c.ClearHeight);
}

// The filling symbols and the hinge marks are not drawn yet: a filled compartment shows its
// opening empty, and there are no marks to erase.
void TekenForm::DrawVakSymbols(int) {}
void TekenForm::EraseVakMarks(int) {}
