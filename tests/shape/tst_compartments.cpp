// The compartments of every shape code, against values worked out by hand from the construction
// rules. Frame 67, mullion 56 and transom 44 differ, and every input has a value of its own, so a
// member or input taken for another shows in the numbers.
#include "MarkBuilder.h"
#include "shape/Compartments.h"
#include "shape/ShapeCodes.h"

#include <QTest>

namespace {
FrameRecord frame(const QString &code) { return MarkBuilder().shape(code).size(2000, 2400).distinctMembers(); }

ClearSizeSet distinctInputs()
{
    ClearSizeSet s;
    s.Left = {301, 302, 303, 304};
    s.Widths = {411, 412, 413, 414, 415};
    s.Right = {521, 522, 523, 524, 525, 526};
    s.Middle = {631, 632};
    return s;
}

// "w x h; w x h; ..."
QString sizesOf(const FrameRecord &m)
{
    QStringList out;
    for (const CompartmentRecord &c : m.Compartments) out << QString("%1x%2").arg(c.ClearWidth).arg(c.ClearHeight);
    return out.join("; ");
}

CompartmentRecord filled(const QString &code)
{
    CompartmentRecord c;
    c.FillType = "RAAM";
    c.FillCode = code;
    c.Direction = 2;
    c.PosX = 123;
    c.PosY = 45;
    c.ClearWidth = 1;
    c.ClearHeight = 1;
    c.Parts = {CompartmentPartRecord{1, 2, 3, 4, "4L", 1, 2}};
    return c;
}
}

class TestCompartments : public QObject {
    Q_OBJECT
private slots:
    void allCodes_data();
    void allCodes();
    void everyCodeHasARow();
    void keepsFillingsWhenNotNew();
    void listOfAnotherCodeIsMadeAnew();
    void refusesSizesThatCannotBeStored_data();
    void refusesSizesThatCannotBeStored();
    void unknownCodeBuildsNothing();
    void examples();
};

// W - 2F = 1866, H - 2F = 2266.
void TestCompartments::allCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("sizes");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("stepLeft");
    QTest::addColumn<int>("stepRight");
    auto row = [](const char *code, const char *sizes, int upper = 0, int left = 0, int right = 0) {
        QTest::newRow(code) << QString(code) << QString(sizes) << upper << left << right;
    };
    row("K", "1866x2266");
    row("K;;1;S", "411x2266; 412x2266");
    row("K;;1;S;2", "411x2266; 412x521; 412x522");
    row("K;;1;S;1", "411x301; 412x2266; 411x302");
    row("K;;1;S;1;2", "411x301; 412x521; 411x302; 412x522");
    row("K;;2;S", "411x2266; 412x2266; 413x2266");
    row("K;;2;S;D1;D2;D3", "411x301; 412x631; 413x521; 411x302; 412x632; 413x522");
    row("K;;2;S;D2;S2", "411x2266; 412x521; 413x521; 414x2266; 881x522");
    row("K;;2;S;D1;D2;D3;S2", "411x301; 412x631; 413x631; 414x521; 411x302; 881x632; 414x522");
    row("K;;2;S;D1;D3", "411x301; 412x2266; 413x521; 411x302; 413x522");
    row("K;;3;S", "411x2266; 412x2266; 413x2266; 414x2266");
    row("L;1", "411x301; 412x2266");
    row("L;2", "879x301; 411x302; 412x649");
    row("L;4", "411x302; 412x649", 301);
    row("L;5", "879x302; 411x303; 412x674", 301);
    row("L;6", "879x521; 412x522");
    row("L;1;;;D1", "411x301; 412x2266; 411x302");
    row("L;1;;;D1;D2", "411x301; 412x521; 411x302; 412x522");
    row("L;1;;;D2", "411x301; 412x521; 412x522");
    row("L;7", "411x301; 413x2266", 0, 412);
    row("M;1", "411x301; 412x2266; 413x521");
    row("M;2", "1866x521; 411x301; 412x1701; 413x522");
    row("M;4", "411x301; 412x1745; 413x522", 521);
    row("M;5", "1866x522; 411x301; 412x1179; 413x523", 521);
    row("M;6", "1866x521; 412x455");
    row("M;7", "411x301; 413x2266; 415x521", 0, 412, 414);
    row("R;1", "411x2266; 412x521");
    row("R;2", "1866x521; 411x1701; 412x522");
    row("R;4", "411x1745; 412x522", 521);
    row("R;5", "1866x522; 411x1114; 412x523", 521);
    row("R;6", "1866x521; 411x522");
    row("R;1;;;D1", "411x301; 412x521; 411x302");
    row("R;1;;;D1;D2", "411x301; 412x521; 411x302; 412x522");
    row("R;1;;;D2", "411x2266; 412x521; 412x522");
    row("R;7", "411x2266; 413x521", 0, 0, 412);
    row("K;;1;D", "1866x301; 1866x302");
    row("K;;1;D;S1;S3", "411x301; 412x301; 413x301; 1866x302");
    row("K;;1;D;S1;S3;D1;D4", "411x301; 412x647; 413x521; 411x302; 413x522; 1866x523");
    row("K;;1;S;D1;D2;S2", "411x301; 412x521; 413x521; 411x302; 881x522");
    row("K;;1;S;D1;S1;D2;S1", "411x301; 412x301; 413x521; 879x302; 413x522");
    row("K;;1;S;D1;D2;S2;D5", "411x301; 412x1087; 413x521; 413x522; 411x302; 881x523");
    row("K;;1;S;D1;D2;S1;D1", "411x301; 411x302; 412x647; 413x521; 879x303; 413x522");
    row("K0", "2000x2400");
}

