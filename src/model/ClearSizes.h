#pragma once
// The check of one row of clear sizes ("dagmaten") against the room that the
// frame leaves for it, and the remembered clear sizes of the project.
#include "ProjectState.h"

#include <QList>
#include <QString>

struct ClearSizeRowCheck {
    bool valid = false;
    QList<int> values;        // completed when valid, else as given
    QString ClearSizeMessage; // the refusal; "" when valid and for a row without inputs
};

// Checks and completes one row. `values` are the row's visible inputs in index order, each 0 to
// 9999, 0 standing for a size not given. Valid rows come back adding up to exactly `maximum`:
// empty sizes share the rest (rounded down, the last takes the remainder); a row without empty
// sizes gets its last size recomputed. Refused: a sum above the maximum, or a maximum of 0 or
// less (the frame leaves no room). A row without inputs is refused without a message.
ClearSizeRowCheck CheckClearSizes(const QList<int> &values, int maximum);

// The same on a row in place: a refusal leaves the values as they were and gives its message in
// `refusal` ("" for a row without inputs), for the window to show.
bool checkClearSizeRow(QList<int> &values, int maximum, QString &refusal);

QString clearSizeSumMessage(int sum, int maximum);
QString clearSizeNoRoomMessage(int maximum);

// The project-wide clear-size arrays as one set, and back.
ClearSizeSet projectClearSizes(const ProjectState &state);
void setProjectClearSizes(ProjectState &state, const ClearSizeSet &sizes);
