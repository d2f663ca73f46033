// The drawing tools on a recording canvas: scale and centring, the mapping with halves to even,
// the pen and fill state each primitive leaves, the label font, the marker and the hit test.
#include "MarkBuilder.h"
#include "drawing/DrawTools.h"
#include "shape/ShapeWidthInputs.h"
#include "platform/RecordingCanvas.h"

#include <QTest>

class TestDrawTools : public QObject {
    Q_OBJECT
private slots:
    void scaleAndOffsets_data();
    void scaleAndOffsets();
    void mappingRoundsHalvesToEven();
    void mappingIsComputedInDouble();
    void markerOfALargeOpeningAtALargeScale();
    void nothingIsDrawnWithoutScale();
    void primitivesLeaveTheirState();
    void clearBoxLeavesSolidBackgroundFill();
    void labelRestoresTheFontExactly();
    void dashedOnlyForOne();
    void markerSitsOnePixelInside();
    void markerHidesWhenEmpty();
    void hitTestEdgesAndOverlap();
    void hitTestWithOffsets();
    void hitTestWithoutScaleOrMark();
    void widthInputsRoundHalvesToEven();
};

void TestDrawTools::scaleAndOffsets_data()
{
    QTest::addColumn<int>("canvasW");
    QTest::addColumn<int>("canvasH");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("offX");
    QTest::addColumn<int>("offY");
    // a = 84.9, b = 31.2: 3.1; (8490 - 3100) / 2, (6240 - 6200) / 2
    QTest::newRow("window canvas, 1000 x 2000") << 8490 << 6240 << 1000 << 2000 << 31 << 2695 << 20;
    // a = 28.3, b = 31.2: 2.8; (8490 - 8400) / 2, (6240 - 5600) / 2
    QTest::newRow("window canvas, 3000 x 2000") << 8490 << 6240 << 3000 << 2000 << 28 << 45 << 320;
    // ratio exactly 4.25: cut to 4.2, never rounded up; (4250 - 4200) / 2, (10000 - 4200) / 2
    QTest::newRow("ratio 4.25 gives 4.2") << 4250 << 10000 << 1000 << 1000 << 42 << 25 << 2900;
    // scale 10: offsets 0.5 -> 0 and 501.5 -> 502
    QTest::newRow("offset halves to even 1") << 1001 << 2003 << 100 << 100 << 100 << 0 << 502;
    // scale 10 (100.3 and 100.5 both cut to 100): offsets 1.5 -> 2 and 2.5 -> 2
    QTest::newRow("offset halves to even 2") << 1003 << 1005 << 100 << 100 << 100 << 2 << 2;
    // a = 33.3: 3.3; (10 - 9.9) / 2 = 0.05 -> 0, (1000 - 9.9) / 2 = 495.05 -> 495
    QTest::newRow("fractional scale") << 10 << 1000 << 3 << 3 << 33 << 0 << 495;
    QTest::newRow("width 0") << 8490 << 6240 << 0 << 2000 << 0 << 0 << 0;
    QTest::newRow("height negative") << 8490 << 6240 << 1000 << -5 << 0 << 0 << 0;
    // a = 84900, b = 62400: a tiny frame gets a large scale, centred; (8490 - 6240) / 2, 0
    QTest::newRow("one millimetre") << 8490 << 6240 << 1 << 1 << 62400 << 1125 << 0;
    // a = 0.1: a scale of 0 draws nothing
    QTest::newRow("frame far larger than canvas") << 10 << 10 << 1000 << 1000 << 0 << 0 << 0;
}

void TestDrawTools::scaleAndOffsets()
{
    QFETCH(int, canvasW);
    QFETCH(int, canvasH);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, tenths);
    QFETCH(int, offX);
    QFETCH(int, offY);
    RecordingCanvas canvas(canvasW, canvasH);
    DrawTools tools(canvas);
    tools.SetDrawScale(700, 700); // a previous frame: the new one replaces every value
    tools.SetDrawScale(w, h);
    QCOMPARE(tools.drawScaleTenths(), tenths);
    QCOMPARE(tools.DrawScale(), tenths / 10.0);
    QCOMPARE(tools.DrawOffsetX(), offX);
    QCOMPARE(tools.DrawOffsetY(), offY);
}

