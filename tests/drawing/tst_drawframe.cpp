// DrawFrame per shape code on a recording canvas whose size in twips equals the frame's size in
// mm, so that the scale is 1 and every recorded box reads in frame millimetres. Frame (T = 60),
// mullion (S = 70) and transom (D = 50) differ, and every compartment has a clear size of its own
// (cw = 300, 400, ... 900; ch = 210, 310, ... 810), so a member that takes the wrong size shows.
#include "DrawingFixtures.h"
#include "drawing/DrawFrame.h"
#include "platform/RecordingCanvas.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<MemberBox>)
Q_DECLARE_METATYPE(QList<FramePosition>)
Q_DECLARE_METATYPE(SillRect)

namespace {
const QList<MemberBox> outer3000x2000 = {{0, 0, 3000, 60}, {0, 60, 60, 1940}, {2940, 60, 3000, 1940}, {0, 1940, 3000, 2000}};
const SillRect sill3000x2000{0, 1940, 3000, 2000, true};

FrameRecord markWith(const QString &code, int compartments, int w = 3000, int h = 2000, int t = 60)
{
    QList<QSize> clear;
    for (int i = 0; i < compartments; ++i) clear.append(QSize(300 + 100 * i, 210 + 100 * i));
    return drawingMark(code, w, h, t, clear);
}

QList<MemberBox> recordedBoxes(const RecordingCanvas &canvas)
{
    QList<MemberBox> out;
    for (const CanvasOp &op : canvas.ops())
        out.append(op.kind == CanvasOp::Box ? MemberBox{op.p1.x(), op.p1.y(), op.p2.x(), op.p2.y()}
                                            : MemberBox{-1, -1, -1, -1});
    return out;
}

QList<FramePosition> storedPositions(const FrameRecord &m)
{
    QList<FramePosition> out;
    for (const CompartmentRecord &c : m.Compartments) out.append({c.PosX, c.PosY});
    return out;
}

QString describe(const QList<MemberBox> &boxes)
{
    QStringList parts;
    for (const MemberBox &b : boxes) parts << QString("(%1,%2,%3,%4)").arg(b.x1).arg(b.y1).arg(b.x2).arg(b.y2);
    return parts.join(' ');
}
}

class TestDrawFrame : public QObject {
    Q_OBJECT
private slots:
    void shapes_data();
    void shapes();
    void membersAreMappedOntoTheCanvas();
    void captions_data();
    void captions();
    void drawingTwiceStoresTheSame();
    void surplusCompartmentsAreLeftAlone();
    void tooFewCompartmentsChangesOnlyTheCaption();
    void markIndexOutOfRangeChangesOnlyTheCaption();
    void frameWithoutSizeStillPlacesItsCompartments();
    void unknownAndSteppedCodesDrawNothing();
    void positionsBeyondSixteenBitsAreRefused();
};

