// The redraw and the clearing of one compartment of the drawing window.
#include "TekenForm.h"

#include "platform/widgets/NumericField.h"

void TekenForm::ReDrawVak()
{
    const int i = selectedCompartment();
    if (i < 0) return;
    symbols_.ReDrawVak(*Project().currentMark(), i);
}

void TekenForm::ClearVak(int index)
{
    if (FrameRecord *mark = Project().currentMark()) symbols_.ClearVak(*mark, index);
}

bool TekenForm::hasCompartmentNumber() const { return !Num1->isEmpty(); }
int TekenForm::compartmentNumber() const { return Num1->value(); }
int TekenForm::compartmentNumberMinimum() const { return Num1->minimum(); }
int TekenForm::compartmentNumberMaximum() const { return Num1->maximum(); }
void TekenForm::setCompartmentNumber(int number) { Num1->setValue(number); }