void TestDrawTools::mappingRoundsHalvesToEven()
{
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    tools.SetDrawScale(1000, 2000); // 3.1, (2695, 20)
    QCOMPARE(tools.map(0, 0), QPoint(2695, 20));
    QCOMPARE(tools.map(1000, 2000), QPoint(5795, 6220));
    QCOMPARE(tools.map(5, 5), QPoint(2710, 36));   // 2710.5 -> 2710, 35.5 -> 36
    QCOMPARE(tools.map(15, 15), QPoint(2742, 66)); // 2741.5 -> 2742, 66.5 -> 66

    RecordingCanvas half(500, 500);
    DrawTools halfTools(half);
    halfTools.SetDrawScale(1000, 1000); // 0.5, (0, 0)
    QCOMPARE(halfTools.map(25, 27), QPoint(12, 14));     // 12.5 -> 12, 13.5 -> 14
    QCOMPARE(halfTools.map(-25, -27), QPoint(-12, -14)); // -12.5 -> -12, -13.5 -> -14
    QCOMPARE(halfTools.map(40000, 0), std::nullopt);     // not a 16-bit position
}

// The scaled value is a double before it is rounded: 4.1 and 8.3 are a little off in binary, and
// a value that would be exactly n + 0.5 in tenths can fall just below it.
void TestDrawTools::mappingIsComputedInDouble()
{
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    // 650 x 744: scale 8.3; (8490 - 650 * 8.3) / 2 with 650 * 8.3 just above 5395: 1547.4999.. -> 1547.
    tools.SetDrawScale(650, 744);
    QCOMPARE(tools.drawScaleTenths(), 83);
    QCOMPARE(tools.DrawOffsetX(), 1547);
    QCOMPARE(tools.DrawOffsetY(), 32); // (6240 - 6175.2) / 2 = 32.4

    // "K" of 300 x 1500, frame 45: scale 4.1, offsets (3630, 45); 45 * 4.1 is just below 184.5, so
    // the top member's lower edge and the opening's top edge lie at 229.
    tools.SetDrawScale(300, 1500);
    QCOMPARE(tools.drawScaleTenths(), 41);
    QCOMPARE(tools.DrawOffsetX(), 3630);
    QCOMPARE(tools.DrawOffsetY(), 45);
    QCOMPARE(tools.map(300, 45), QPoint(4860, 229));
    FrameRecord mark = MarkBuilder().opening(45, 45, 210, 1410);
    QCOMPARE(tools.VakAtPoint(&mark, 3900, 229), int16(0));
    QCOMPARE(tools.VakAtPoint(&mark, 3900, 228), int16(-1));
    QCOMPARE(tools.PlaceVakMarker(&mark, 0).Top, 229 + 15);
}

void TestDrawTools::markerOfALargeOpeningAtALargeScale()
{
    // Scale 10000 twips per mm: 32767 mm is 327,670,000 twips, past what an int product holds in tenths.
    RecordingCanvas canvas(10000, 10000);
    DrawTools tools(canvas);
    tools.SetDrawScale(1, 1);
    QCOMPARE(tools.DrawScale(), 10000.0);
    FrameRecord mark = MarkBuilder().opening(0, 0, 32767, 32767);
    const MarkerGeometry m = tools.PlaceVakMarker(&mark, 0);
    QCOMPARE(m.Width, 327670000.0);
    QCOMPARE(m.Height, 327670000.0);
}

void TestDrawTools::nothingIsDrawnWithoutScale()
{
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    // Before any scale, and after a frame without size.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) tools.SetDrawScale(0, 2000);
        tools.DrawLineMm(0, 0, 100, 100);
        tools.DrawBoxMm(0, 0, 100, 100);
        tools.ClearBoxMm(0, 0, 100, 100);
        tools.EraseBoxMm(0, 0, 100, 100);
        tools.FillBoxMm(0, 0, 100, 100, FillStyles::Solid, Qt::red);
        tools.DrawCircleMm(50, 50, 75);
        tools.PrintLabel(10, 10, "x");
        QVERIFY(canvas.ops().isEmpty());
    }
}

