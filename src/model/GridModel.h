#pragma once
// The data of a grid window: its columns (two-line heading, width, alignment) and rows of cell texts.
// The view (GridView) shows it; even rows (0, 2, 4, ...) are painted light blue. No widgets here, so a
// window's grid content is tested without a window.
#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QStringList>

struct GridColumn {
    QString heading;  // first heading line
    QString heading2; // second heading line, often empty
    int width = 0;    // pixels
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static inline const QColor EvenRowColour{0, 200, 255};

    explicit GridModel(QList<GridColumn> columns, QObject *parent = nullptr);

    const QList<GridColumn> &columns() const { return columns_; }
    // Replaces every row; a row with fewer texts than columns shows the rest empty.
    void setRows(QList<QStringList> rows);
    void clearRows() { setRows({}); }
    // Makes the column at least `width` pixels wide (never narrower), for texts wider than it was made for.
    void widenColumn(int column, int width);
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    // Display: the cell text; TextAlignment: the column's; Background: light blue on even rows.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Horizontal: the two heading lines joined by a line feed, left aligned; SizeHint gives the column
    // width, which the view applies.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<GridColumn> columns_;
    QList<QStringList> rows_;
};
