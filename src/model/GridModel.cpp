#include "GridModel.h"

#include <QBrush>
#include <QSize>

GridModel::GridModel(QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), columns_(std::move(columns))
{
}

void GridModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void GridModel::widenColumn(int column, int width)
{
    if (column < 0 || column >= columns_.size() || width <= columns_[column].width) return;
    columns_[column].width = width;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString GridModel::cellText(int row, int column) const
{
    if (row < 0 || row >= rows_.size() || column < 0) return QString();
    return rows_[row].value(column);
}

int GridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int GridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(columns_.size()); }

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= columns_.size()) return {};
    switch (role) {
    case Qt::DisplayRole: return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole: return int(columns_[index.column()].alignment);
    case Qt::BackgroundRole:
        if (index.row() % 2 == 0) return QBrush(EvenRowColour);
        return {};
    default: return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size()) return {};
    const GridColumn &c = columns_[section];
    switch (role) {
    case Qt::DisplayRole: return QString(c.heading + u'\n' + c.heading2);
    case Qt::TextAlignmentRole: return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::SizeHintRole: return QSize(c.width, 0);
    default: return {};
    }
}