void TestDrawTools::primitivesLeaveTheirState()
{
    RecordingCanvas canvas(1000, 1000);
    DrawTools tools(canvas);
    tools.SetDrawScale(100, 100); // 10 twips per mm, no offsets
    CanvasState &s = canvas.state();
    s.BackColor = QColor(200, 200, 200);
    s.ForeColor = Qt::blue;
    const CanvasState start = s;

    tools.DrawLineMm(1, 2, 3, 4);
    tools.DrawBoxMm(5, 6, 7, 8);
    tools.DrawCircleMm(9, 10, 75);
    QCOMPARE(s, start);

    tools.FillBoxMm(10, 20, 30, 40, FillStyles::Cross, Qt::red);
    QCOMPARE(s, start);

    tools.EraseBoxMm(11, 12, 13, 14);
    QCOMPARE(s, start);

    const QList<CanvasOp> ops = canvas.ops();
    QCOMPARE(ops.size(), 5);
    QCOMPARE(ops[0].kind, CanvasOp::Line);
    QCOMPARE(ops[0].p1, QPoint(10, 20));
    QCOMPARE(ops[0].p2, QPoint(30, 40));
    QCOMPARE(ops[0].state, start);
    QCOMPARE(ops[1].kind, CanvasOp::Box);
    QCOMPARE(ops[1].p1, QPoint(50, 60));
    QCOMPARE(ops[1].p2, QPoint(70, 80));
    QCOMPARE(ops[2].kind, CanvasOp::Circle);
    QCOMPARE(ops[2].p1, QPoint(90, 100));
    QCOMPARE(ops[2].radius, 75); // canvas units, not scaled
    // The fill box: no outline, the given fill.
    QCOMPARE(ops[3].kind, CanvasOp::Box);
    QCOMPARE(ops[3].p1, QPoint(100, 200));
    QCOMPARE(ops[3].p2, QPoint(300, 400));
    QCOMPARE(ops[3].state.DrawStyle, int(DrawStyles::Invisible));
    QCOMPARE(ops[3].state.FillStyle, int(FillStyles::Cross));
    QCOMPARE(ops[3].state.FillColor, QColor(Qt::red));
    // The erase box: outline in the background colour, fill as it stood (transparent).
    QCOMPARE(ops[4].state.ForeColor, QColor(200, 200, 200));
    QCOMPARE(ops[4].state.FillStyle, int(FillStyles::Transparent));
}

void TestDrawTools::clearBoxLeavesSolidBackgroundFill()
{
    RecordingCanvas canvas(1000, 1000);
    DrawTools tools(canvas);
    tools.SetDrawScale(100, 100);
    canvas.state().BackColor = QColor(10, 20, 30);
    canvas.state().DrawStyle = DrawStyles::Dot;

    tools.DrawBoxMm(0, 0, 10, 10); // before any clear: transparent inside
    tools.ClearBoxMm(1, 1, 9, 9);
    tools.DrawBoxMm(2, 2, 8, 8);   // now covers what lies inside it
    tools.FillBoxMm(3, 3, 7, 7, FillStyles::Solid, Qt::red);
    tools.DrawBoxMm(4, 4, 6, 6);   // the fill box gave back what it found

    const QList<CanvasOp> ops = canvas.ops();
    QCOMPARE(ops.size(), 5);
    QCOMPARE(ops[0].state.FillStyle, int(FillStyles::Transparent));
    for (int i : {1, 2, 4}) {
        QCOMPARE(ops[i].state.FillStyle, int(FillStyles::Solid));
        QCOMPARE(ops[i].state.FillColor, QColor(10, 20, 30));
        QCOMPARE(ops[i].state.ForeColor, QColor(Qt::black)); // outline in the pen
        QCOMPARE(ops[i].state.DrawStyle, int(DrawStyles::Dot));
    }
    QCOMPARE(canvas.state().FillStyle, int(FillStyles::Solid));
    QCOMPARE(canvas.state().FillColor, QColor(10, 20, 30));
}