void TestDrawFrame::shapes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("t");
    QTest::addColumn<QList<MemberBox>>("members");
    QTest::addColumn<QList<FramePosition>>("positions");
    QTest::addColumn<SillRect>("sill");

    QTest::newRow("K") << "K" << 1000 << 2000 << 67
        << QList<MemberBox>{{0, 0, 1000, 67}, {0, 67, 67, 1933}, {933, 67, 1000, 1933}, {0, 1933, 1000, 2000}}
        << QList<FramePosition>{{67, 67}} << SillRect{0, 1933, 1000, 2000, true};
    QTest::newRow("K0") << "K0" << 900 << 2100 << 0
        << QList<MemberBox>{{0, 0, 900, 0}, {0, 0, 0, 2100}, {900, 0, 900, 2100}, {0, 2100, 900, 2100}}
        << QList<FramePosition>{{0, 0}} << SillRect{0, 2100, 900, 2100, true};

    auto row = [](const char *code, const QList<MemberBox> &inner, const QList<FramePosition> &positions) {
        QTest::newRow(code) << QString(code) << 3000 << 2000 << 60 << outer3000x2000 + inner << positions << sill3000x2000;
    };
    row("K;;1;S", {{360, 60, 430, 270}}, {{60, 60}, {430, 60}});
    row("K;;1;S;2", {{360, 60, 430, 270}, {430, 370, 830, 420}}, {{60, 60}, {430, 60}, {430, 420}});
    row("K;;1;S;1", {{360, 60, 430, 370}, {60, 270, 560, 320}}, {{60, 60}, {430, 60}, {60, 320}});
    row("K;;1;S;1;2", {{360, 60, 430, 730}, {430, 370, 830, 420}, {60, 270, 560, 320}},
        {{60, 60}, {430, 60}, {60, 320}, {630, 420}});
    row("K;;2;S", {{360, 60, 430, 270}, {830, 60, 900, 270}}, {{60, 60}, {430, 60}, {900, 60}});
    row("K;;2;S;D1;D2;D3",
        {{360, 60, 430, 830}, {830, 60, 900, 830}, {60, 270, 360, 320}, {430, 370, 830, 420}, {900, 470, 1400, 520}},
        {{60, 60}, {430, 60}, {900, 60}, {60, 320}, {430, 420}, {900, 520}});
    row("K;;2;S;D2;S2", {{360, 60, 430, 270}, {1130, 60, 1200, 570}, {430, 370, 1130, 420}, {830, 60, 900, 370}},
        {{60, 60}, {430, 60}, {900, 60}, {1470, 60}, {430, 420}});
    row("K;;2;S;D1;D2;D3;S2",
        {{360, 60, 430, 930}, {1230, 60, 1300, 1430}, {60, 270, 760, 320}, {430, 370, 1230, 420},
         {1300, 570, 1900, 620}, {830, 60, 900, 370}},
        {{60, 60}, {430, 60}, {900, 60}, {1470, 60}, {60, 320}, {430, 420}, {1470, 620}});
    row("K;;2;S;D1;D3", {{360, 60, 430, 370}, {830, 60, 900, 370}, {60, 270, 660, 320}, {900, 470, 1400, 520}},
        {{60, 60}, {430, 60}, {900, 60}, {60, 320}, {900, 520}});
    row("K;;3;S", {{360, 60, 430, 270}, {830, 60, 900, 370}, {1400, 60, 1470, 370}},
        {{60, 60}, {430, 60}, {900, 60}, {1470, 60}});
    row("K;;1;D", {{60, 270, 2940, 320}}, {{60, 60}, {60, 320}});
    row("K;;1;D;S1;S3", {{60, 270, 2940, 320}, {360, 60, 430, 270}, {2370, 60, 2440, 370}},
        {{60, 60}, {430, 60}, {2440, 60}, {60, 320}});
    row("K;;1;D;S1;S3;D1;D4",
        {{60, 370, 2940, 420}, {360, 60, 430, 370}, {2370, 60, 2440, 370}, {60, 270, 360, 320}, {2440, 470, 2940, 520}},
        {{60, 60}, {430, 60}, {2440, 60}, {60, 320}, {2440, 520}, {60, 420}});
    row("K;;1;S;D1;D2;S2", {{360, 60, 430, 1940}, {60, 270, 360, 320}, {430, 370, 2940, 420}, {2370, 60, 2440, 370}},
        {{60, 60}, {430, 60}, {900, 60}, {60, 320}, {730, 420}});
    row("K;;1;S;D1;S1;D2;S1", {{2370, 60, 2440, 1940}, {60, 270, 660, 320}, {360, 60, 430, 270}, {2440, 470, 2940, 520}},
        {{60, 60}, {430, 60}, {900, 60}, {60, 320}, {900, 520}});
    row("K;;1;S;D1;D2;S2;D5",
        {{360, 60, 430, 1940}, {60, 270, 360, 320}, {430, 370, 2940, 420}, {2370, 60, 2440, 370}, {2440, 470, 2940, 520}},
        {{60, 60}, {430, 60}, {900, 60}, {900, 520}, {60, 320}, {430, 420}});
    row("K;;1;S;D1;D2;S1;D1",
        {{2270, 60, 2340, 1940}, {60, 270, 360, 320}, {60, 470, 760, 520}, {360, 60, 430, 470}, {2340, 570, 2940, 620}},
        {{60, 60}, {60, 320}, {430, 60}, {1000, 60}, {60, 520}, {1000, 620}});
}

