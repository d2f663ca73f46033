// The redraw and the clearing of one compartment of the drawing window.
#include "TekenForm.h"

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
    c.FillType.clear();
    c.FillCode.clear();
    c.ExtraText.clear();
    c.ScreenName.clear();
    c.OpensInward = false;
    c.Direction = 0;
    c.BreastWallHeight = 0;
    c.AppliedBars = false;
    tools_.ClearBoxMm(c.PosX, c.PosY, c.PosX + c.ClearWidth, c.PosY + c.ClearHeight);
}

// The filling symbols and the hinge marks are not drawn yet: a filled compartment shows its
// opening empty, and there are no marks to erase.
void TekenForm::DrawVakSymbols(int) {}
void TekenForm::EraseVakMarks(int) {}