void TestCompartments::allCodes()
{
    QFETCH(QString, code);
    QFETCH(QString, sizes);
    QFETCH(int, upper);
    QFETCH(int, stepLeft);
    QFETCH(int, stepRight);

    FrameRecord m = frame(code);
    m.UpperSectionHeight = 999;
    m.StepWidthLeft = 7;
    m.StepWidthRight = 8;
    m.Compartments = {filled("DE"), filled("RA")};
    m.Remark = "blijft";
    const CompartmentBuild b = BuildCompartments(m, distinctInputs(), true);
    QVERIFY2(b.ok, qPrintable(b.message));
    QVERIFY(b.fresh);
    QCOMPARE(sizesOf(b.mark), sizes);
    QCOMPARE(compartmentCount(code), int(b.mark.Compartments.size()));
    QCOMPARE(int(b.mark.UpperSectionHeight), upper);
    QCOMPARE(int(b.mark.StepWidthLeft), stepLeft);
    QCOMPARE(int(b.mark.StepWidthRight), stepRight);
    // A fresh list: nothing but the clear sizes is set.
    for (const CompartmentRecord &c : b.mark.Compartments) {
        CompartmentRecord bare;
        bare.ClearWidth = c.ClearWidth;
        bare.ClearHeight = c.ClearHeight;
        QCOMPARE(c, bare);
    }
    QCOMPARE(b.mark.Remark, QString("blijft"));
    QCOMPARE(b.mark.ShapeCode, code);
    QCOMPARE(b.mark.CompartmentsCode, code);
}

void TestCompartments::everyCodeHasARow()
{
    for (const ShapeVariant &v : ShapeCodes::all()) QVERIFY2(compartmentCount(v.code) > 0, qPrintable(v.code));
    QCOMPARE(compartmentCount("k"), 0);
    QCOMPARE(compartmentCount("L;1;;"), 0);
    QCOMPARE(compartmentCount(""), 0);
}

void TestCompartments::keepsFillingsWhenNotNew()
{
    FrameRecord m = frame("M;4");
    m.UpperSectionHeight = 5;
    m.StepWidthLeft = 7;
    m.Compartments = {filled("DE"), filled("RA"), filled("GL_BU")};
    m.CompartmentsCode = m.ShapeCode;
    ClearSizeSet in = distinctInputs();
    const CompartmentBuild b = BuildCompartments(m, in, false);
    QVERIFY(b.ok);
    QVERIFY(!b.fresh);
    QCOMPARE(sizesOf(b.mark), QString("411x301; 412x1745; 413x522"));
    QCOMPARE(int(b.mark.UpperSectionHeight), 521); // the code sets it
    QCOMPARE(int(b.mark.StepWidthLeft), 0);
    const QStringList codes{"DE", "RA", "GL_BU"};
    for (int i = 0; i < 3; ++i) {
        CompartmentRecord expected = filled(codes[i]);
        expected.ClearWidth = b.mark.Compartments[i].ClearWidth;
        expected.ClearHeight = b.mark.Compartments[i].ClearHeight;
        QCOMPARE(b.mark.Compartments[i], expected);
    }

    // A code without an upper section leaves it as it was; an input the code does not use changes nothing.
    m = frame("L;1");
    m.UpperSectionHeight = 5;
    m.Compartments = {filled("DE"), filled("RA")};
    m.CompartmentsCode = m.ShapeCode;
    const CompartmentBuild first = BuildCompartments(m, in, false);
    in.Left[1] = 999;
    const CompartmentBuild second = BuildCompartments(m, in, false);
    QCOMPARE(int(first.mark.UpperSectionHeight), 5);
    QCOMPARE(second.mark, first.mark);
}

