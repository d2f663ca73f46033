// DrawFrame per shape code on a recording canvas whose size in twips equals the frame's size in
// mm, so that the scale is 1 and every recorded box reads in frame millimetres. Frame (T = 60),
// mullion (S = 70) and transom (D = 50) differ, and every compartment has a clear size of its own
// (cw = 300, 400, ... 900; ch = 210, 310, ... 810), so a member that takes the wrong size shows.
// The stepped shapes get an upper section U = 120 whether they read it or not, and width inputs
// B(0) = 800, B(1) = 250 that only "M;6" and "M;7" may read.
#include "DrawingFixtures.h"
#include "drawing/DrawFrame.h"
#include "shape/Compartments.h"
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

// The shape window's width inputs as the drawing reads them, with a log of the reads.
struct WidthInputs : ShapeWidthInputs {
    std::array<double, 5> values{800, 250, 9000, 9100, 9200};
    mutable QList<int> reads;
    double widthInput(int index) const override
    {
        reads.append(index);
        return values[index];
    }
};

struct SteppedDrawing {
    FrameDrawn result;
    QList<MemberBox> members;
    QList<FramePosition> positions;
    SillRect sill;
};

// A stepped frame of 3000 x 2000, T = 60, S = 70, D = 50, U = 120, drawn at scale 1.
SteppedDrawing drawStepped(const QString &code, int compartments, const ShapeWidthInputs *inputs)
{
    ScopedProject project;
    FrameRecord m = markWith(code, compartments);
    m.UpperSectionHeight = 120;
    m.StepWidthLeft = 111; // never read: the gaps come from the clear widths or the inputs
    m.StepWidthRight = 222;
    project->FrameRecords = {m};
    project->MarkCount = 1;
    RecordingCanvas canvas(3000, 2000);
    DrawTools tools(canvas);
    FrameDrawingState frame;
    const FrameDrawn result = DrawFrame(tools, project.state(), frame, inputs);
    return {result, recordedBoxes(canvas), storedPositions(project->FrameRecords[0]), frame.Sill};
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
    void steppedShapes_data();
    void steppedShapes();
    void widthInputsMoveOnlyTheirMembers();
    void widthInputsThatCannotBeReadDrawNothing();
    void steppedGuards();
    void membersAreMappedOntoTheCanvas();
    void captions_data();
    void captions();
    void drawingTwiceStoresTheSame();
    void surplusCompartmentsAreLeftAlone();
    void tooFewCompartmentsChangesOnlyTheCaption();
    void markIndexOutOfRangeChangesOnlyTheCaption();
    void frameWithoutSizeStillPlacesItsCompartments();
    void unknownCodesDrawNothing();
    void positionsBeyondSixteenBitsAreRefused();
    void sillAsItsEntryShowsIt_data();
    void sillAsItsEntryShowsIt();
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
    QCOMPARE(tools.drawScaleTenths(), 10);
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

// Sizes: W 3000, H 2000, T 60, S 70, D 50, U 120; cw 300, 400, 500, 600; ch 210, 310, 410, 510;
// B(0) 800, B(1) 250. H - T = 1940, W - T = 2940.
void TestDrawFrame::steppedShapes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QList<MemberBox>>("members");
    QTest::addColumn<QList<FramePosition>>("positions");
    QTest::addColumn<SillRect>("sill");
    auto row = [](const char *code, const QList<MemberBox> &members, const QList<FramePosition> &positions,
                  const SillRect &sill) { QTest::newRow(code) << QString(code) << members << positions << sill; };

    const MemberBox top{0, 0, 3000, 60};
    const MemberBox band{0, 0, 3000, 120}, lowTop{0, 120, 3000, 180};

    // Left: the raised part ends in a step member, the sill lies under the right part only.
    row("L;1", {top, {0, 60, 60, 270}, {2940, 60, 3000, 1940}, {0, 270, 360, 330}, {360, 1940, 3000, 2000},
                {360, 60, 430, 1940}},
        {{60, 60}, {430, 60}}, {360, 1940, 3000, 2000, true});
    row("L;2", {top, {2940, 60, 3000, 1940}, {0, 60, 60, 630}, {0, 630, 460, 690}, {60, 270, 360, 320},
                {460, 320, 530, 1940}, {460, 1940, 3000, 2000}},
        {{60, 60}, {60, 320}, {530, 320}}, {460, 1940, 3000, 2000, true});
    // Every height from the top: H is not read.
    row("L;4", {band, lowTop, {0, 180, 60, 390}, {2940, 180, 3000, 490}, {0, 390, 360, 450}, {360, 490, 3000, 550},
                {360, 180, 430, 490}},
        {{60, 180}, {430, 180}}, {360, 490, 3000, 550, true});
    row("L;5", {band, lowTop, {0, 180, 60, 750}, {2940, 180, 3000, 850}, {0, 750, 460, 810}, {460, 440, 530, 850},
                {460, 1940, 3000, 2000}, {60, 390, 360, 440}},
        {{60, 180}, {60, 440}, {530, 440}}, {460, 1940, 3000, 2000, true});
    // The right stile stands at compartment 0's right edge.
    row("L;6", {top, {0, 60, 60, 270}, {360, 60, 420, 1940}, {0, 270, 360, 330}, {2470, 1940, 3000, 2000},
                {2470, 330, 2540, 640}},
        {{60, 60}, {2540, 330}}, {2470, 1940, 3000, 2000, true});
    row("L;1;;;D1", {top, {0, 60, 60, 730}, {2940, 60, 3000, 1940}, {0, 730, 360, 790}, {360, 1940, 3000, 2000},
                     {360, 60, 430, 1940}, {60, 270, 360, 320}},
        {{60, 60}, {430, 60}, {60, 320}}, {360, 1940, 3000, 2000, true});
    row("L;1;;;D1;D2", {top, {0, 60, 60, 730}, {2940, 60, 3000, 1940}, {0, 730, 360, 790}, {360, 1940, 3000, 2000},
                        {360, 60, 430, 1940}, {60, 270, 360, 320}, {430, 370, 830, 420}},
        {{60, 60}, {430, 60}, {60, 320}, {430, 420}}, {360, 1940, 3000, 2000, true});
    row("L;1;;;D2", {top, {0, 60, 60, 270}, {2940, 60, 3000, 1940}, {0, 270, 360, 330}, {360, 1940, 3000, 2000},
                     {360, 60, 430, 1940}, {430, 370, 830, 420}},
        {{60, 60}, {430, 60}, {430, 420}}, {360, 1940, 3000, 2000, true});
    // Nothing between x = 430 and x = 2470 under the top member.
    row("L;7", {top, {0, 60, 60, 270}, {0, 270, 430, 330}, {360, 60, 430, 270}, {2470, 60, 2540, 1940},
                {2940, 60, 3000, 1940}, {2470, 1940, 3000, 2000}},
        {{60, 60}, {2540, 60}}, {2470, 1940, 3000, 2000, true});

    // Middle: the sill lies under the middle column only.
    row("M;1", {top, {0, 60, 60, 270}, {0, 270, 360, 330}, {360, 60, 430, 1940}, {830, 60, 900, 1940},
                {360, 1940, 900, 2000}, {2940, 60, 3000, 470}, {2440, 470, 3000, 530}},
        {{60, 60}, {430, 60}, {900, 60}}, {360, 1940, 900, 2000, true});
    row("M;2", {top, {0, 60, 60, 630}, {0, 630, 460, 690}, {60, 270, 2940, 320}, {460, 320, 530, 1940},
                {1030, 320, 1100, 1940}, {2940, 60, 3000, 830}, {2340, 830, 3000, 890}, {460, 1940, 1100, 2000}},
        {{60, 60}, {60, 320}, {530, 320}, {2340, 320}}, {460, 1940, 1100, 2000, true});
    // The mullions end at U + T + ch1.
    row("M;4", {band, lowTop, {0, 180, 60, 390}, {0, 390, 360, 450}, {360, 180, 430, 490}, {830, 180, 900, 490},
                {360, 1940, 900, 2000}, {2940, 180, 3000, 590}, {2440, 590, 3000, 650}},
        {{60, 180}, {430, 180}, {900, 180}}, {360, 1940, 900, 2000, true});
    row("M;5", {band, lowTop, {0, 180, 60, 750}, {0, 750, 460, 810}, {60, 390, 2940, 440}, {460, 440, 530, 1940},
                {1030, 440, 1100, 1940}, {2940, 180, 3000, 950}, {2340, 950, 3000, 1010}, {460, 1940, 1100, 2000}},
        {{60, 180}, {60, 440}, {530, 440}, {2340, 440}}, {460, 1940, 1100, 2000, true});
    // The lower part's left edge is B(0) = 800.
    row("M;6", {top, {0, 60, 60, 270}, {360, 60, 420, 270}, {0, 270, 3000, 330}, {800, 330, 870, 1940},
                {1270, 330, 1340, 1940}, {800, 1940, 1340, 2000}},
        {{60, 60}, {870, 330}}, {800, 1940, 1340, 2000, true});
    // V = B(1) + T + cw0 + S = 680; the sill is the middle column's bottom member.
    row("M;7", {top, {0, 60, 60, 270}, {360, 60, 430, 270}, {0, 270, 430, 330}, {2370, 60, 2440, 470},
                {2940, 60, 3000, 470}, {2370, 470, 3000, 530}, {680, 60, 750, 370}, {1150, 60, 1220, 370},
                {680, 370, 1220, 430}},
        {{60, 60}, {750, 60}, {2440, 60}}, {680, 370, 1220, 430, true});

    // Right: the sill starts at x = 0 under the full-height left part.
    row("R;1", {top, {0, 60, 60, 1940}, {0, 1940, 430, 2000}, {360, 60, 430, 1940}, {2940, 60, 3000, 370},
                {2540, 370, 3000, 430}},
        {{60, 60}, {430, 60}}, {0, 1940, 430, 2000, true});
    row("R;2", {top, {0, 60, 60, 1940}, {0, 1940, 530, 2000}, {460, 320, 530, 1940}, {60, 270, 2940, 320},
                {2940, 60, 3000, 730}, {2440, 730, 3000, 790}},
        {{60, 60}, {60, 320}, {530, 320}}, {0, 1940, 530, 2000, true});
    // Compartment 1 from the right edge; the left part still from H.
    row("R;4", {band, lowTop, {0, 180, 60, 1940}, {0, 1940, 430, 2000}, {360, 180, 430, 1940}, {2940, 180, 3000, 490},
                {2540, 490, 3000, 550}},
        {{60, 180}, {2540, 180}}, {0, 1940, 430, 2000, true});
    row("R;5", {band, lowTop, {0, 180, 60, 1940}, {0, 1940, 530, 2000}, {460, 440, 530, 1940}, {60, 390, 2940, 440},
                {2940, 180, 3000, 850}, {2440, 850, 3000, 910}},
        {{60, 180}, {60, 440}, {530, 440}}, {0, 1940, 530, 2000, true});
    // The step member starts at x = T.
    row("R;6", {top, {0, 60, 60, 1940}, {0, 1940, 530, 2000}, {460, 330, 530, 1940}, {2940, 60, 3000, 270},
                {60, 270, 3000, 330}},
        {{60, 60}, {60, 330}}, {0, 1940, 530, 2000, true});
    // D-wide mullion; the sill ends one T past compartment 2.
    row("R;1;;;D1", {top, {0, 60, 60, 1940}, {60, 270, 360, 320}, {0, 1940, 620, 2000}, {360, 60, 410, 1940},
                     {2940, 60, 3000, 370}, {2540, 370, 3000, 430}},
        {{60, 60}, {2540, 60}, {60, 320}}, {0, 1940, 620, 2000, true});
    row("R;1;;;D1;D2", {top, {0, 60, 60, 1940}, {60, 270, 360, 320}, {0, 1940, 620, 2000}, {360, 60, 410, 1940},
                        {2940, 60, 3000, 930}, {2540, 370, 2940, 420}, {2540, 930, 3000, 990}},
        {{60, 60}, {2540, 60}, {60, 320}, {2540, 420}}, {0, 1940, 620, 2000, true});
    row("R;1;;;D2", {top, {0, 60, 60, 1940}, {0, 1940, 420, 2000}, {360, 60, 410, 1940}, {2940, 60, 3000, 830},
                     {2540, 370, 2940, 420}, {2540, 830, 3000, 890}},
        {{60, 60}, {2540, 60}, {2540, 420}}, {0, 1940, 420, 2000, true});
    // Nothing between x = 410 and x = 2480 under the top member.
    row("R;7", {top, {0, 60, 60, 1940}, {0, 1940, 420, 2000}, {360, 60, 410, 1940}, {2940, 60, 3000, 370},
                {2480, 370, 3000, 430}, {2480, 60, 2540, 370}},
        {{60, 60}, {2540, 60}}, {0, 1940, 420, 2000, true});
}