void TestDrawTools::labelRestoresTheFontExactly()
{
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    tools.SetDrawScale(1000, 2000); // 3.1, (2695, 20)
    CanvasState &s = canvas.state();
    s.FontName = "Arial";
    s.FontSize = 9.75;
    s.ForeColor = Qt::darkGreen;

    tools.PrintLabel(25, 1928, "Onderdorpel");
    const QList<CanvasOp> prints = canvas.ops(CanvasOp::Print);
    QCOMPARE(prints.size(), 1);
    QCOMPARE(prints[0].text, QString("Onderdorpel"));
    // 25 * 3.1 + 2695 = 2772.5 -> 2772; 1928 * 3.1 + 20 = 5996.8 -> 5997
    QCOMPARE(prints[0].p1, QPoint(2772, 5997));
    QCOMPARE(prints[0].state.FontName, QString("Comic Sans MS"));
    QCOMPARE(prints[0].state.FontSize, 8.0);
    QCOMPARE(prints[0].state.ForeColor, QColor(Qt::darkGreen));
    QCOMPARE(s.FontName, QString("Arial"));
    QCOMPARE(s.FontSize, 9.75);
    // The print moved the current point on to the next line.
    QCOMPARE(s.CurrentX, 0);
    QVERIFY(s.CurrentY > 5997);

    // Without a scale nothing is printed, and the font is still what it was.
    tools.SetDrawScale(0, 0);
    tools.PrintLabel(25, 10, "x");
    QCOMPARE(canvas.ops(CanvasOp::Print).size(), 1);
    QCOMPARE(s.FontName, QString("Arial"));
    QCOMPARE(s.FontSize, 9.75);
}

void TestDrawTools::dashedOnlyForOne()
{
    RecordingCanvas canvas(1000, 1000);
    DrawTools tools(canvas);
    tools.SetDashed(1);
    QCOMPARE(canvas.state().DrawStyle, int(DrawStyles::Dot));
    for (int flag : {0, -1, 2}) {
        tools.SetDashed(1);
        tools.SetDashed(flag);
        QCOMPARE(canvas.state().DrawStyle, int(DrawStyles::Solid));
    }
}

void TestDrawTools::markerSitsOnePixelInside()
{
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    tools.SetDrawScale(1000, 2000); // 3.1, (2695, 20)
    FrameRecord mark = MarkBuilder().opening(67, 67, 866, 1866);
    const MarkerGeometry m = tools.PlaceVakMarker(&mark, 0);
    QVERIFY(m.visible);
    // 67 * 3.1 + 2695 = 2902.7 -> 2903, + 15; 67 * 3.1 + 20 = 227.7 -> 228, + 15
    QCOMPARE(m.Left, 2918);
    QCOMPARE(m.Top, 243);
    QCOMPARE(m.Width, 2684.6);  // 866 * 3.1, not rounded
    QCOMPARE(m.Height, 5784.6); // 1866 * 3.1
}

void TestDrawTools::markerHidesWhenEmpty()
{
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    tools.SetDrawScale(1000, 2000);
    FrameRecord mark = MarkBuilder().opening(67, 67, -20, 100).opening(67, 67, 100, 0).opening(67, 67, 100, 100);
    const MarkerGeometry negative = tools.PlaceVakMarker(&mark, 0);
    QVERIFY(!negative.visible);
    QCOMPARE(negative.Width, 0.0); // never a negative size
    QVERIFY(!tools.PlaceVakMarker(&mark, 1).visible);
    QVERIFY(tools.PlaceVakMarker(&mark, 2).visible);
    QVERIFY(!tools.PlaceVakMarker(&mark, 3).visible);
    QVERIFY(!tools.PlaceVakMarker(&mark, -1).visible);
    QVERIFY(!tools.PlaceVakMarker(nullptr, 0).visible);
    tools.SetDrawScale(0, 2000);
    QVERIFY(!tools.PlaceVakMarker(&mark, 2).visible);
}

