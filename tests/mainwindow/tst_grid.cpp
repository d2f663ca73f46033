#include "TestSupport.h"

#include "model/GridModel.h"
#include "platform/widgets/GridView.h"

#include <QHeaderView>
#include <QSignalSpy>

namespace {
QList<GridColumn> twoColumns()
{
    return {{"Naam", "", 120, Qt::AlignLeft | Qt::AlignVCenter}, {"Aantal", "getek.", 60, Qt::AlignRight | Qt::AlignVCenter}};
}

QList<QStringList> threeRows() { return {{"A", "1"}, {"B", "22"}, {"C"}}; }

QColor pixelAt(QWidget *w, QPoint p) { return w->grab().toImage().pixelColor(p); }

// Three rows in a shown view.
struct ShownGrid {
    GridModel m{twoColumns()};
    GridView v;
    ShownGrid()
    {
        m.setRows(threeRows());
        v.setModel(&m);
        v.resize(300, 200);
        v.show();
    }
};
}

class GridTest : public QObject {
    Q_OBJECT
private slots:
    void modelGivesTextsHeadingsAlignmentAndRowColours()
    {
        GridModel m(twoColumns());
        m.setRows(threeRows());
        QCOMPARE(m.rowCount(), 3);
        QCOMPARE(m.columnCount(), 2);
        QCOMPARE(m.data(m.index(1, 1)).toString(), QString("22"));
        QCOMPARE(m.data(m.index(2, 1)).toString(), QString()); // a short row shows the rest empty
        QCOMPARE(m.data(m.index(0, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(m.data(m.index(0, 0), Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
        for (int r : {0, 2}) QCOMPARE(m.data(m.index(r, 1), Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 200, 255));
        QVERIFY(!m.data(m.index(1, 0), Qt::BackgroundRole).isValid());
        QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QString("Naam\n"));
        QCOMPARE(m.headerData(1, Qt::Horizontal).toString(), QString("Aantal\ngetek."));
        QCOMPARE(m.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
        QVERIFY(!m.data(m.index(3, 0)).isValid());
        m.clearRows();
        QCOMPARE(m.rowCount(), 0);
    }

    void viewShowsTheGridAsSetUp()
    {
        ShownGrid g;
        GridModel &m = g.m;
        GridView &v = g.v;
        QVERIFY(QTest::qWaitForWindowExposed(&v));

        QCOMPARE(v.columnWidth(0), 120);
        QCOMPARE(v.columnWidth(1), 60);
        QCOMPARE(v.horizontalHeader()->height(), 44);
        QCOMPARE(v.rowHeight(1), 22);
        QVERIFY(v.verticalHeader()->isHidden());

        v.goToRow(1);
        QCOMPARE(v.currentRow(), 1);
        QCOMPARE(v.selectionModel()->selectedRows().size(), 1);
        QVERIFY(v.selectionModel()->isRowSelected(1, {}));
        v.goToRow(3); // out of range: nothing moves
        QCOMPARE(v.currentRow(), 1);

        // The colours as painted: an even row light blue, the highlighted row yellow, an odd row white.
        QWidget *cells = v.viewport();
        QCOMPARE(pixelAt(cells, {110, v.rowViewportPosition(0) + 3}), QColor(0, 200, 255));
        QCOMPARE(pixelAt(cells, {110, v.rowViewportPosition(1) + 3}), QColor(255, 255, 0));
        QCOMPARE(pixelAt(cells, {110, v.rowViewportPosition(2) + 3}), QColor(0, 200, 255));
        v.goToRow(0);
        QCOMPARE(pixelAt(cells, {110, v.rowViewportPosition(1) + 3}), v.palette().color(QPalette::Base));
        saveShot(&v, "grid");

        m.setRows({{"X", "1"}}); // widths survive a refill
        QCOMPARE(v.columnWidth(0), 120);
        QCOMPARE(v.currentRow(), -1);
    }

    void aClickOnADataRowIsOnePick()
    {
        ShownGrid g;
        GridView &v = g.v;
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QSignalSpy picks(&v, &GridView::rowClicked);

        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, QPoint(30, v.rowViewportPosition(2) + 10));
        QCOMPARE(picks.size(), 1);
        QCOMPARE(picks[0][0].toInt(), 2);
        QCOMPARE(v.currentRow(), 2);

        QTest::mouseClick(v.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(30, 20)); // the heading row
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, QPoint(250, 10)); // right of the last column
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, QPoint(30, 150)); // below the last row
        QCOMPARE(picks.size(), 1);
    }
};

QTEST_MAIN(GridTest)
#include "tst_grid.moc"