void TestDrawFrame::steppedShapes()
{
    QFETCH(QString, code);
    QFETCH(QList<MemberBox>, members);
    QFETCH(QList<FramePosition>, positions);
    QFETCH(SillRect, sill);
    WidthInputs inputs;
    const SteppedDrawing d = drawStepped(code, int(positions.size()), &inputs);
    QCOMPARE(d.result, FrameDrawn::Drawn);
    QVERIFY2(d.members == members, qPrintable(describe(d.members)));
    QCOMPARE(d.positions, positions);
    QCOMPARE(d.sill, sill);
    // Only the two codes that hang a column on an input read one, and each three times.
    const QList<int> reads = code == "M;6" ? QList<int>{0, 0, 0} : code == "M;7" ? QList<int>{1, 1, 1} : QList<int>{};
    QCOMPARE(inputs.reads, reads);
}

void TestDrawFrame::widthInputsMoveOnlyTheirMembers()
{
    struct Case {
        const char *code;
        int compartments;
        int input;
        QList<int> movedMembers; // indexes of the members that shift right by the change
        int movedPosition;
    };
    // "M;6": the lower part's two side members and its sill follow B(0); "M;7": the middle
    // column's side members and bottom member follow B(1).
    for (const Case &c : {Case{"M;6", 2, 0, {4, 5, 6}, 1}, Case{"M;7", 3, 1, {7, 8, 9}, 1}}) {
        WidthInputs before;
        const SteppedDrawing a = drawStepped(c.code, c.compartments, &before);
        WidthInputs after;
        after.values[c.input] += 35;
        const SteppedDrawing b = drawStepped(c.code, c.compartments, &after);

        QList<MemberBox> members = a.members;
        for (int i : c.movedMembers) {
            members[i].x1 += 35;
            members[i].x2 += 35;
        }
        QList<FramePosition> positions = a.positions;
        positions[c.movedPosition].x += 35;
        SillRect sill = a.sill;
        sill.X1 += 35;
        sill.X2 += 35;
        QCOMPARE(b.members, members);
        QCOMPARE(b.positions, positions);
        QCOMPARE(b.sill, sill);

        // The other input changes nothing.
        WidthInputs other;
        other.values[1 - c.input] += 35;
        const SteppedDrawing o = drawStepped(c.code, c.compartments, &other);
        QCOMPARE(o.members, a.members);
        QCOMPARE(o.positions, a.positions);
        QCOMPARE(o.sill, a.sill);
    }
}