void TestDrawTools::hitTestEdgesAndOverlap()
{
    RecordingCanvas canvas(1000, 1000);
    DrawTools tools(canvas);
    tools.SetDrawScale(100, 100); // 10 twips per mm, no offsets
    // 0: x 100..400, y 100..400; 1: x 200..700, y 200..700 (overlapping 0)
    FrameRecord mark = MarkBuilder().opening(10, 10, 30, 30).opening(20, 20, 50, 50);

    struct Case { float x, y; int expected; };
    const Case cases[] = {
        {100, 100, 0},     // left and top edges are inside
        {399, 399, 0},
        {400, 150, -1},    // the right edge is outside (and 1 starts lower)
        {150, 400, -1},    // the bottom edge is outside
        {250, 250, 0},     // both hold it: the lowest index wins
        {450, 450, 1},
        {700, 300, -1},    // right edge of 1
        {300, 700, -1},    // bottom edge of 1
        {699, 699, 1},
        {99.5f, 99.5f, 0}, // rounds to 100 (even)
        {98.5f, 150, -1},  // rounds to 98
        {150, 399.5f, -1}, // rounds to 400 (even): on the bottom edge
        {150, 398.5f, 0},  // rounds to 398
        {50, 50, -1},      // on the frame
    };
    for (const Case &c : cases)
        QVERIFY2(tools.VakAtPoint(&mark, c.x, c.y) == c.expected,
                 qPrintable(QString("(%1, %2)").arg(c.x).arg(c.y)));
}

void TestDrawTools::hitTestWithOffsets()
{
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    tools.SetDrawScale(1000, 2000); // 3.1, (2695, 20)
    FrameRecord mark = MarkBuilder().opening(67, 67, 866, 1866);
    // left 2902.7 -> 2903, top 227.7 -> 228, right 933 * 3.1 + 2695 = 5587.3 -> 5587,
    // bottom 1933 * 3.1 + 20 = 6012.3 -> 6012
    QCOMPARE(tools.VakAtPoint(&mark, 2903, 228), int16(0));
    QCOMPARE(tools.VakAtPoint(&mark, 2902, 500), int16(-1));
    QCOMPARE(tools.VakAtPoint(&mark, 500, 227), int16(-1));
    QCOMPARE(tools.VakAtPoint(&mark, 5586, 6011), int16(0));
    QCOMPARE(tools.VakAtPoint(&mark, 5587, 500), int16(-1));
    QCOMPARE(tools.VakAtPoint(&mark, 3000, 6012), int16(-1));
}

void TestDrawTools::hitTestWithoutScaleOrMark()
{
    RecordingCanvas canvas(1000, 1000);
    DrawTools tools(canvas);
    FrameRecord mark = MarkBuilder().opening(0, 0, 100, 100);
    QCOMPARE(tools.VakAtPoint(&mark, 0, 0), int16(-1)); // no scale yet
    tools.SetDrawScale(100, 100);
    QCOMPARE(tools.VakAtPoint(&mark, 0, 0), int16(0));
    QCOMPARE(tools.VakAtPoint(nullptr, 0, 0), int16(-1));
    QCOMPARE(tools.VakAtPoint(&mark, qQNaN(), 0), int16(-1));
    FrameRecord empty = MarkBuilder();
    QCOMPARE(tools.VakAtPoint(&empty, 0, 0), int16(-1));
    tools.SetDrawScale(-1, 100);
    QCOMPARE(tools.VakAtPoint(&mark, 0, 0), int16(-1));
}

void TestDrawTools::widthInputsRoundHalvesToEven()
{
    struct Inputs : ShapeWidthInputs {
        double widthInput(int index) const override
        {
            const double values[] = {12.5, 13.5, 700, 32767.5, qQNaN()};
            return index >= 0 && index < 5 ? values[index] : 0;
        }
    } inputs;
    QCOMPARE(readWidthInput(&inputs, 0), std::optional<int>(12));
    QCOMPARE(readWidthInput(&inputs, 1), std::optional<int>(14));
    QCOMPARE(readWidthInput(&inputs, 2, 130), std::optional<int>(830)); // the sum is added first
    QCOMPARE(readWidthInput(&inputs, 0, 1), std::optional<int>(14));   // 13.5 -> 14
    QCOMPARE(readWidthInput(&inputs, 3), std::optional<int>());         // 32768 does not fit
    QCOMPARE(readWidthInput(&inputs, 4), std::optional<int>());
    QCOMPARE(readWidthInput(nullptr, 0), std::optional<int>());
}

QTEST_MAIN(TestDrawTools)
#include "tst_drawtools.moc"
