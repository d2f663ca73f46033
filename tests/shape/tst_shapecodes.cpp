#include <QTest>

#include "shape/ShapeCodes.h"

#include <QSet>

class ShapeCodesTest : public QObject {
    Q_OBJECT
private slots:
    void tableIsWhole()
    {
        QCOMPARE(ShapeCodes::all().size(), 43);
        QSet<QString> codes;
        for (const ShapeVariant &v : ShapeCodes::all()) codes.insert(v.code);
        QCOMPARE(codes.size(), 43);
        int variants = 0;
        for (int k = 0; k < 10; ++k) {
            const int n = ShapeCodes::variantCount(k);
            variants += n;
            QVERIFY(n <= ShapeCodes::MaxVariants);
            if (n > 0) QCOMPARE(ShapeCodes::variantCode(k, 0), ShapeCodes::basicCode(k));
            QCOMPARE(ShapeCodes::basicShapeOf(ShapeCodes::basicCode(k)), k);
        }
        QCOMPARE(variants, 40); // plus the three shapes without variant buttons
    }

    void lookups()
    {
        QCOMPARE(ShapeCodes::variantCode(4, 7), QString("L;1;;;D2"));
        QCOMPARE(ShapeCodes::variantIcon(4, 7), QString("img/47.ico"));
        QCOMPARE(ShapeCodes::variantCode(8, 3), QString("K;;1;S;D1;D2;S1;D1"));
        QCOMPARE(ShapeCodes::variantCode(4, 9), QString());  // past the last variant
        QCOMPARE(ShapeCodes::variantCode(0, 0), QString());  // no variant buttons
        QCOMPARE(ShapeCodes::variantIcon(3, 0), QString());
        QCOMPARE(ShapeCodes::variantCode(10, 0), QString());
        QCOMPARE(ShapeCodes::variantCount(-1), 0);
        QCOMPARE(ShapeCodes::pictureFile(4, false), QString("Vormen/LMM.bmp"));
        QCOMPARE(ShapeCodes::pictureFile(4, true), QString("Vormen/LMM_S.bmp"));
        QCOMPARE(ShapeCodes::shapeBitmap("K;;1;S"), QString("IMG/K;;1;S.bmp"));
        QCOMPARE(ShapeCodes::basicShapes()[1].tooltip, ShapeCodes::basicShapes()[7].tooltip);
        QCOMPARE(ShapeCodes::basicShapes()[9].tooltip, QString("Losse ramen of deuren (zonder kozijn)"));
    }

    void codesAreComparedWhole_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("basicShape");
        QTest::newRow("L;7") << "L;7" << 4;
        QTest::newRow("L;1;;;D1") << "L;1;;;D1" << 4;
        QTest::newRow("K;;1;S;D1;D2;S2") << "K;;1;S;D1;D2;S2" << 8;
        QTest::newRow("K;;1;S") << "K;;1;S" << 1;
        QTest::newRow("K0") << "K0" << 9;
        QTest::newRow("lower case") << "k" << -1;
        QTest::newRow("blank") << " K" << -1;
        QTest::newRow("prefix") << "K;;1" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void codesAreComparedWhole()
    {
        QFETCH(QString, code);
        QFETCH(int, basicShape);
        QCOMPARE(ShapeCodes::basicShapeOf(code), basicShape);
        QCOMPARE(ShapeCodes::isShapeCode(code), basicShape >= 0);
        QCOMPARE(ShapeCodes::shapeBitmap(code).isEmpty(), basicShape < 0);
    }

    void familyWords()
    {
        QCOMPARE(ShapeCodes::familyWord("K;;2;S"), QString("rechthoekig"));
        QCOMPARE(ShapeCodes::familyWord("L;5"), QString("links melkmeisje"));
        QCOMPARE(ShapeCodes::familyWord("R;1;;;D2"), QString("rechts melkmeisje"));
        QCOMPARE(ShapeCodes::familyWord("M;7"), QString("melkmeisje"));
        QCOMPARE(ShapeCodes::familyWord(""), QString());
    }
};

QTEST_GUILESS_MAIN(ShapeCodesTest)
#include "tst_shapecodes.moc"
