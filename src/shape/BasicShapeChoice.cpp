#include "BasicShapeChoice.h"

#include "ShapeCodes.h"
#include "platform/Dialogs.h"

bool chooseBasicShape(ProjectState &s, FrameRecord &m, QString &currentBasicCode, int button)
{
    const QString code = ShapeCodes::basicCode(button);
    bool accepted = true;
    if (m.ShapeCode.isEmpty()) {
        currentBasicCode = code;
        m.ShapeCode = code;
    } else if (currentBasicCode != code) {
        accepted = MsgBox("Wilt u de vorm van het kozijn wijzigen ?", MsgStyle::Question | MsgStyle::YesNo, "Zandrel tofmaar")
                   == MsgAnswer::Yes;
        if (accepted) {
            currentBasicCode = code;
            m.ShapeCode = code;
            s.NewShapePending = true;
            s.ShapeChanged = true;
        }
    }
    // A declined change keeps the thickness of the mark's own shape.
    keepLooseWithoutFrame(m);
    return accepted;
}

void keepLooseWithoutFrame(FrameRecord &m)
{
    if (ShapeCodes::isLoose(m.ShapeCode)) m.FrameThickness = 0;
}
