// Every code of the shape-code table through every per-code table: the clear-size layout, the
// compartment construction, the frame geometry and the drawing file's code and compartment order.
// Every code of the fill-code table through the options window's groups, the fill symbols, the
// button pictures and the drawing file's opening field. A code missing from one of them fails by
// name.
#include "MarkBuilder.h"
#include "drawing/CompartmentOptions.h"
#include "drawing/DrawingExport.h"
#include "drawing/FillSymbols.h"
#include "drawing/Fillings.h"
#include "drawing/FrameGeometry.h"
#include "drawing/HardwareMarks.h"
#include "drawing/OpeningLines.h"
#include "drawing/window/FillCodePictures.h"
#include "model/Vocabularies.h"
#include "shape/ClearSizeLayout.h"
#include "shape/Compartments.h"
#include "shape/ShapeCodes.h"

#include <QSet>
#include <algorithm>
#include <numeric>
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
        for (int r = 0; r < ClearSizeLayout::RowCount; ++r) {
            QVERIFY2(!layout->maxima[r].refused, qPrintable(QString("the maximum of row %1 is no formula").arg(r)));
            // A row with inputs has room from W or H; a row without has none.
            QCOMPARE(layout->maxima[r].base != 0, layout->shown(r) > 0);
        }

        const int count = compartmentCount(code);
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

        // The drawing file: the factory's code is a shape code of the same basic shape with as many
        // compartments, and the export order lists every compartment once.
        const ShapeVariant *variant = ShapeCodes::find(code);
        QVERIFY(variant);
        FrameRecord mark = MarkBuilder().shape(code).compartments(count);
        const QString factoryCode = ExportShapeCode(mark);
        QVERIFY2(ShapeCodes::isShapeCode(factoryCode), qPrintable(factoryCode));
        QCOMPARE(compartmentCount(factoryCode), count);
        QCOMPARE(ShapeCodes::basicShapeOf(factoryCode), ShapeCodes::basicShapeOf(code));
        const QList<int> order = SetExportOrder(mark);
        if (!variant->exportOrder.isEmpty()) QCOMPARE(order, variant->exportOrder);
        QList<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        QList<int> each(count);
        std::iota(each.begin(), each.end(), 0);
        QCOMPARE(sorted, each);
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

    void everyFillCodeInEveryTable_data()
    {
        QTest::addColumn<QString>("code");
        for (const FillCodeInfo &info : FillCodes::all()) QTest::newRow(qPrintable(info.code)) << info.code;
    }

    void everyFillCodeInEveryTable()
    {
        QFETCH(QString, code);
        const FillCodeInfo *info = FillCodes::find(code);
        QVERIFY(info);
        QVERIFY(FillTypes::all().contains(info->fillType));
        QVERIFY(info->parts == 1 || info->parts == 2);
        QVERIFY2(!info->twoLeaves || info->parts == 2, "two leaves in one part");
        QVERIFY2(!info->barsInBothLeaves || info->twoLeaves, "bars in both leaves without two leaves");
        QVERIFY2(!info->grilleSide || info->parts == 2, "a grille side to choose in one part");
        const bool opens = info->fillType == FillTypes::Door || info->fillType == FillTypes::Window;

        // The options window: a door or window shows its direction buttons, glazing the glazing list,
        // a panel nothing; a start direction is one of the group's buttons.
        QCOMPARE(CompartmentOptions::groupOf(code), info->group);
        if (opens) {
            QVERIFY2(info->group >= 0 && info->group < CompartmentOptions::GroupCount, "no direction group");
            const CompartmentOptions::DirectionGroup &group = CompartmentOptions::directionGroup(info->group);
            bool offered = info->startDirection == 0;
            for (const CompartmentOptions::DirectionChoice &choice : group.choices)
                offered = offered || choice.direction == info->startDirection;
            QVERIFY2(offered, "start direction without a button");
        } else {
            QCOMPARE(info->group, info->fillType == FillTypes::Glass ? CompartmentOptions::GlazingGroup : -1);
            QCOMPARE(info->startDirection, 0);
        }

        // The drawing: a filling for every code, shaped as the code's parts; opening lines and marks
        // only for what opens, a label only for what does not; hinges on a rail only when hung there.
        const FillSymbol *symbol = FillSymbols::find(code);
        QVERIFY2(symbol, "no fill symbol");
        QVERIFY2(symbol->filling, "no filling");
        QCOMPARE(symbol->filling == Fillings::twoLeaves, info->twoLeaves);
        QCOMPARE(symbol->filling == Fillings::twoPanes, info->parts == 2 && !info->twoLeaves);
        QCOMPARE(symbol->lines != nullptr, opens);
        if (!opens) QVERIFY(!symbol->marks);
        QCOMPARE(!symbol->label.isEmpty(), !opens);
        QCOMPARE(symbol->hinges == HingeEdge::Top, symbol->lines == OpeningLines::topHung);
        QCOMPARE(symbol->hinges == HingeEdge::Bottom, symbol->lines == OpeningLines::bottomHung);

        // The drawing window: a button with a picture for every code but glazing, among its type's
        // buttons, before the type's "Terug".
        const FillCodes::ButtonRange range = FillCodes::buttonRange(info->fillType);
        if (info->fillType == FillTypes::Glass) {
            QCOMPARE(info->button, -1);
            QCOMPARE(range.first, -1);
        } else {
            QCOMPARE(FillCodes::forButton(info->button), info);
            QVERIFY2(FillCodePictures::hasPicture(code), "no button picture");
            QVERIFY(info->button >= range.first && info->button < range.back);
        }
        // A panel is labelled with its name.
        if (info->fillType == FillTypes::Panel) QCOMPARE(symbol->label, info->tooltip);

        // The drawing file: fixed is "0" for every code; an opened one has a field of its own.
        CompartmentRecord c;
        c.FillCode = code;
        QCOMPARE(exportOpening(c), QString("0"));
        c.Direction = 1;
        const QString opened = exportOpening(c);
        QVERIFY(!opened.isEmpty() && opened != "0");
    }

    void fillSymbolsHoldOnlyFillCodesOnce()
    {
        QSet<QString> seen;
        for (const FillSymbol &row : FillSymbols::all()) {
            QVERIFY2(FillCodes::find(row.code), qPrintable(row.code));
            QVERIFY2(!seen.contains(row.code), qPrintable(row.code));
            seen.insert(row.code);
        }
        QCOMPARE(FillSymbols::all().size(), FillCodes::all().size());
        QVERIFY(!FillCodePictures::hasPicture(QString()));
    }

    // The buttons of the door, window and panel boxes follow each other without a gap: each type's
    // codes, then its "Terug", which is no code.
    void fillCodeButtonsByType()
    {
        int next = 0;
        for (const QString &type : {FillTypes::Door, FillTypes::Window, FillTypes::Panel}) {
            const FillCodes::ButtonRange range = FillCodes::buttonRange(type);
            QCOMPARE(range.first, next);
            QVERIFY2(range.back > range.first, qPrintable(type));
            for (int b = range.first; b < range.back; ++b) {
                const FillCodeInfo *info = FillCodes::forButton(b);
                QVERIFY2(info && info->fillType == type, qPrintable(QString("button %1").arg(b)));
            }
            QVERIFY2(!FillCodes::forButton(range.back), qPrintable(QString("button %1").arg(range.back)));
            next = range.back + 1;
        }
        QCOMPARE(FillCodes::buttonCount(), next);
        QCOMPARE(FillCodes::buttonCount(), 24);
        QCOMPARE(FillCodes::buttonRange(FillTypes::Glass).back, -1);
        QCOMPARE(FillCodes::buttonRange(QString()).first, -1);
    }

    // Clearing a compartment erases every place a hinge mark can have.
    void hingePlaces()
    {
        namespace P = HardwareMarks::HingePlaces;
        const QList<double> all = P::all();
        QCOMPARE(all, (QList<double>{10, 15, 17, 20, 50, 80, 85, 90}));
        for (const double p : P::Short) QVERIFY(all.contains(p));
        for (const double p : P::Door) QVERIFY(all.contains(p));
        for (const double p : P::Medium) QVERIFY(all.contains(p));
        for (const double p : P::Long) QVERIFY(all.contains(p));
        QVERIFY(all.contains(P::TallDoor));
        QVERIFY(all.contains(P::PairDoor));
    }

    // Each basic shape's variant buttons are its variant rows, numbered from 0 without a gap; its
    // main-screen code is one of its own.
    void variantsPerBasicShape()
    {
        QCOMPARE(ShapeCodes::basicShapes().size(), ShapeCodes::BasicShapeCount);
        int withButtons = 0;
        for (const BasicShape &shape : ShapeCodes::basicShapes()) {
            QCOMPARE(ShapeCodes::basicShapeOf(shape.basicCode), shape.k);
            const int n = ShapeCodes::variantCount(shape.k);
            QVERIFY(n <= ShapeCodes::MaxVariants);
            QSet<int> buttons;
            for (const ShapeVariant &v : ShapeCodes::all())
                if (v.k == shape.k && v.i >= 0) buttons.insert(v.i);
            QCOMPARE(buttons.size(), n);
            for (int i = 0; i < n; ++i) {
                QVERIFY2(buttons.contains(i), qPrintable(QString("shape %1 button %2").arg(shape.k).arg(i)));
                QCOMPARE(ShapeCodes::basicShapeOf(ShapeCodes::variantCode(shape.k, i)), shape.k);
            }
            if (n > 0) QCOMPARE(ShapeCodes::variantCode(shape.k, 0), shape.basicCode);
            withButtons += n;
        }
        QCOMPARE(withButtons, 40); // all but "K", "K;;3;S" and "K0"
        QCOMPARE(ShapeCodes::variantCount(ShapeCodes::BasicShapeCount), 0);
        QCOMPARE(ShapeCodes::variantCount(-1), 0);
    }

    // A clear-size formula is read whole; a term it does not know refuses it.
    void maxFormulas_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("read"); // base frames mullions transoms
        QTest::newRow("none") << "" << false << "0 0 0 0";
        QTest::newRow("W-2F-Mu") << "W-2F-Mu" << false << "W 2 1 0";
        QTest::newRow("H-2F-2Tr") << "H-2F-2Tr" << false << "H 2 0 2";
        QTest::newRow("W-6F") << "W-6F" << false << "W 6 0 0";
        QTest::newRow("W alone") << "W" << false << "W 0 0 0";
        QTest::newRow("mistyped member") << "W-2F-Mx" << true << "";
        QTest::newRow("member in lower case") << "H-2f" << true << "";
        QTest::newRow("unknown base") << "B-2F" << true << "";
        QTest::newRow("no dash") << "W2F" << true << "";
        QTest::newRow("empty term") << "W--F" << true << "";
        QTest::newRow("trailing dash") << "W-2F-" << true << "";
        QTest::newRow("two digits") << "W-12F" << true << "";
        QTest::newRow("blank") << "W-2F -Mu" << true << "";
    }

    void maxFormulas()
    {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QFETCH(QString, read);
        const ClearSizeLayout::MaxFormula f = ClearSizeLayout::parseMaxFormula(text);
        QCOMPARE(f.refused, refused);
        FrameRecord mark = MarkBuilder().size(3000, 2000).frameThickness(60);
        if (refused) {
            QCOMPARE(f.value(mark), 0);
            return;
        }
        QCOMPARE(QString("%1 %2 %3 %4").arg(f.base ? QString(QChar(f.base)) : "0").arg(f.frames).arg(f.mullions).arg(f.transoms),
                 read);
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
