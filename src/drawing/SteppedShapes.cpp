// Frame geometry of the stepped codes: left (L), middle (M) and right (R).
#include "FrameGeometry.h"

const QList<ShapeDrawing> &FrameShapes::stepped()
{
    // Known with their codes; their geometry comes later.
    static const QList<ShapeDrawing> rows = {
        {"L;1", nullptr},
        {"L;2", nullptr},
        {"L;4", nullptr},
        {"L;5", nullptr},
        {"L;6", nullptr},
        {"L;1;;;D1", nullptr},
        {"L;1;;;D1;D2", nullptr},
        {"L;1;;;D2", nullptr},
        {"L;7", nullptr},
        {"M;1", nullptr},
        {"M;2", nullptr},
        {"M;4", nullptr},
        {"M;5", nullptr},
        {"M;6", nullptr},
        {"M;7", nullptr},
        {"R;1", nullptr},
        {"R;2", nullptr},
        {"R;4", nullptr},
        {"R;5", nullptr},
        {"R;6", nullptr},
        {"R;1;;;D1", nullptr},
        {"R;1;;;D1;D2", nullptr},
        {"R;1;;;D2", nullptr},
        {"R;7", nullptr},
    };
    return rows;
}
