#pragma once
// Our grid control: a table view over a table model (GridModel), set up as the overview windows want
// it. Rows 22 pixels high, a 44-pixel heading row (two lines), no row headings, column widths from the
// model's heading size hints, one whole row current and highlighted (yellow, red text), no editing.
#include <QTableView>

class GridView : public QTableView {
    Q_OBJECT
public:
    static constexpr int RowHeight = 22;
    static constexpr int HeadingHeight = 44;
    static inline const QColor HighlightBack{255, 255, 0};
    static inline const QColor HighlightText{255, 0, 0};

    explicit GridView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    // Makes the row current and highlighted; a row out of range changes nothing.
    void goToRow(int row);
    // -1 when no row is current.
    int currentRow() const;
    // The width in pixels that shows every text of the column and its heading lines whole.
    int neededWidth(int column) const;

signals:
    // A click on a data row (never the heading row), once per click.
    void rowClicked(int row);

private:
    void applyColumnWidths();
};