void TestDrawFrame::shapes()
{
    QFETCH(QString, code);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, t);
    QFETCH(QList<MemberBox>, members);
    QFETCH(QList<FramePosition>, positions);
    QFETCH(SillRect, sill);

    ScopedProject project;
    project->FrameRecords = {markWith("K", 1), markWith(code, int(positions.size()), w, h, t)};
    project->MarkCount = 2;
    project->CurrentMarkIndex = 1;
    RecordingCanvas canvas(w, h);
    DrawTools tools(canvas);
    FrameDrawingState frame;

    QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::Drawn);
    QCOMPARE(tools.DrawScaleTenths(), 10);
    QCOMPARE(tools.DrawOffsetX(), 0);
    QCOMPARE(tools.DrawOffsetY(), 0);
    const QList<MemberBox> drawn = recordedBoxes(canvas);
    QVERIFY2(drawn == members, qPrintable(describe(drawn)));
    for (const CanvasOp &op : canvas.ops()) QCOMPARE(op.state, CanvasState()); // plain outlines
    QCOMPARE(storedPositions(project->FrameRecords[1]), positions);
    QCOMPARE(frame.Sill, sill);
    QCOMPARE(project->FrameRecords[0].Compartments[0].PosX, int16(-1)); // another mark is not touched
    // The clear sizes are only read.
    for (int i = 0; i < positions.size(); ++i) {
        QCOMPARE(project->FrameRecords[1].Compartments[i].ClearWidth, int16(300 + 100 * i));
        QCOMPARE(project->FrameRecords[1].Compartments[i].ClearHeight, int16(210 + 100 * i));
    }
}

void TestDrawFrame::membersAreMappedOntoTheCanvas()
{
    ScopedProject project;
    project->FrameRecords = {markWith("K", 1, 1000, 2000, 67)};
    project->MarkCount = 1;
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    FrameDrawingState frame;
    QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::Drawn);
    // Scale 3.1, offsets (2695, 20): 67 -> 2902.7 -> 2903 and 227.7 -> 228; 933 -> 5587.3 -> 5587;
    // 1933 -> 6012.3 -> 6012.
    const QList<MemberBox> expected = {{2695, 20, 5795, 228}, {2695, 228, 2903, 6012}, {5587, 228, 5795, 6012},
                                       {2695, 6012, 5795, 6220}};
    QCOMPARE(recordedBoxes(canvas), expected);
    QCOMPARE(project->FrameRecords[0].Compartments[0].PosX, int16(67)); // stored in mm, not mapped
}

void TestDrawFrame::captions_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("compartments");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<QString>("caption");
    QTest::newRow("K") << "K" << 1 << 1000 << 2000 << "1 vaks rechthoekig kozijn (breedte x hoogte = 1000 mm x 2000 mm)";
    QTest::newRow("K0") << "K0" << 1 << 900 << 2100 << "Los raam/deur kozijn (breedte x hoogte = 900 mm x 2100 mm)";
    QTest::newRow("L") << "L;1" << 3 << 2000 << 2400 << "3 vaks links melkmeisje kozijn (breedte x hoogte = 2000 mm x 2400 mm)";
    QTest::newRow("M") << "M;7" << 3 << 2500 << 2100 << "3 vaks melkmeisje kozijn (breedte x hoogte = 2500 mm x 2100 mm)";
    QTest::newRow("R") << "R;2" << 3 << 1800 << 2200 << "3 vaks rechts melkmeisje kozijn (breedte x hoogte = 1800 mm x 2200 mm)";
    QTest::newRow("transom") << "K;;1;D" << 2 << 900 << 1200 << "2 vaks rechthoekig kozijn (breedte x hoogte = 900 mm x 1200 mm)";
    QTest::newRow("other family") << "X;1" << 2 << 1000 << 1000 << "2 vaks  kozijn (breedte x hoogte = 1000 mm x 1000 mm)";
    QTest::newRow("lower-case k") << "k" << 1 << 1000 << 1000 << "1 vaks  kozijn (breedte x hoogte = 1000 mm x 1000 mm)";
    QTest::newRow("no compartments") << "K;;1;S" << 0 << 1000 << 1000 << "0 vaks rechthoekig kozijn (breedte x hoogte = 1000 mm x 1000 mm)";
    QTest::newRow("K0 without compartments") << "K0" << 0 << 900 << 2100 << "Los raam/deur kozijn (breedte x hoogte = 900 mm x 2100 mm)";
    QTest::newRow("negative size") << "K" << 1 << -5 << 0 << "1 vaks rechthoekig kozijn (breedte x hoogte = -5 mm x 0 mm)";
}