void TestCompartments::listOfAnotherCodeIsMadeAnew()
{
    // Two compartments left over from "L;1" under the code "M;1", which needs three.
    FrameRecord m = frame("M;1");
    m.UpperSectionHeight = 5;
    m.Compartments = {filled("DE"), filled("RA")};
    const CompartmentBuild shorter = BuildCompartments(m, distinctInputs(), false);
    QVERIFY(shorter.ok);
    QVERIFY(shorter.fresh);
    QCOMPARE(sizesOf(shorter.mark), QString("411x301; 412x2266; 413x521"));
    QVERIFY(shorter.mark.Compartments[0].FillCode.isEmpty());
    QCOMPARE(int(shorter.mark.UpperSectionHeight), 0);

    m.Compartments = {filled("DE"), filled("RA"), filled("RA"), filled("RA")};
    const CompartmentBuild longer = BuildCompartments(m, distinctInputs(), false);
    QVERIFY(longer.fresh);
    QCOMPARE(longer.mark.Compartments.size(), 3);

    // As many compartments, built for "M;4": they lie elsewhere under "M;1", so they are made anew too.
    m.Compartments = {filled("DE"), filled("RA"), filled("RA")};
    m.CompartmentsCode = "M;4";
    const CompartmentBuild sameCount = BuildCompartments(m, distinctInputs(), false);
    QVERIFY(sameCount.fresh);
    QVERIFY(sameCount.mark.Compartments[0].FillCode.isEmpty());
    QCOMPARE(sameCount.mark.CompartmentsCode, QString("M;1"));
    // Built now for "M;1": the next build keeps them.
    QVERIFY(!BuildCompartments(sameCount.mark, distinctInputs(), false).fresh);
}

void TestCompartments::refusesSizesThatCannotBeStored_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("right0");
    QTest::addColumn<int>("mullion");
    QTest::addColumn<QString>("message");
    const QString head = "Ongeldige dagmaten opgegeven !\r\n\r\n";
    // H - 2F - Tr - R(0) = 2222 - 2300.
    QTest::newRow("M;2 height below 0") << "M;2" << 2300 << 56 << head + "De daghoogte van vak 3 is 0 of kleiner (-78 mm).";
    QTest::newRow("R;2 height exactly 0") << "R;2" << 2222 << 56 << head + "De daghoogte van vak 2 is 0 of kleiner (0 mm).";
    // B(1) + Mu + B(2) = 412 + 32767 + 413.
    QTest::newRow("width beyond 16 bits") << "K;;2;S;D2;S2" << 521 << 32767 << head + "De dagbreedte van vak 5 is te groot (33592 mm).";
}

void TestCompartments::refusesSizesThatCannotBeStored()
{
    QFETCH(QString, code);
    QFETCH(int, right0);
    QFETCH(int, mullion);
    QFETCH(QString, message);
    FrameRecord m = frame(code);
    m.MullionThickness = int16(mullion);
    ClearSizeSet in = distinctInputs();
    in.Right[0] = int16(right0);
    const CompartmentBuild b = BuildCompartments(m, in, true);
    QVERIFY(!b.ok);
    QCOMPARE(b.message, message);
}

void TestCompartments::unknownCodeBuildsNothing()
{
    FrameRecord m = frame("k");
    const CompartmentBuild b = BuildCompartments(m, distinctInputs(), true);
    QVERIFY(!b.ok);
    QCOMPARE(b.message, QString("Onbekende vorm kozijn: \"k\" !"));
}

void TestCompartments::examples()
{
    FrameRecord k = frame("K");
    k.Width = 900;
    k.Height = 800;
    k.FrameThickness = 60;
    QCOMPARE(sizesOf(BuildCompartments(k, {}, true).mark), QString("780x680"));

    // The member between the two rows of "L;5" counts as a frame member: 500 + 60 + 300.
    FrameRecord l5 = frame("L;5");
    l5.FrameThickness = 60;
    l5.TransomThickness = 50;
    ClearSizeSet in = distinctInputs();
    in.Left = {100, 200, 500, 300};
    QCOMPARE(int(BuildCompartments(l5, in, true).mark.Compartments[2].ClearHeight), 860);

    // "M;6": R(1) less the frame member.
    FrameRecord m6 = frame("M;6");
    m6.FrameThickness = 60;
    in.Right[1] = 800;
    QCOMPARE(int(BuildCompartments(m6, in, true).mark.Compartments[1].ClearHeight), 740);
}

QTEST_GUILESS_MAIN(TestCompartments)
#include "tst_compartments.moc"
