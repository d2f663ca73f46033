#pragma once
// What the shape window does with the project when it opens, lays out a code and accepts its clear
// sizes ("Vakvulling"), without widgets: the window reads its 17 inputs into a ClearSizeSet, calls
// these, shows the refusals they return and writes the set back into its inputs.
//
// Opening: settleShapeFlags, then the layout (applyShapeLayout and the widgets of ClearSizeLayout),
// then, when settleShapeFlags said so, the inputs from storedClearSizes. A variant button:
// chooseVariant, then the layout again. "Vakvulling": acceptClearSizes, then the drawing window.
#include "model/ProjectState.h"

// Opening the window: settles NewShapePending and ShapeChanged for this opening. True when the
// mark keeps its compartments and the window is to load storedClearSizes into its inputs.
bool settleShapeFlags(ProjectState &state);

// The clear sizes the window loads for a mark: its own, or the project-wide ones where it has none.
ClearSizeSet storedClearSizes(const ProjectState &state, const FrameRecord &mark);

// The layout's part in the project for the current mark's code: ClearSizeMax, and a new shape's
// UpperSectionHeight (0, or 1 for the codes with an upper section).
void applyShapeLayout(ProjectState &state);

// The room of one row at "Vakvulling": ClearSizeMax, and for row 0 of a few codes less what the
// right column takes (read from `inputs` as row 2's check left them).
int rowMaximum(const QString &code, int row, const std::array<int16, 4> &clearSizeMax, const ClearSizeSet &inputs);

// The shape window's inputs show 0 to 9999. A size beyond that (a frame over ten metres from a
// project file) would be shown brought within, and the next "Vakvulling" would build from the shown
// value: such a mark is not laid out. True when every input of the code's rows can show its size.
constexpr int ClearSizeInputMax = 9999;
bool inputsCanHold(const QString &code, const ClearSizeSet &sizes);
QString clearSizesBeyondInputsMessage();

// The sizes the inputs stand for. `shown` is what they show, `setByProgram` what the program last
// put into them: a size an input could only show brought within 0 to ClearSizeInputMax stays what it
// is unless the user changed it.
ClearSizeSet clearSizesOfInputs(const ClearSizeSet &setByProgram, const ClearSizeSet &shown);

// Checks and completes the shown rows in the order 3, 2, 1, 0. Stops at the first refused row,
// whose message it gives in `refusal`; rows checked before keep their completed values.
bool checkShapeRows(const ProjectState &state, ClearSizeSet &inputs, QString &refusal);

// "Vakvulling" up to the drawing window: the row checks, the construction and, only when both
// succeed, the commit into the current mark (compartments, its own clear sizes) and into the
// project-wide arrays. A refusal gives its message in `refusal` ("" for none to show; the window
// shows it: exclamation, "FOUTMELDING") and commits nothing; a row completed beyond what the
// inputs show leaves `inputs` as given. True: show the drawing.
bool acceptClearSizes(ProjectState &state, ClearSizeSet &inputs, QString &refusal);

// The basic shape whose variant buttons the window shows: that of the mark's own code, or the
// pressed shape button's for a mark without a code; -1 (no buttons) for a code outside the 43.
int variantBasicShape(const FrameRecord &mark, int pressedButton);

// Variant button i of basic shape k: stores its code in the current mark, setting NewShapePending
// when the code changes. False, with nothing changed, where there is no such variant.
bool chooseVariant(ProjectState &state, int k, int i);
