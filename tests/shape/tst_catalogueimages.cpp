// The catalogue's shape pictures and variant icons: one picture per code, of the size of the
// shape window's picture, with every clear-size input of the code on a dimension line.
#include "TestSupport.h"
#include "platform/TextFile.h"
#include "shape/ClearSizeLayout.h"
#include "shape/ShapeCodes.h"

#include <QImage>
#include <QTest>

class TestCatalogueImages : public QObject {
    Q_OBJECT
private slots:
    void pictureOfEveryCode();
    void iconOfEveryVariant();
    void steppedButtonsHangFromTheTop();
};

void TestCatalogueImages::pictureOfEveryCode()
{
    TestFolder folder;
    const QColor dimension(40, 80, 160);
    for (const ClearSizeLayout::ShapeLayout &s : ClearSizeLayout::all()) {
        const QString path = findFile(ShapeCodes::shapeBitmap(s.code));
        QVERIFY2(!path.isEmpty(), qPrintable(s.code));
        const QImage image(path);
        QCOMPARE(image.size(), QSize(450, 325));
        for (int r = 0; r < ClearSizeLayout::RowCount; ++r)
            for (int i = 0; i < s.shown(r); ++i) {
                const QPoint centre = s.inputPosition(r, i) + QPoint(17, 12);
                QVERIFY2(image.pixelColor(centre) == dimension, qPrintable(QString("%1 row %2 input %3").arg(s.code).arg(r).arg(i)));
            }
    }
}

void TestCatalogueImages::iconOfEveryVariant()
{
    TestFolder folder;
    int icons = 0;
    for (int k = 0; k < ShapeCodes::BasicShapeCount; ++k)
        for (int i = 0; i < ShapeCodes::variantCount(k); ++i) {
            const QString path = findFile(ShapeCodes::variantIcon(k, i));
            QVERIFY2(!path.isEmpty(), qPrintable(ShapeCodes::variantIcon(k, i)));
            QVERIFY(!QImage(path).isNull());
            ++icons;
        }
    QCOMPARE(icons, 40);
}

// The main screen's stepped pictures as the frames are drawn: one top member across, the raised
// parts ending above an open corner, the full-height part down to the bottom.
void TestCatalogueImages::steppedButtonsHangFromTheTop()
{
    TestFolder folder;
    struct Case {
        int k;
        QList<int> raised, full; // columns of pixels through each part
    };
    for (const Case &c : {Case{4, {8}, {30}}, Case{5, {6, 38}, {22}}, Case{6, {36}, {14}}}) {
        for (bool selected : {false, true}) {
            const QImage image(findFile(ShapeCodes::pictureFile(c.k, selected)));
            QVERIFY(!image.isNull());
            const QColor background = image.pixelColor(0, 0);
            const QString what = ShapeCodes::pictureFile(c.k, selected);
            for (int x : c.raised + c.full) QVERIFY2(image.pixelColor(x, 5) != background, qPrintable(what));
            for (int x : c.raised) QVERIFY2(image.pixelColor(x, 37) == background, qPrintable(what));
            for (int x : c.full) QVERIFY2(image.pixelColor(x, 37) != background, qPrintable(what));
        }
    }
}

QTEST_GUILESS_MAIN(TestCatalogueImages)
#include "tst_catalogueimages.moc"
