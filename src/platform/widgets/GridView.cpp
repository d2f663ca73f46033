#include "GridView.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {
// The highlighted row marks the current one; no focus frame around a single cell.
class NoFocusFrame : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
    }
};
}

GridView::GridView(QWidget *parent) : QTableView(parent)
{
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    horizontalHeader()->setFixedHeight(HeadingHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setStretchLastSection(false);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setItemDelegate(new NoFocusFrame(this));

    // The highlight stays when the grid loses the focus or its window is not the active one.
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, HighlightBack);
        p.setColor(group, QPalette::HighlightedText, HighlightText);
    }
    setPalette(p);

    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid()) emit rowClicked(index.row());
    });
}

void GridView::setModel(QAbstractItemModel *model)
{
    if (QAbstractItemModel *old = this->model()) disconnect(old, nullptr, this, nullptr);
    QTableView::setModel(model);
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &GridView::applyColumnWidths);
        connect(model, &QAbstractItemModel::headerDataChanged, this, &GridView::applyColumnWidths);
    }
    applyColumnWidths();
}

void GridView::applyColumnWidths()
{
    if (!model()) return;
    for (int c = 0; c < model()->columnCount(); ++c) {
        const QSize hint = model()->headerData(c, Qt::Horizontal, Qt::SizeHintRole).toSize();
        if (hint.width() > 0) setColumnWidth(c, hint.width());
    }
}

void GridView::goToRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount()) return;
    const QModelIndex index = model()->index(row, 0);
    setCurrentIndex(index);
    selectRow(row);
    scrollTo(index);
}

int GridView::neededWidth(int column) const
{
    if (!model()) return 0;
    int heading = 0;
    const QFontMetrics fm(horizontalHeader()->font());
    for (const QString &line : model()->headerData(column, Qt::Horizontal).toString().split(u'\n'))
        heading = std::max(heading, fm.horizontalAdvance(line));
    heading += 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    return std::max(heading, sizeHintForColumn(column));
}

int GridView::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }
