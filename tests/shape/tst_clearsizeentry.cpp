// What the shape window does with the project: the flags on opening, the sizes it loads, and
// "Vakvulling": the row checks in the order 3, 2, 1, 0, the construction and the commit.
#include "TestSupport.h"
#include "MarkBuilder.h"
#include "shape/ClearSizeEntry.h"
#include "shape/Compartments.h"

#include <QTest>

namespace {
FrameRecord frame(const QString &code) { return MarkBuilder("A").shape(code).size(2000, 2100).distinctMembers(); }

// One mark, laid out as the window does before "Vakvulling".
void openOn(ScopedProject &project, const FrameRecord &mark, bool newShape)
{
    project->FrameRecords = {mark};
    project->MarkCount = 1;
    project->CurrentMarkIndex = 0;
    project->NewShapePending = newShape;
    applyShapeLayout(project.state());
}

const QString Invalid = "Ongeldige dagmaten opgegeven !\r\n\r\n";
}

class TestClearSizeEntry : public QObject {
    Q_OBJECT
private slots:
    void flagsOnOpening();
    void storedSizesPerMark();
    void rowZeroLessTheRightColumn();
    void newMarkBuildsAndCopies();
    void existingMarkKeepsItsFillings();
    void failedRowStopsWithItsMessage();
    void rowWithoutRoom();
    void sizesTheInputsCannotShow();
    void compartmentWithoutSizeCommitsNothing();
    void unknownCode();
    void variants();
    void keptUnlessChanged_data();
    void keptUnlessChanged();
};

void TestClearSizeEntry::flagsOnOpening()
{
    ScopedProject project;
    FrameRecord built = frame("M;1");
    built.Compartments.resize(3);
    built.CompartmentsCode = built.ShapeCode;
    project->FrameRecords = {built};
    project->MarkCount = 1;

    // No confirmed change, compartments of its code: keep them, load the sizes.
    project->NewShapePending = true;
    QVERIFY(settleShapeFlags(project.state()));
    QVERIFY(!project->NewShapePending);

    // A confirmed change of the basic shape.
    project->ShapeChanged = true;
    QVERIFY(!settleShapeFlags(project.state()));
    QVERIFY(project->NewShapePending);
    QVERIFY(!project->ShapeChanged);

    // A new mark, and a mark whose compartments were built for another code (as many or fewer than
    // "M;1" needs): as a new shape.
    for (const auto &[n, builtFor] : {std::pair{0, ""}, std::pair{2, "M;1"}, std::pair{3, "M;4"}}) {
        project->FrameRecords[0].Compartments.resize(n);
        project->FrameRecords[0].CompartmentsCode = builtFor;
        project->NewShapePending = false;
        QVERIFY(!settleShapeFlags(project.state()));
        QVERIFY(project->NewShapePending);
    }
}

void TestClearSizeEntry::storedSizesPerMark()
{
    ScopedProject project;
    project->ClearWidths = {1, 2, 3, 4, 5};
    FrameRecord own = frame("K;;1;S");
    own.ClearSizes = ClearSizeSet{};
    own.ClearSizes->Widths = {900, 1000, 0, 0, 0};
    QCOMPARE(storedClearSizes(project.state(), own).Widths, (std::array<int16, 5>{900, 1000, 0, 0, 0}));
    QCOMPARE(storedClearSizes(project.state(), frame("K;;1;S")).Widths, (std::array<int16, 5>{1, 2, 3, 4, 5}));
}

void TestClearSizeEntry::rowZeroLessTheRightColumn()
{
    const std::array<int16, 4> max{2000, 3000, 4000, 5000};
    ClearSizeSet in;
    in.Right = {500, 300, 200, 0, 0, 0};
    QCOMPARE(rowMaximum("M;5", 0, max, in), 1200);
    QCOMPARE(rowMaximum("M;5", 0, max, in), 1200); // the laid-out maximum is never changed
    QCOMPARE(rowMaximum("M;2", 0, max, in), 1500);
    QCOMPARE(rowMaximum("M;4", 0, max, in), 1500);
    QCOMPARE(rowMaximum("K;;1;D;S1;S3;D1;D4", 0, max, in), 1800);
    QCOMPARE(rowMaximum("M;1", 0, max, in), 2000);
    QCOMPARE(rowMaximum("M;5", 2, max, in), 4000);
    QCOMPARE(rowMaximum("M;5", 3, max, in), 5000);
}

// "M;2" with the right column empty: row 2 is completed first, then row 0 is checked against its
// maximum less the completed R(0).
void TestClearSizeEntry::newMarkBuildsAndCopies()
{
    ScriptedDialogs dialogs;
    ScopedProject project;
    openOn(project, frame("M;2"), true); // rows: L 1922, B 1754, R 1922
    QCOMPARE(project->ClearSizeMax, (std::array<int16, 4>{1922, 1754, 1922, 0}));

    ClearSizeSet in;
    in.Left = {0, 0, 7, 7};        // hidden L(2), L(3) are copied as they are
    in.Widths = {400, 0, 400, 0, 0};
    QString refusal;
    QVERIFY(acceptClearSizes(project.state(), in, refusal));
    QCOMPARE(refusal, QString());
    // R: 1922 / 3 = 640, 1282 / 2 = 641, 641. L against 1922 - 640 = 1282: 641, 641. B: 400, 954, 400.
    QCOMPARE(in.Right, (std::array<int16, 6>{640, 641, 641, 0, 0, 0}));
    QCOMPARE(in.Left, (std::array<int16, 4>{641, 641, 7, 7}));
    QCOMPARE(in.Widths, (std::array<int16, 5>{400, 954, 400, 0, 0}));

    const FrameRecord &m = project->FrameRecords[0];
    QCOMPARE(m.Compartments.size(), 4);
    QCOMPARE(int(m.Compartments[0].ClearWidth), 1866);
    QCOMPARE(int(m.Compartments[0].ClearHeight), 640);
    QCOMPARE(int(m.Compartments[1].ClearHeight), 641);
    QCOMPARE(int(m.Compartments[2].ClearWidth), 954);
    QCOMPARE(int(m.Compartments[2].ClearHeight), 2100 - 134 - 44 - 640);
    QCOMPARE(m.ClearSizes, std::optional<ClearSizeSet>(in));
    QCOMPARE(project->ClearHeightsLeft, in.Left);
    QCOMPARE(project->ClearWidths, in.Widths);
    QCOMPARE(project->ClearHeightsRight, in.Right);
    QCOMPARE(project->ClearHeightsMiddle, in.Middle);
    QVERIFY(project->NewShapePending);
    VERIFY_DIALOGS(dialogs);
}

void TestClearSizeEntry::existingMarkKeepsItsFillings()
{
    ScriptedDialogs dialogs;
    ScopedProject project;
    FrameRecord mark = frame("K;;1;S");
    mark.Compartments.resize(2);
    mark.CompartmentsCode = mark.ShapeCode;
    mark.Compartments[0].FillCode = "DE";
    mark.Compartments[1].FillCode = "RA";
    mark.Compartments[1].PosX = 555;
    project->FrameRecords = {mark};
    project->MarkCount = 1;
    QVERIFY(settleShapeFlags(project.state()));
    applyShapeLayout(project.state());

    // The rows are checked at every press: the last width is completed to W - 2F - Mu = 1810.
    ClearSizeSet in;
    in.Widths = {800, 900, 0, 0, 0};
    QString refusal;
    QVERIFY(acceptClearSizes(project.state(), in, refusal));
    QCOMPARE(refusal, QString());
    QCOMPARE(in.Widths[1], int16(1010));
    const FrameRecord &m = project->FrameRecords[0];
    QCOMPARE(m.Compartments[0].FillCode, QString("DE"));
    QCOMPARE(m.Compartments[1].FillCode, QString("RA"));
    QCOMPARE(int(m.Compartments[1].PosX), 555);
    QCOMPARE(int(m.Compartments[1].ClearWidth), 1010);
    QVERIFY(!project->NewShapePending);
    VERIFY_DIALOGS(dialogs);
}

// Row 0 of "M;5" fails after rows 2 and 1 passed: they show their completed values, nothing is built.
void TestClearSizeEntry::failedRowStopsWithItsMessage()
{
    ScriptedDialogs dialogs;
    ScopedProject project;
    openOn(project, frame("M;5"), true); // L 1922, B 1754, R 1922
    const FrameRecord before = project->FrameRecords[0];
    // Row 0 is checked against 1922 - 500 - 300 = 1122.
    QString refusal;
    const QString expected = Invalid + "De totale opgegeven dagmaat (1200) is groter dan de maximale dagmaat (1122)";
    ClearSizeSet in;
    in.Left = {600, 600, 0, 0};
    in.Widths = {500, 0, 500, 0, 0};
    in.Right = {500, 300, 0, 0, 0, 0};
    QVERIFY(!acceptClearSizes(project.state(), in, refusal));
    QCOMPARE(refusal, expected); // the shape window shows it
    QCOMPARE(in.Right, (std::array<int16, 6>{500, 300, 561, 561, 0, 0}));
    QCOMPARE(in.Widths, (std::array<int16, 5>{500, 754, 500, 0, 0}));
    QCOMPARE(in.Left, (std::array<int16, 4>{600, 600, 0, 0}));
    QCOMPARE(project->FrameRecords[0], before);
    QCOMPARE(project->ClearWidths, (std::array<int16, 5>{}));
    VERIFY_DIALOGS(dialogs);
}

// A frame over ten metres: W - 2F - Mu = 28000 shares out as 14000 + 14000, more than an input shows.
void TestClearSizeEntry::sizesTheInputsCannotShow()
{
    const QString beyond = "De dagmaten van dit kozijn passen niet in de invoervelden (hoogstens 9999 mm per dagmaat)."
                           "\r\n\r\nHet kozijn wordt hier niet ingedeeld; de maten blijven zoals ze zijn.";
    ClearSizeSet wide;
    wide.Widths = {14000, 14000, 0, 0, 0};
    QVERIFY(!inputsCanHold("K;;1;S", wide));
    QVERIFY(inputsCanHold("K", wide));     // a code without width inputs shows none of them
    ClearSizeSet negative;
    negative.Right[1] = -1;
    QVERIFY(!inputsCanHold("K;;1;S;2", negative));
    QVERIFY(inputsCanHold("K;;1;S", negative)); // R(1) is not an input of "K;;1;S"
    ClearSizeSet edge;
    edge.Widths = {9999, 0, 0, 0, 0};
    QVERIFY(inputsCanHold("K;;1;S", edge));

    ScriptedDialogs dialogs;
    ScopedProject project;
    FrameRecord mark = frame("K;;1;S");
    mark.Width = 28190;
    openOn(project, mark, true);
    const FrameRecord before = project->FrameRecords[0];
    ClearSizeSet in; // empty inputs: the row shares 28000 out
    QString refusal;
    QVERIFY(!acceptClearSizes(project.state(), in, refusal));
    QCOMPARE(refusal, beyond);
    QCOMPARE(in.Widths, (std::array<int16, 5>{})); // shown as given, nothing brought within
    QCOMPARE(project->FrameRecords[0], before);
    QCOMPARE(project->ClearWidths, (std::array<int16, 5>{}));

    // Both typed: the row check recomputes the last to 19000, which no input shows either.
    in.Widths = {9000, 9000, 0, 0, 0};
    refusal.clear();
    QVERIFY(!acceptClearSizes(project.state(), in, refusal));
    QCOMPARE(refusal, beyond);
    QCOMPARE(in.Widths, (std::array<int16, 5>{9000, 9000, 0, 0, 0}));
    VERIFY_DIALOGS(dialogs);
}

void TestClearSizeEntry::rowWithoutRoom()
{
    ScriptedDialogs dialogs;
    ScopedProject project;
    FrameRecord mark = frame("K;;1;S");
    mark.Width = 100;
    mark.MullionThickness = 67; // 100 - 134 - 67
    openOn(project, mark, true);
    QString refusal;
    const QString expected = Invalid + "De maten van het kozijn laten geen ruimte over voor de dagmaten (maximale dagmaat -101)";
    ClearSizeSet in;
    QVERIFY(!acceptClearSizes(project.state(), in, refusal));
    QCOMPARE(refusal, expected);
    QVERIFY(project->FrameRecords[0].Compartments.isEmpty());
    VERIFY_DIALOGS(dialogs);
}

// "M;6": compartment 2 is R(1) less the frame member; R(1) completed to 26 leaves -41.
void TestClearSizeEntry::compartmentWithoutSizeCommitsNothing()
{
    ScriptedDialogs dialogs;
    ScopedProject project;
    openOn(project, frame("M;6"), true); // B 1866, R 1966
    const FrameRecord before = project->FrameRecords[0];
    QString refusal;
    const QString expected = Invalid + "De daghoogte van vak 2 is 0 of kleiner (-41 mm).";
    ClearSizeSet in;
    in.Widths = {300, 1266, 0, 0, 0};
    in.Right = {1940, 0, 0, 0, 0, 0};
    QVERIFY(!acceptClearSizes(project.state(), in, refusal));
    QCOMPARE(refusal, expected);
    QCOMPARE(in.Right[1], int16(26));
    QCOMPARE(project->FrameRecords[0], before);
    QCOMPARE(project->ClearHeightsRight, (std::array<int16, 6>{}));
    VERIFY_DIALOGS(dialogs);
}

void TestClearSizeEntry::unknownCode()
{
    ScriptedDialogs dialogs;
    ScopedProject project;
    openOn(project, frame("X;1"), true);
    QString refusal;
    const QString expected = "Onbekende vorm kozijn: \"X;1\" !";
    ClearSizeSet in;
    QVERIFY(!acceptClearSizes(project.state(), in, refusal));
    QCOMPARE(refusal, expected);
    QVERIFY(project->FrameRecords[0].Compartments.isEmpty());
    VERIFY_DIALOGS(dialogs);
}

void TestClearSizeEntry::variants()
{
    // The mark's own code decides the buttons; the pressed shape button only for a mark without one.
    QCOMPARE(variantBasicShape(frame("L;7"), 2), 4);
    QCOMPARE(variantBasicShape(frame(""), 2), 2);
    QCOMPARE(variantBasicShape(frame("L;1;"), 2), -1);

    ScopedProject project;
    FrameRecord mark = frame("M;1");
    mark.Compartments.resize(3);
    project->FrameRecords = {mark};
    project->MarkCount = 1;
    QVERIFY(chooseVariant(project.state(), 5, 0)); // the code it has
    QVERIFY(!project->NewShapePending);
    QVERIFY(chooseVariant(project.state(), 5, 3));
    QCOMPARE(project->FrameRecords[0].ShapeCode, QString("M;5"));
    QVERIFY(project->NewShapePending);
    project->NewShapePending = false;
    QVERIFY(!chooseVariant(project.state(), 5, 6)); // no seventh variant
    QVERIFY(!chooseVariant(project.state(), 3, 0)); // no variant buttons
    QCOMPARE(project->FrameRecords[0].ShapeCode, QString("M;5"));
    QVERIFY(!project->NewShapePending);
}

// One input, B(0): what the program put in, what the input shows now, and what it stands for.
void TestClearSizeEntry::keptUnlessChanged_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("read");
    QTest::newRow("as put in") << 1200 << 1200 << 1200;
    QTest::newRow("typed over") << 1200 << 900 << 900;
    QTest::newRow("above the input, shown within") << 12000 << 9999 << 12000;
    QTest::newRow("above the input, typed over") << 12000 << 9998 << 9998;
    QTest::newRow("below the input, shown as empty") << -5 << 0 << -5;
    QTest::newRow("below the input, typed") << -5 << 7 << 7;
    QTest::newRow("emptied by the user") << 1200 << 0 << 0;
}

void TestClearSizeEntry::keptUnlessChanged()
{
    QFETCH(int, set);
    QFETCH(int, shown);
    QFETCH(int, read);
    ClearSizeSet byProgram, now;
    byProgram.Widths[0] = int16(set);
    now.Widths[0] = int16(shown);
    // Every other input: a size kept though it shows within, beside one typed over.
    byProgram.Right[5] = 20000;
    now.Right[5] = 9999;
    byProgram.Middle[1] = 400;
    now.Middle[1] = 450;
    ClearSizeSet expected;
    expected.Widths[0] = int16(read);
    expected.Right[5] = 20000;
    expected.Middle[1] = 450;
    QCOMPARE(clearSizesOfInputs(byProgram, now), expected);
}

QTEST_GUILESS_MAIN(TestClearSizeEntry)
#include "tst_clearsizeentry.moc"