void TestDrawFrame::captions()
{
    QFETCH(QString, code);
    QFETCH(int, compartments);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(QString, caption);
    ScopedProject project;
    project->FrameRecords = {markWith(code, compartments, w, h)};
    project->MarkCount = 1;
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    FrameDrawingState frame;
    DrawFrame(tools, project.state(), frame);
    QCOMPARE(frame.Caption, caption);
}

void TestDrawFrame::drawingTwiceStoresTheSame()
{
    ScopedProject project;
    project->FrameRecords = {markWith("K;;2;S;D1;D2;D3;S2", 7)};
    project->MarkCount = 1;
    RecordingCanvas canvas(3000, 2000);
    DrawTools tools(canvas);
    FrameDrawingState frame;
    DrawFrame(tools, project.state(), frame);
    const FrameRecord first = project->FrameRecords[0];
    for (CompartmentRecord &c : project->FrameRecords[0].Compartments) c.PosX = c.PosY = 5; // stale values
    QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::Drawn);
    QCOMPARE(project->FrameRecords[0], first);
    QCOMPARE(canvas.ops(CanvasOp::Box).size(), 20);
}

void TestDrawFrame::surplusCompartmentsAreLeftAlone()
{
    ScopedProject project;
    project->FrameRecords = {markWith("K;;1;S", 4)};
    project->MarkCount = 1;
    RecordingCanvas canvas(3000, 2000);
    DrawTools tools(canvas);
    FrameDrawingState frame;
    QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::Drawn);
    QCOMPARE(storedPositions(project->FrameRecords[0]),
             (QList<FramePosition>{{60, 60}, {430, 60}, {-1, -1}, {-1, -1}}));
    QCOMPARE(frame.Caption, QString("4 vaks rechthoekig kozijn (breedte x hoogte = 3000 mm x 2000 mm)"));
}

void TestDrawFrame::tooFewCompartmentsChangesOnlyTheCaption()
{
    ScopedProject project;
    project->FrameRecords = {markWith("K;;2;S;D1;D2;D3", 5)};
    project->MarkCount = 1;
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    tools.SetDrawScale(1000, 2000);
    FrameDrawingState frame;
    const FrameRecord before = project->FrameRecords[0];
    QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::TooFewCompartments);
    QVERIFY(canvas.ops().isEmpty());
    QCOMPARE(project->FrameRecords[0], before);
    QVERIFY(!frame.Sill.isSet);
    QCOMPARE(tools.DrawScaleTenths(), 31); // the scale of the frame drawn before
    QCOMPARE(frame.Caption, QString("5 vaks rechthoekig kozijn (breedte x hoogte = 3000 mm x 2000 mm)"));

    // The sill of an earlier drawing stays as it was.
    frame.Sill = {1, 2, 3, 4, true};
    project->FrameRecords[0].Compartments.clear();
    QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::TooFewCompartments);
    QCOMPARE(frame.Sill, (SillRect{1, 2, 3, 4, true}));
    QCOMPARE(frame.Caption, QString("0 vaks rechthoekig kozijn (breedte x hoogte = 3000 mm x 2000 mm)"));
}

