// Every code of the shape-code table through every per-code table: the clear-size layout, the
// compartment construction and the frame geometry. A code missing from one of them fails by name.
#include "drawing/FrameGeometry.h"
#include "shape/ClearSizeLayout.h"
#include "shape/Compartments.h"
#include "shape/ShapeCodes.h"

#include <QSet>
#include <QTest>

namespace {
struct WidthInputs : ShapeWidthInputs {
    double widthInput(int) const override { return 400; }
};
}

class TestCodeTables : public QObject {
    Q_OBJECT
private slots:
    void everyCodeInEveryTable_data()
    {
        QTest::addColumn<QString>("code");
        for (const ShapeVariant &v : ShapeCodes::all()) QTest::newRow(qPrintable(v.code)) << v.code;
    }

    void everyCodeInEveryTable()
    {
        QFETCH(QString, code);
        const ClearSizeLayout::ShapeLayout *layout = ClearSizeLayout::find(code);
        QVERIFY2(layout, "no clear-size layout");
        QCOMPARE(layout->code, code);

        const int count = CompartmentCount(code);
        QVERIFY2(count > 0, "no construction");
        QVERIFY(count <= MaxShapeCompartments);

        const ShapeDrawing *drawing = FrameShapes::find(code);
        QVERIFY2(drawing, "no frame geometry row");
        QVERIFY2(drawing->geometry, "no frame geometry");

        // The geometry places exactly the compartments that the construction builds.
        FrameInputs f;
        f.W = 3000;
        f.H = 2400;
        f.T = 60;
        f.S = 70;
        f.D = 50;
        f.cw.fill(300);
        f.ch.fill(400);
        const WidthInputs inputs;
        f.inputs = &inputs;
        FrameGeometry g;
        drawing->geometry(f, g);
        QVERIFY(g.complete);
        QCOMPARE(g.positions.size(), qsizetype(count));
        QVERIFY(g.members.size() >= 4);
        QVERIFY(g.sill.isSet);
    }

    void familiesHoldOnlyShapeCodesOnce()
    {
        QSet<QString> seen;
        for (const QList<ShapeDrawing> *family : {&FrameShapes::rectangular(), &FrameShapes::others(),
                                                  &FrameShapes::stepped()}) {
            for (const ShapeDrawing &row : *family) {
                QVERIFY2(ShapeCodes::isShapeCode(row.code), qPrintable(row.code));
                QVERIFY2(!seen.contains(row.code), qPrintable(row.code));
                seen.insert(row.code);
            }
        }
        QCOMPARE(FrameShapes::table().size(), ShapeCodes::all().size());
        QCOMPARE(ClearSizeLayout::all().size(), ShapeCodes::all().size());
    }

    void looseCode()
    {
        QVERIFY(ShapeCodes::isLoose("K0"));
        QCOMPARE(ShapeCodes::basicCode(9), QString("K0"));
        for (const char *code : {"K", "k0", "K0 ", ""}) QVERIFY2(!ShapeCodes::isLoose(code), code);
    }
};

QTEST_GUILESS_MAIN(TestCodeTables)
#include "tst_codetables.moc"
