// Frames and primitives on the real picture: the frame fills the canvas and is centred, nothing
// is smoothed, and drawing again in the background colour erases. The pictures are saved as PNGs
// (into $ZANTOF_SHOTS, else a temporary folder) so that people can look at them.
#include "DrawingFixtures.h"
#include "drawing/DrawFrame.h"
#include "platform/ImageCanvas.h"

#include <QDir>
#include <QPainter>
#include <QTest>

namespace {
constexpr int CanvasW = 8490; // the drawing window's canvas, in twips
constexpr int CanvasH = 6240;

QString shotsFolder()
{
    QString folder = qEnvironmentVariable("ZANTOF_SHOTS");
    if (folder.isEmpty()) folder = QDir::temp().filePath("zantof-shots");
    QDir().mkpath(folder);
    return folder;
}

void saveImage(const QImage &image, const QString &name)
{
    QVERIFY(image.save(shotsFolder() + "/" + name + ".png"));
}

// The smallest rectangle holding every pixel that is not the background.
QRect drawnArea(const QImage &image, QRgb background)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) area |= QRect(x, y, 1, 1);
    return area;
}

int countPixels(const QImage &image, QRgb colour, const QRect &within)
{
    int n = 0;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (image.pixel(x, y) == colour) ++n;
    return n;
}

QSet<QRgb> colours(const QImage &image)
{
    QSet<QRgb> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) out.insert(image.pixel(x, y));
    return out;
}

const QRgb white = qRgb(255, 255, 255);
const QRgb black = qRgb(0, 0, 0);
}

class TestImageCanvas : public QObject {
    Q_OBJECT
private slots:
    void frameFillsTheCanvasCentred_data();
    void frameFillsTheCanvasCentred();
    void drawingAgainInBackgroundErases();
    void clearedFillCoversWhatLiesInside();
    void sillWithoutSillKeepsOnlyItsTopEdge();
    void hatchedFillLeavesTheInsideVisible();
    void labelIsPrinted();
    void everyChangeIsReported();
};

void TestImageCanvas::frameFillsTheCanvasCentred_data()
{
    QTest::addColumn<FrameRecord>("m");
    QTest::addColumn<QRect>("area"); // in pixels: twips / 15, cut
    QTest::addColumn<QString>("shot");
    // 3.1, (2695, 20): x 2695..5795 -> 179..386, y 20..6220 -> 1..414
    QTest::newRow("K") << oneCompartment() << QRect(QPoint(179, 1), QPoint(386, 414)) << "drawing-K";
    // 2.8, (45, 320): x 45..8445 -> 3..563, y 320..5920 -> 21..394
    QTest::newRow("K;;2;S;D1;D2;D3;S2")
        << sevenCompartments() << QRect(QPoint(3, 21), QPoint(563, 394)) << "drawing-K-2S-D1D2D3S2";
    // 4.1, (555, 45): x 555..7935 -> 37..529, y 45..6195 -> 3..413
    QTest::newRow("K;;1;D;S1;S3;D1;D4")
        << sixCompartmentsTransomFirst() << QRect(QPoint(37, 3), QPoint(529, 413)) << "drawing-K-1D-S1S3D1D4";
    // 2.8, (45, 320) as above
    QTest::newRow("K;;1;S;D1;D2;S1;D1")
        << sixCompartmentsMullionFirst() << QRect(QPoint(3, 21), QPoint(563, 394)) << "drawing-K-1S-D1D2S1D1";
    // 2.9, (2940, 75): x 2940..5550 -> 196..370, y 75..6165 -> 5..411
    QTest::newRow("K0") << looseWindow() << QRect(QPoint(196, 5), QPoint(370, 411)) << "drawing-K0";
}

void TestImageCanvas::frameFillsTheCanvasCentred()
{
    QFETCH(FrameRecord, m);
    QFETCH(QRect, area);
    QFETCH(QString, shot);
    ScopedProject project;
    project->FrameRecords = {m};
    project->MarkCount = 1;
    ImageCanvas canvas(CanvasW, CanvasH);
    QCOMPARE(canvas.image().size(), QSize(566, 416));
    DrawTools tools(canvas);
    FrameDrawingState frame;
    canvas.cls();
    QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::Drawn);

    QCOMPARE(drawnArea(canvas.image(), white), area);
    // Margins left and right, top and bottom, differ by a pixel at most.
    const int left = area.left(), right = canvas.image().width() - 1 - area.right();
    const int top = area.top(), bottom = canvas.image().height() - 1 - area.bottom();
    QVERIFY(qAbs(left - right) <= 1);
    QVERIFY(qAbs(top - bottom) <= 1);
    // Fills the canvas along at least one axis (the scale is cut to a tenth, which may leave a few
    // per cent).
    QVERIFY(area.width() >= 0.96 * canvas.image().width() || area.height() >= 0.96 * canvas.image().height());
    QCOMPARE(colours(canvas.image()), (QSet<QRgb>{white, black})); // never smoothed

    // The marker over compartment 0, painted on a copy as the window lays it over the canvas.
    QImage withMarker = canvas.image();
    const MarkerGeometry marker = tools.PlaceVakMarker(project->currentMark(), 0);
    QVERIFY(marker.visible);
    {
        QPainter p(&withMarker);
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(Qt::blue, Qt::BDiagPattern));
        p.drawRect(QRectF(marker.Left / 15.0, marker.Top / 15.0, marker.Width / 15.0, marker.Height / 15.0));
    }
    saveImage(withMarker, shot);
}

