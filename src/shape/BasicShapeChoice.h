#pragma once
// What a shape button of the main screen does to the current mark before the shape window opens.
#include "model/ProjectState.h"

// A mark without a shape takes the button's basic code. Another basic shape than
// `currentBasicCode` is asked for ("Wilt u de vorm van het kozijn wijzigen ?"); Yes replaces the
// code and marks a new shape pending and the shape changed. `currentBasicCode` follows the mark's
// code. A loose window or door gets frame thickness 0. False when the change was declined: the
// mark keeps its shape.
bool chooseBasicShape(ProjectState &state, FrameRecord &mark, QString &currentBasicCode, int button);

// A loose window or door has no frame: its frame thickness is 0 whatever the main screen shows.
void keepLooseWithoutFrame(FrameRecord &mark);
