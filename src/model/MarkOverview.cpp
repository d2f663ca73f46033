#include "MarkOverview.h"

QList<GridColumn> markGridColumns()
{
    constexpr Qt::Alignment text = Qt::AlignLeft | Qt::AlignVCenter;
    constexpr Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    return {
        {"Merk", "", 40, text},
        {"Omschrijving", "", 320, text},
        {"Breedte", "", 55, number},
        {"Hoogte", "", 55, number},
        {"Aantal", "getek.", 50, number},
        {"Aantal", "gesp.", 50, number},
    };
}

QList<QStringList> markGridRows(const ProjectState &state)
{
    QList<QStringList> rows;
    const int count = state.marksInUse();
    for (int j = 0; j < count; ++j) {
        const FrameRecord &m = state.FrameRecords[j];
        rows << QStringList{m.Mark, m.Description, QString::number(m.Width), QString::number(m.Height),
                            QString::number(m.CountDrawn), QString::number(m.CountMirrored)};
    }
    return rows;
}

int markGridSelectedRow(const ProjectState &state)
{
    const FrameRecord *current = state.currentMark();
    if (!current) return 0;
    int selected = 0;
    const int count = state.marksInUse();
    for (int j = 0; j < count; ++j)
        if (state.FrameRecords[j].Mark == current->Mark) selected = j;
    return selected;
}