void TestImageCanvas::drawingAgainInBackgroundErases()
{
    ImageCanvas canvas(1500, 1500); // 100 x 100 pixels
    DrawTools tools(canvas);
    tools.SetDrawScale(100, 100);   // 15 twips, one pixel, per mm
    tools.DrawBoxMm(10, 10, 60, 40);
    tools.SetDashed(1);
    tools.DrawLineMm(5, 80, 95, 80);
    tools.SetDashed(0);
    tools.DrawCircleMm(50, 60, 150);
    QVERIFY(!drawnArea(canvas.image(), white).isEmpty());
    // The dotted line has gaps.
    const int dots = countPixels(canvas.image(), black, QRect(5, 80, 91, 1));
    QVERIFY(dots > 10 && dots < 91);

    tools.EraseBoxMm(10, 10, 60, 40);
    CanvasState &s = canvas.state();
    const QColor fore = s.ForeColor;
    s.ForeColor = s.BackColor;
    tools.SetDashed(1);
    tools.DrawLineMm(5, 80, 95, 80);
    tools.SetDashed(0);
    tools.DrawCircleMm(50, 60, 150);
    s.ForeColor = fore;
    QVERIFY(drawnArea(canvas.image(), white).isEmpty());
}

void TestImageCanvas::clearedFillCoversWhatLiesInside()
{
    ImageCanvas canvas(1500, 1500);
    DrawTools tools(canvas);
    tools.SetDrawScale(100, 100);
    tools.DrawLineMm(20, 30, 40, 30);
    tools.DrawBoxMm(10, 10, 50, 50); // transparent: the line stays
    QCOMPARE(countPixels(canvas.image(), black, QRect(20, 30, 21, 1)), 21);
    tools.ClearBoxMm(60, 60, 90, 90);
    tools.DrawBoxMm(10, 10, 50, 50); // now solid background: the line is covered
    QCOMPARE(countPixels(canvas.image(), black, QRect(11, 11, 39, 39)), 0);
    QCOMPARE(countPixels(canvas.image(), black, QRect(10, 10, 41, 1)), 41); // the outline is drawn
}

void TestImageCanvas::sillWithoutSillKeepsOnlyItsTopEdge()
{
    ImageCanvas canvas(1500, 1500);
    DrawTools tools(canvas);
    tools.SetDrawScale(100, 100);
    tools.DrawBoxMm(0, 80, 100, 95);
    tools.ClearBoxMm(0, 80, 100, 95);
    tools.EraseBoxMm(0, 80, 100, 95);
    tools.DrawLineMm(0, 80, 100, 80);
    QCOMPARE(drawnArea(canvas.image(), white), QRect(QPoint(0, 80), QPoint(99, 80)));
}

void TestImageCanvas::hatchedFillLeavesTheInsideVisible()
{
    ImageCanvas canvas(1500, 1500);
    DrawTools tools(canvas);
    tools.SetDrawScale(100, 100);
    tools.DrawLineMm(10, 50, 90, 50);
    tools.FillBoxMm(0, 0, 99, 99, FillStyles::DownwardDiagonal, Qt::red);
    const QImage &img = canvas.image();
    QVERIFY(countPixels(img, qRgb(255, 0, 0), img.rect()) > 100);
    QVERIFY(countPixels(img, white, img.rect()) > 100);
    QVERIFY(countPixels(img, black, img.rect()) > 40); // the line shows between the hatches
    QCOMPARE(canvas.state().FillStyle, int(FillStyles::Transparent));
}

void TestImageCanvas::labelIsPrinted()
{
    ImageCanvas canvas(CanvasW, CanvasH);
    DrawTools tools(canvas);
    tools.SetDrawScale(1000, 2000); // 3.1, (2695, 20)
    canvas.state().ForeColor = Qt::blue;
    tools.PrintLabel(25, 1000, "Onderdorpel");
    // Top-left at 25 * 3.1 + 2695 = 2772.5 -> 2772 (pixel 184), 1000 * 3.1 + 20 = 3120 (pixel 208).
    const QRect area = drawnArea(canvas.image(), white);
    QVERIFY(!area.isEmpty());
    QVERIFY(area.left() >= 184 && area.left() <= 188);
    QVERIFY(area.top() >= 208 && area.top() <= 212);
    QVERIFY(area.width() > 30);
    QCOMPARE(colours(canvas.image()), (QSet<QRgb>{white, qRgb(0, 0, 255)}));
    saveImage(canvas.image(), "drawing-label");
}

void TestImageCanvas::everyChangeIsReported()
{
    ImageCanvas canvas(1500, 1500);
    int changes = 0;
    canvas.setChanged([&] { ++changes; });
    DrawTools tools(canvas);
    tools.DrawBoxMm(0, 0, 10, 10); // no scale: nothing drawn, nothing reported
    QCOMPARE(changes, 0);
    tools.SetDrawScale(100, 100);
    canvas.cls();
    tools.DrawBoxMm(0, 0, 10, 10);
    tools.DrawLineMm(0, 0, 10, 10);
    tools.DrawCircleMm(5, 5, 30);
    tools.PrintLabel(1, 1, "x");
    QCOMPARE(changes, 5);
}

QTEST_MAIN(TestImageCanvas)
#include "tst_imagecanvas.moc"
