// The balloon's shape: where it opens, where its tail points, its shadow and body on its own image.
#include "mainwindow/BalloonShape.h"

#include <QtTest>

using namespace Balloon;

class TestBalloonShape : public QObject {
    Q_OBJECT
private slots:
    void placement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("corner");
        QTest::addColumn<QPoint>("topLeft");
        const QSize s(800, 600);
        // Window 359 x 200.
        QTest::newRow("upper left") << s << QPoint(100, 100) << 4 << QPoint(58, 100);
        QTest::newRow("upper right") << s << QPoint(700, 100) << 2 << QPoint(383, 100);
        QTest::newRow("lower right") << s << QPoint(700, 500) << 1 << QPoint(383, 300);
        QTest::newRow("lower left") << s << QPoint(100, 500) << 3 << QPoint(58, 300);
        QTest::newRow("exact centre") << s << QPoint(400, 300) << 4 << QPoint(358, 300);
        QTest::newRow("right of centre") << s << QPoint(401, 300) << 2 << QPoint(84, 300);
        QTest::newRow("below centre") << s << QPoint(400, 301) << 3 << QPoint(358, 101);
        // Odd sizes: the half line lies between two pixels and is not rounded.
        QTest::newRow("odd screen, left") << QSize(801, 601) << QPoint(400, 300) << 4 << QPoint(358, 300);
        QTest::newRow("odd screen, right") << QSize(801, 601) << QPoint(401, 301) << 1 << QPoint(84, 101);
        // Close to the left edge the window runs off the screen; nothing moves it back.
        QTest::newRow("left edge") << s << QPoint(10, 10) << 4 << QPoint(-32, 10);
    }
    void placement()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, point);
        QFETCH(int, corner);
        QFETCH(QPoint, topLeft);
        const Placement p = PlaceAtPointer(point, screen, QSize(359, 200));
        QCOMPARE(int(p.corner), corner);
        QCOMPARE(p.topLeft, topLeft);
    }

    void tailTipLandsNextToThePoint_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("tip");
        QTest::newRow("corner 4") << QPoint(100, 100) << QPoint(98, 100);
        QTest::newRow("corner 2") << QPoint(700, 100) << QPoint(704, 100);
        QTest::newRow("corner 1") << QPoint(700, 500) << QPoint(706, 491);
        QTest::newRow("corner 3") << QPoint(100, 500) << QPoint(99, 491);
    }
    void tailTipLandsNextToThePoint()
    {
        QFETCH(QPoint, point);
        QFETCH(QPoint, tip);
        const QSize window(359, 154);
        const Placement p = PlaceAtPointer(point, QSize(800, 600), window);
        const Tail t = tailFor(p.corner, window.width(), window.height());
        QCOMPARE(p.topLeft + t.tip, tip);
        QVERIFY(t.outer.contains(t.tip));
    }

    void pointer()
    {
        const QPoint mouse(321, 123);
        QCOMPARE(pointerPoint(0, 50, mouse), mouse);
        QCOMPARE(pointerPoint(50, 0, mouse), mouse);
        QCOMPARE(pointerPoint(10.5, 11.5, mouse), QPoint(10, 12));
        QCOMPARE(pointerPoint(10.4, 11.6, mouse), QPoint(10, 12));
    }

    void shadowWeights()
    {
        QList<int> weights;
        for (int i = 17; i >= 0; --i) weights << shadowWeight(i);
        QCOMPARE(weights, (QList<int>{20, 20, 40, 40, 60, 60, 80, 80, 100, 100, 120, 120, 140, 140, 160, 160, 180, 180}));
    }

    void blend_data()
    {
        QTest::addColumn<QRgb>("a");
        QTest::addColumn<QRgb>("b");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QRgb>("result");
        QTest::newRow("outer shadow") << qRgb(200, 100, 50) << qRgb(0, 0, 0) << 20 << 60 << qRgb(62, 31, 15);
        QTest::newRow("inner shadow") << qRgb(200, 100, 50) << qRgb(0, 0, 0) << 180 << 60 << qRgb(187, 93, 46);
        QTest::newRow("two colours") << qRgb(255, 0, 100) << qRgb(0, 255, 100) << 128 << 0 << qRgb(127, 127, 100);
        // Each factor is held to a byte: 256 - 0 and 180 + 100 give 255, 20 - 40 gives 0.
        QTest::newRow("b at its top") << qRgb(0, 0, 0) << qRgb(255, 255, 255) << 0 << 0 << qRgb(254, 254, 254);
        QTest::newRow("a at its top") << qRgb(255, 255, 255) << qRgb(0, 0, 0) << 180 << 100 << qRgb(254, 254, 254);
        QTest::newRow("a below zero") << qRgb(255, 255, 255) << qRgb(0, 0, 0) << 20 << -40 << qRgb(0, 0, 0);
    }
    void blend()
    {
        QFETCH(QRgb, a);
        QFETCH(QRgb, b);
        QFETCH(int, w);
        QFETCH(int, extra);
        QFETCH(QRgb, result);
        QCOMPARE(BlendColours(a, b, w, extra), result);
    }

    void roundRectEdgesAreExclusive()
    {
        const QRegion r = roundRectRegion(0, 20, 100, 80, 20, 20);
        QCOMPARE(r.boundingRect(), QRect(QPoint(0, 20), QPoint(99, 79)));
        QVERIFY(r.contains(QPoint(50, 20)) && r.contains(QPoint(50, 79)));
        QVERIFY(r.contains(QPoint(0, 50)) && r.contains(QPoint(99, 50)));
        QVERIFY(!r.contains(QPoint(50, 80)) && !r.contains(QPoint(100, 50)));
        // Corners cut off, symmetric.
        for (const QPoint corner : {QPoint(0, 20), QPoint(99, 20), QPoint(0, 79), QPoint(99, 79)}) QVERIFY(!r.contains(corner));
        for (int y = 20; y < 80; ++y) {
            const QRegion row = r & QRect(0, y, 100, 1);
            QCOMPARE(row.boundingRect().left(), 99 - row.boundingRect().right());
        }
    }

    void shadowFromThePixelsBeneath()
    {
        const int SW = 120, SH = 100;
        QImage surface(SW, SH, QImage::Format_RGB32);
        surface.fill(Qt::magenta);
        QImage beneath(SW, SH, QImage::Format_RGB32);
        for (int y = 0; y < SH; ++y)
            for (int x = 0; x < SW; ++x) beneath.setPixel(x, y, qRgb(2 * x, 2 * y, 100));
        const QRegion region = PaintShadow(surface, beneath, 60);
        QCOMPARE(region, roundRectRegion(11, 29, SW - 5, SH - 23, 45, 35));

        struct Probe { int x, y, step; };
        // Bottom line of step i at y = SH - 23 - i, right line at x = SW - 5 - i.
        for (const Probe p : {Probe{60, SH - 23 - 17, 17}, Probe{60, SH - 23, 0}, Probe{5, SH - 23, 0},
                              Probe{SW - 5 - 17, 50, 17}, Probe{SW - 5 - 9, 50, 9}, Probe{SW - 5, 23, 0}}) {
            const QRgb expected = BlendColours(beneath.pixel(p.x, p.y), qRgb(0, 0, 0), shadowWeight(p.step), 60);
            QCOMPARE(surface.pixel(p.x, p.y), expected);
        }
        // Outside the two bands nothing is drawn.
        for (const QPoint p : {QPoint(60, 50), QPoint(60, SH - 22), QPoint(SW - 4, 50), QPoint(4, SH - 23), QPoint(SW - 5, 22)})
            QCOMPARE(surface.pixel(p), QColor(Qt::magenta).rgb());

        // No pixels from the platform: the window background stands in.
        surface.fill(Qt::magenta);
        PaintShadow(surface, QImage(), 60);
        QCOMPARE(surface.pixel(60, SH - 23), qRgb(224 * 240 / 256, 224 * 240 / 256, 224 * 240 / 256));
    }

    void bodyWithItsRim()
    {
        const int SW = 120, SH = 100;
        QImage surface(SW, SH, QImage::Format_RGB32);
        surface.fill(Qt::magenta);
        const QColor box = DefaultColour;
        const QRegion body = PaintBody(surface, box);
        QCOMPARE(body, roundRectRegion(0, 20, SW - 14, SH - 32, 20, 20));
        const int middle = 40;
        QCOMPARE(surface.pixel(50, middle), box.rgb());
        QCOMPARE(surface.pixel(0, middle), qRgb(0, 0, 0));          // outline
        QCOMPARE(surface.pixel(SW - 16, middle), qRgb(0, 0, 0));    // outline, last column of the face
        QCOMPARE(surface.pixel(SW - 15, middle), qRgb(70, 70, 70)); // the rim: last column of the body
        QCOMPARE(surface.pixel(50, SH - 33), qRgb(70, 70, 70));     // and its last row
        QCOMPARE(surface.pixel(SW - 14, middle), QColor(Qt::magenta).rgb());
        QCOMPARE(surface.pixel(50, 19), QColor(Qt::magenta).rgb());
    }

    void tailPainted()
    {
        const int SW = 120, SH = 100;
        QImage surface(SW, SH, QImage::Format_RGB32);
        surface.fill(Qt::magenta);
        const QRegion tail = PaintTail(surface, UpperLeft, DefaultColour);
        QCOMPARE(tail, QRegion(tailFor(UpperLeft, SW, SH).outer, Qt::OddEvenFill));
        QCOMPARE(surface.pixel(40, 10), qRgb(0, 0, 0));              // the free edge
        QCOMPARE(surface.pixel(44, 15), DefaultColour.rgb());        // inside
        QCOMPARE(surface.pixel(55, 5), QColor(Qt::magenta).rgb());   // beside it
        QVERIFY(PaintTail(surface, NoCorner, DefaultColour).isEmpty());
    }

    void timer()
    {
        QCOMPARE(timerInterval(20), 20000);
        QCOMPARE(timerInterval(40), 40000); // beyond what 16 bits hold
        QCOMPARE(timerInterval(0), 0);
    }
};

QTEST_MAIN(TestBalloonShape)
#include "tst_balloonshape.moc"