void TestDrawFrame::widthInputsThatCannotBeReadDrawNothing()
{
    WidthInputs tooLarge;
    tooLarge.values = {40000, 40000, 0, 0, 0};
    WidthInputs notANumber;
    notANumber.values = {qQNaN(), qQNaN(), 0, 0, 0};
    for (const char *code : {"M;6", "M;7"}) {
        for (const ShapeWidthInputs *inputs : {static_cast<const ShapeWidthInputs *>(nullptr),
                                               static_cast<const ShapeWidthInputs *>(&tooLarge),
                                               static_cast<const ShapeWidthInputs *>(&notANumber)}) {
            const SteppedDrawing d = drawStepped(code, 3, inputs);
            QCOMPARE(d.result, FrameDrawn::InputMissing);
            QVERIFY(d.members.isEmpty());
            QCOMPARE(d.positions.first(), (FramePosition{-1, -1}));
            QVERIFY(!d.sill.isSet);
        }
    }
}

// Too few compartments draw nothing; a frame without size stores its positions and draws nothing;
// sums beyond 16 bits refuse the frame whole.
void TestDrawFrame::steppedGuards()
{
    WidthInputs inputs;
    for (const ShapeDrawing &row : FrameShapes::stepped()) {
        const int n = compartmentCount(row.code);
        const SteppedDrawing few = drawStepped(row.code, n - 1, &inputs);
        QVERIFY2(few.result == FrameDrawn::TooFewCompartments, qPrintable(row.code));
        QVERIFY(few.members.isEmpty());
        QVERIFY(!few.sill.isSet);

        ScopedProject project;
        FrameRecord m = markWith(row.code, n, 0, 2000);
        project->FrameRecords = {m};
        project->MarkCount = 1;
        RecordingCanvas canvas(3000, 2000);
        DrawTools tools(canvas);
        FrameDrawingState frame;
        QVERIFY2(DrawFrame(tools, project.state(), frame, &inputs) == FrameDrawn::Drawn, qPrintable(row.code));
        QVERIFY(canvas.ops().isEmpty());
        QCOMPARE(project->FrameRecords[0].Compartments[0].PosX, int16(60));

        m = markWith(row.code, n);
        for (CompartmentRecord &c : m.Compartments) c.ClearWidth = c.ClearHeight = 32700;
        project->FrameRecords = {m};
        RecordingCanvas other(3000, 2000);
        DrawTools otherTools(other);
        FrameDrawingState otherFrame;
        // "M;7" adds its sum to the width input as it reads it: that read leaves 16 bits, as too large.
        QVERIFY2(DrawFrame(otherTools, project.state(), otherFrame, &inputs) == FrameDrawn::TooLarge, qPrintable(row.code));
        QVERIFY(other.ops().isEmpty());
        QCOMPARE(project->FrameRecords[0], m);
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
    QCOMPARE(tools.drawScaleTenths(), 31); // the scale of the frame drawn before
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
        QCOMPARE(tools.drawScaleTenths(), 0);
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
    QCOMPARE(tools.drawScaleTenths(), 0);
    QCOMPARE(storedPositions(project->FrameRecords[0]), (QList<FramePosition>{{60, 60}, {430, 60}}));
    QCOMPARE(frame.Sill, (SillRect{0, 1940, 0, 2000, true}));
    QCOMPARE(frame.Caption, QString("2 vaks rechthoekig kozijn (breedte x hoogte = 0 mm x 2000 mm)"));
    // Nothing can be hit and the marker hides.
    QCOMPARE(tools.VakAtPoint(project->currentMark(), 100, 100), int16(-1));
    QVERIFY(!tools.PlaceVakMarker(project->currentMark(), 0).visible);
}

void TestDrawFrame::unknownCodesDrawNothing()
{
    for (const char *code : {"L;3", "l;1", "M;1 ", "R;1;;D1", "X", "k;;1;S", ""}) {
        ScopedProject project;
        project->FrameRecords = {markWith(code, 4)};
        project->MarkCount = 1;
        RecordingCanvas canvas(3000, 2000);
        DrawTools tools(canvas);
        FrameDrawingState frame;
        const FrameRecord before = project->FrameRecords[0];
        const FrameDrawn result = DrawFrame(tools, project.state(), frame);
        QVERIFY2(result == FrameDrawn::UnknownShape, code);
        QVERIFY(canvas.ops().isEmpty());
        QCOMPARE(project->FrameRecords[0], before);
        QVERIFY(!frame.Sill.isSet);
        QCOMPARE(tools.drawScaleTenths(), 10); // the scale is still set for the mark
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

// The sill (0, 1940)-(3000, 2000) at scale 1: cleared, then per entry the whole box or only its
// top edge (the box drawn again in the background colour), and the entry's text 25 mm in and 5 mm up.
void TestDrawFrame::sillAsItsEntryShowsIt_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("noSill");
    QTest::newRow("a sill") << "Hardhouten onderdorpel" << false;
    QTest::newRow("geen, any case") << "geen onderdorpel" << true;
    QTest::newRow("Zonder, any case") << "Onderdorpel ZONDER neus" << true;
    QTest::newRow("Geen within a word") << "Ongeenverfd" << true;
    QTest::newRow("the empty entry") << "" << false;
    QTest::newRow("blanks only") << "  " << false;
}

void TestDrawFrame::sillAsItsEntryShowsIt()
{
    QFETCH(QString, entry);
    QFETCH(bool, noSill);
    QCOMPARE(namesNoSill(entry), noSill);
    RecordingCanvas canvas(3000, 2000);
    DrawTools tools(canvas);
    tools.SetDrawScale(3000, 2000);
    drawSill(tools, sill3000x2000, entry);

    const QList<CanvasOp> &ops = canvas.ops();
    QList<CanvasOp::Kind> kinds;
    for (const CanvasOp &op : ops) kinds << op.kind;
    QList<CanvasOp::Kind> expected = {CanvasOp::Box};
    if (noSill) expected << CanvasOp::Box << CanvasOp::Line;
    if (!entry.isEmpty()) expected << CanvasOp::Print;
    QCOMPARE(kinds, expected);

    QCOMPARE(ops[0].p1, QPoint(0, 1940));
    QCOMPARE(ops[0].p2, QPoint(3000, 2000));
    QCOMPARE(ops[0].state.FillStyle, int(FillStyles::Solid));
    QCOMPARE(ops[0].state.FillColor, ops[0].state.BackColor);
    if (noSill) {
        QCOMPARE(ops[1].state.ForeColor, ops[1].state.BackColor);
        QCOMPARE(ops[2].p1, QPoint(0, 1940));
        QCOMPARE(ops[2].p2, QPoint(3000, 1940));
        QCOMPARE(ops[2].state.ForeColor, QColor(Qt::black));
    }
    if (!entry.isEmpty()) {
        QCOMPARE(ops.last().text, entry);
        QCOMPARE(ops.last().p1, QPoint(25, 1935));
    }

    // Without a sill rectangle (a frame that was not drawn) nothing is drawn.
    canvas.clear();
    drawSill(tools, SillRect{}, entry);
    QVERIFY(canvas.ops().isEmpty());
}

QTEST_MAIN(TestDrawFrame)
#include "tst_drawframe.moc"