void TestDrawFrame::markIndexOutOfRangeChangesOnlyTheCaption()
{
    ScopedProject project;
    project->FrameRecords = {markWith("K", 1)};
    project->MarkCount = 1;
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    FrameDrawingState frame;
    for (int16 index : {int16(1), int16(-1)}) {
        project->CurrentMarkIndex = index;
        QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::NoMark);
        QVERIFY(canvas.ops().isEmpty());
        QVERIFY(!frame.Sill.isSet);
        QCOMPARE(tools.DrawScaleTenths(), 0);
        QCOMPARE(frame.Caption, QString("0 vaks  kozijn (breedte x hoogte = 0 mm x 0 mm)"));
    }
    QCOMPARE(project->FrameRecords[0].Compartments[0].PosX, int16(-1));
}

void TestDrawFrame::frameWithoutSizeStillPlacesItsCompartments()
{
    ScopedProject project;
    project->FrameRecords = {markWith("K;;1;S", 2, 0, 2000)};
    project->MarkCount = 1;
    RecordingCanvas canvas(8490, 6240);
    DrawTools tools(canvas);
    FrameDrawingState frame;
    QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::Drawn);
    QVERIFY(canvas.ops().isEmpty());
    QCOMPARE(tools.DrawScaleTenths(), 0);
    QCOMPARE(storedPositions(project->FrameRecords[0]), (QList<FramePosition>{{60, 60}, {430, 60}}));
    QCOMPARE(frame.Sill, (SillRect{0, 1940, 0, 2000, true}));
    QCOMPARE(frame.Caption, QString("2 vaks rechthoekig kozijn (breedte x hoogte = 0 mm x 2000 mm)"));
    // Nothing can be hit and the marker hides.
    QCOMPARE(tools.VakAtPoint(project->currentMark(), 100, 100), int16(-1));
    QVERIFY(!tools.PlaceVakMarker(project->currentMark(), 0).visible);
}

void TestDrawFrame::unknownAndSteppedCodesDrawNothing()
{
    for (const char *code : {"L;1", "M;6", "M;7", "R;7", "X", "k;;1;S", ""}) {
        ScopedProject project;
        project->FrameRecords = {markWith(code, 4)};
        project->MarkCount = 1;
        RecordingCanvas canvas(3000, 2000);
        DrawTools tools(canvas);
        FrameDrawingState frame;
        const FrameRecord before = project->FrameRecords[0];
        const FrameDrawn result = DrawFrame(tools, project.state(), frame);
        QVERIFY2(result == FrameDrawn::UnknownShape || result == FrameDrawn::NotDrawnYet, code);
        QVERIFY(canvas.ops().isEmpty());
        QCOMPARE(project->FrameRecords[0], before);
        QVERIFY(!frame.Sill.isSet);
        QCOMPARE(tools.DrawScaleTenths(), 10); // the scale is still set for the mark
        QVERIFY(frame.Caption.startsWith("4 vaks "));
    }
}

void TestDrawFrame::positionsBeyondSixteenBitsAreRefused()
{
    ScopedProject project;
    // x of compartment 1 = 60 + 30000 + 5000 = 35060: does not fit, so nothing at all is drawn.
    FrameRecord m = markWith("K;;1;S", 2);
    m.Compartments[0].ClearWidth = 30000;
    m.MullionThickness = 5000;
    project->FrameRecords = {m};
    project->MarkCount = 1;
    RecordingCanvas canvas(3000, 2000);
    DrawTools tools(canvas);
    FrameDrawingState frame;
    QCOMPARE(DrawFrame(tools, project.state(), frame), FrameDrawn::TooLarge);
    QVERIFY(canvas.ops().isEmpty());
    QCOMPARE(project->FrameRecords[0], m);
    QVERIFY(!frame.Sill.isSet);
    QVERIFY(!frameTooLargeMessage().isEmpty());
    QCOMPARE(frame.Caption, QString("2 vaks rechthoekig kozijn (breedte x hoogte = 3000 mm x 2000 mm)"));
}

QTEST_MAIN(TestDrawFrame)
#include "tst_drawframe.moc"
