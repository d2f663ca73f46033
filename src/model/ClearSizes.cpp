#include "ClearSizes.h"

namespace {
const QString Invalid = QStringLiteral("Ongeldige dagmaten opgegeven !\r\n\r\n");
}

QString clearSizeSumMessage(int sum, int maximum)
{
    return Invalid + QString("De totale opgegeven dagmaat (%1) is groter dan de maximale dagmaat (%2)").arg(sum).arg(maximum);
}

QString clearSizeNoRoomMessage(int maximum)
{
    return Invalid
           + QString("De maten van het kozijn laten geen ruimte over voor de dagmaten (maximale dagmaat %1)").arg(maximum);
}

ClearSizeRowCheck CheckClearSizes(const QList<int> &values, int maximum)
{
    ClearSizeRowCheck result;
    result.values = values;
    if (values.isEmpty()) return result;
    if (maximum <= 0) {
        result.ClearSizeMessage = clearSizeNoRoomMessage(maximum);
        return result;
    }
    // In int: five inputs of 9999 must still read as a sum above any maximum.
    int sum = 0;
    int zeros = 0;
    for (int v : values) {
        sum += v;
        if (v == 0) ++zeros;
    }
    if (sum > maximum) {
        result.ClearSizeMessage = clearSizeSumMessage(sum, maximum);
        return result;
    }
    QList<int> &out = result.values;
    if (sum < maximum && zeros == 0) {
        sum -= out.last();
        out.last() = 0;
        zeros = 1;
    }
    int rest = maximum - sum;
    for (int &v : out) {
        if (v != 0) continue;
        if (zeros <= 1) {
            v = rest;
        } else {
            v = rest / zeros; // rest and zeros are positive: this rounds down
            rest -= v;
            --zeros;
        }
    }
    result.valid = true;
    return result;
}

bool checkClearSizeRow(QList<int> &values, int maximum, QString &refusal)
{
    const ClearSizeRowCheck check = CheckClearSizes(values, maximum);
    if (!check.valid) {
        refusal = check.ClearSizeMessage;
        return false;
    }
    values = check.values;
    return true;
}

ClearSizeSet projectClearSizes(const ProjectState &state)
{
    return ClearSizeSet{state.ClearHeightsLeft, state.ClearWidths, state.ClearHeightsRight, state.ClearHeightsMiddle};
}

void setProjectClearSizes(ProjectState &state, const ClearSizeSet &sizes)
{
    state.ClearHeightsLeft = sizes.Left;
    state.ClearWidths = sizes.Widths;
    state.ClearHeightsRight = sizes.Right;
    state.ClearHeightsMiddle = sizes.Middle;
}
