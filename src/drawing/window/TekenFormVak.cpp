// The redraw and the clearing of one compartment of the drawing window.
#include "TekenForm.h"

#include "platform/widgets/NumericField.h"

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

bool TekenForm::hasVakNumber() const { return !Num1->isEmpty(); }
int TekenForm::vakNumber() const { return Num1->value(); }
int TekenForm::vakNumberMinimum() const { return Num1->minimum(); }
int TekenForm::vakNumberMaximum() const { return Num1->maximum(); }
void TekenForm::setVakNumber(int number) { Num1->setValue(number); }
