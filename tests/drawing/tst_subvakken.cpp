// The compartment options window, offscreen: what it offers per fill code, the defaults it writes
// on opening, each choice stored into the compartment and redrawn, the breast-wall list cut at the
// clear height, "O.K." moving on, Esc and F1, and the window beside the real drawing window.
#include "DrawingFixtures.h"
#include "TestSupport.h"
#include "app/AppWindowOpener.h"
#include "app/ProjectFormLevels.h"
#include "drawing/CompartmentOptions.h"
#include "drawing/options/SubVakken.h"
#include "drawing/window/TekenForm.h"
#include "forms/RecordingWindowOpener.h"
#include "model/ProjectState.h"
#include "model/Vocabularies.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QtTest>

namespace {
// The drawing window as the options window sees it.
class StubDrawing : public CompartmentSelection {
public:
    bool hasCompartmentNumber() const override { return has; }
    int compartmentNumber() const override { return has ? number : 0; }
    int compartmentNumberMinimum() const override { return 1; }
    int compartmentNumberMaximum() const override { return maximum; }
    void setCompartmentNumber(int n) override
    {
        number = n;
        has = true;
        set << n;
    }
    void ReDrawVak() override { ++redraws; }

    bool has = true;
    int number = 1;
    int maximum = 1;
    int redraws = 0;
    QList<int> set;
};


// A compartment 900 x 900, filled as the drawing window leaves it: type, code, empty parts.
CompartmentRecord filledCompartment(const QString &type, const QString &code, int parts, int clearHeight = 900)
{
    CompartmentRecord c;
    c.FillType = type;
    c.FillCode = code;
    c.ClearWidth = 900;
    c.ClearHeight = int16(clearHeight);
    c.Parts = QList<CompartmentPartRecord>(parts);
    return c;
}

QList<CompartmentPartRecord> parts(const QList<std::tuple<QString, int, int>> &each)
{
    QList<CompartmentPartRecord> out;
    for (const auto &[grille, h, v] : each) {
        CompartmentPartRecord p;
        p.GrilleCode = grille;
        p.BarsHorizontal = int16(h);
        p.BarsVertical = int16(v);
        out << p;
    }
    return out;
}

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

template <typename W>
W *loaded()
{
    for (Form *f : Form::loadedForms())
        if (auto *w = qobject_cast<W *>(f)) return w;
    return nullptr;
}
}

class TestSubVakken : public QObject {
    Q_OBJECT
    ProjectFormLevels levels; // the windows count their levels in the project
private slots:
    void init();
    void cleanup();

    void offersPerFillCode_data();
    void offersPerFillCode();
    void opensWithItsDefaults();
    void directionButtons_data();
    void directionButtons();
    void grilles_data();
    void grilles();
    void grilleStoreAnswers_data();
    void grilleStoreAnswers();
    void bars();
    void breastWallListCutAtTheClearHeight();
    void glazingScreenAndCheckBoxes();
    void noCompartmentStoresNothing();
    void okMovesOnEscDoesNot();
    void helpAndHighlight();
    void clickedDirectionIsHighlighted();
    void everyTextShowsWhole_data();
    void everyTextShowsWhole();

    void besideTheRealDrawingWindow();

private:
    SubVakken *open(const QList<CompartmentRecord> &compartments, int number = 1);

    std::unique_ptr<ScopedProject> project;
    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<ScriptedDialogs> dialogs;
    StubDrawing drawing;
};

void TestSubVakken::init()
{
    project = std::make_unique<ScopedProject>();
    folder = std::make_unique<TestFolder>();
    dialogs = std::make_unique<ScriptedDialogs>();
    drawing = StubDrawing();
}

void TestSubVakken::cleanup()
{
    QList<QPointer<Form>> left;
    for (Form *f : Form::loadedForms()) left << f;
    for (const QPointer<Form> &f : left)
        if (f) delete f.data();
    settle();
    dialogs.reset();
    folder.reset();
    project.reset();
}

SubVakken *TestSubVakken::open(const QList<CompartmentRecord> &compartments, int number)
{
    FrameRecord m = drawingMark("K", 1100, 1100, 100, {});
    m.Compartments = compartments;
    ProjectState &s = Project();
    s.FrameRecords = {m};
    s.MarkCount = 1;
    s.CurrentMarkIndex = 0;
    drawing.number = number;
    drawing.maximum = int(compartments.size());
    return SubVakken::Show(&drawing);
}

void TestSubVakken::offersPerFillCode_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("group");       // the one Frame1 shown, -1 none
    QTest::addColumn<QString>("enabled"); // s side, p placement, b breast wall, h toughened glass, r screen
    QTest::newRow("DE") << "DEUR" << "DE" << 0 << "br";
    QTest::newRow("BE") << "DEUR" << "BE" << 1 << "br";
    QTest::newRow("D2") << "DEUR" << "D2" << 0 << "pbr";
    QTest::newRow("B2") << "DEUR" << "B2" << 1 << "pbr";
    QTest::newRow("DD") << "DEUR" << "DD" << 1 << "br";
    QTest::newRow("DU") << "DEUR" << "DU" << 2 << "sbr";
    QTest::newRow("DK") << "DEUR" << "DK" << 3 << "sbr";
    QTest::newRow("SD") << "DEUR" << "SD" << 4 << "sbr";
    QTest::newRow("RA") << "RAAM" << "RA" << 0 << "hr";
    QTest::newRow("RB") << "RAAM" << "RB" << 1 << "hr";
    QTest::newRow("KL") << "RAAM" << "KL" << 5 << "hr";
    QTest::newRow("VA") << "RAAM" << "VA" << 6 << "hr";
    QTest::newRow("DV") << "RAAM" << "DV" << 7 << "hr";
    QTest::newRow("SU") << "RAAM" << "SU" << 2 << "shr";
    QTest::newRow("SV, no side list") << "RAAM" << "SV" << 3 << "hr";
    QTest::newRow("glazing") << "GLASVAK" << "GL_BU" << 8 << "b";
    QTest::newRow("inside glazing") << "GLASVAK" << "GL_BI" << 8 << "b";
}

void TestSubVakken::offersPerFillCode()
{
    QFETCH(QString, type);
    QFETCH(QString, code);
    QFETCH(int, group);
    QFETCH(QString, enabled);
    SubVakken *w = open({filledCompartment(type, code, FillCodes::find(code)->parts)});
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QString("Subvakken"));
    QCOMPARE(w->width(), 248);
    for (int g = 0; g < 9; ++g) QCOMPARE(w->Frame1[g]->isVisible(), g == group);
    QCOMPARE(w->Frame1[group]->pos(), QPoint(5, 5));
    if (group < 8)
        for (QToolButton *b : w->Frame1[group]->findChildren<QToolButton *>()) QVERIFY(!b->icon().isNull());
    QCOMPARE(w->Combo1[1]->isEnabled(), enabled.contains('s'));
    QCOMPARE(w->Combo1[2]->isEnabled(), enabled.contains('p'));
    QCOMPARE(w->Combo1[3]->isEnabled(), enabled.contains('b'));
    QCOMPARE(w->Check1[1]->isEnabled(), enabled.contains('h'));
    QCOMPARE(w->Combo1[5]->isEnabled(), enabled.contains('r'));
    for (int k : {0, 4}) QVERIFY(w->Combo1[k]->isEnabled());
    QCOMPARE(w->Combo1[0]->entry(7), QString("Vent.rooster bed. R trekkoord"));
    QCOMPARE(w->Combo1[2]->entry(1), QString("Roedes alleen  in onderste vak"));
    VERIFY_DIALOGS(*dialogs);
}

void TestSubVakken::opensWithItsDefaults()
{
    // Whatever the parts held, the lists' first choices are written: no grilles, the counts
    // (0, 0) in part 0 and none in part 1. The rest of the compartment is left alone.
    CompartmentRecord pane = filledCompartment("DEUR", "B2", 2);
    pane.Parts = parts({{"3", 4, 5}, {"6R", 2, 2}});
    pane.Direction = 2;
    pane.OpensInward = true;
    pane.ScreenName = "Rolhor";
    pane.BreastWallHeight = 300;
    SubVakken *w = open({pane});
    QVERIFY(w);
    const CompartmentRecord &c = Project().FrameRecords[0].Compartments[0];
    QCOMPARE(c.Parts, parts({{"", 0, 0}, {"", 0, 0}}));
    QCOMPARE(c.Direction, int16(2));
    QCOMPARE(c.OpensInward, true);
    QCOMPARE(c.ScreenName, QString("Rolhor"));
    QCOMPARE(c.BreastWallHeight, int16(300));
    QCOMPARE(w->Combo1[3]->listIndex(), -1);
    QCOMPARE(w->Combo1[5]->listIndex(), -1);
    QVERIFY(drawing.redraws > 0);
    QCOMPARE(w->levelTag(), QString("0"));
    QCOMPARE(Project().FormLevel, int16(1));

    // Glazing: outside glazing, fixed.
    w->unload();
    QCOMPARE(Project().FormLevel, int16(0));
    CompartmentRecord glass = filledCompartment("GLASVAK", "GL_BI", 1);
    glass.Direction = 1;
    glass.OpensInward = true;
    w = open({glass});
    QVERIFY(w);
    const CompartmentRecord &g = Project().FrameRecords[0].Compartments[0];
    QCOMPARE(g.FillCode, QString("GL_BU"));
    QCOMPARE(g.Direction, int16(0));
    QCOMPARE(g.OpensInward, false);
    QCOMPARE(w->Combo1[4]->listIndex(), 0);
    QCOMPARE(w->Combo1[4]->entry(1), QString("Binnenbeglazing"));
}

void TestSubVakken::directionButtons_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("inward");
    QTest::newRow("DE links") << "DEUR" << "DE" << QList<int>{1} << 1 << false;
    QTest::newRow("RA rechts") << "RAAM" << "RA" << QList<int>{2} << 2 << false;
    QTest::newRow("BE links") << "DEUR" << "BE" << QList<int>{4} << 1 << true;
    QTest::newRow("RB rechts") << "RAAM" << "RB" << QList<int>{5} << 2 << true;
    QTest::newRow("BE vast") << "DEUR" << "BE" << QList<int>{5, 3} << 0 << false;
    QTest::newRow("DU") << "DEUR" << "DU" << QList<int>{8} << 2 << false;
    QTest::newRow("DK inward then fixed") << "DEUR" << "DK" << QList<int>{10, 9} << 0 << false;
    QTest::newRow("SV") << "RAAM" << "SV" << QList<int>{11} << 2 << true;
    QTest::newRow("SD both ways") << "DEUR" << "SD" << QList<int>{14} << 3 << false;
    QTest::newRow("SD right") << "DEUR" << "SD" << QList<int>{13} << 2 << false;
    QTest::newRow("KL") << "RAAM" << "KL" << QList<int>{16} << 1 << false;
    QTest::newRow("VA") << "RAAM" << "VA" << QList<int>{18} << 1 << true;
    QTest::newRow("DV") << "RAAM" << "DV" << QList<int>{21} << 2 << true;
}

void TestSubVakken::directionButtons()
{
    QFETCH(QString, type);
    QFETCH(QString, code);
    QFETCH(QList<int>, buttons);
    QFETCH(int, direction);
    QFETCH(bool, inward);
    SubVakken *w = open({filledCompartment(type, code, FillCodes::find(code)->parts)});
    QVERIFY(w);
    for (int b : buttons) {
        const int before = drawing.redraws;
        QVERIFY(w->Command1[b]->isVisible());
        w->Command1[b]->click();
        QCOMPARE(drawing.redraws, before + 1);
    }
    const CompartmentRecord &c = Project().FrameRecords[0].Compartments[0];
    QCOMPARE(c.Direction, int16(direction));
    QCOMPARE(c.OpensInward, inward);
    QVERIFY(w->isLoaded());
}

void TestSubVakken::grilles_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("side");  // -1: left as the window put it
    QTest::addColumn<int>("grille");
    QTest::addColumn<QStringList>("codes");
    // One leaf: the side list stays at "alleen links", so the code goes to the one part.
    QTest::newRow("RA") << "RAAM" << "RA" << -1 << 8 << QStringList{"5R"};
    QTest::newRow("glazing slot") << "GLASVAK" << "GL_BU" << -1 << 1 << QStringList{"1"};
    // Panes above each other: the side list is not offered, the grille goes to the upper pane.
    QTest::newRow("B2") << "DEUR" << "B2" << -1 << 3 << QStringList{"3", ""};
    QTest::newRow("DU right") << "DEUR" << "DU" << 1 << 4 << QStringList{"", "4L"};
    QTest::newRow("SU both") << "RAAM" << "SU" << 2 << 9 << QStringList{"6R", "6R"};
    QTest::newRow("SD none again") << "DEUR" << "SD" << 2 << 0 << QStringList{"", ""};
}

void TestSubVakken::grilles()
{
    QFETCH(QString, type);
    QFETCH(QString, code);
    QFETCH(int, side);
    QFETCH(int, grille);
    QFETCH(QStringList, codes);
    SubVakken *w = open({filledCompartment(type, code, FillCodes::find(code)->parts)});
    QVERIFY(w);
    w->Combo1[0]->setListIndex(5); // something else first
    if (side >= 0) QVERIFY(w->Combo1[1]->setListIndex(side));
    const int before = drawing.redraws;
    QVERIFY(w->Combo1[0]->setListIndex(grille));
    QCOMPARE(drawing.redraws, before + 1);
    const CompartmentRecord &c = Project().FrameRecords[0].Compartments[0];
    QStringList stored;
    for (const CompartmentPartRecord &p : c.Parts) stored << p.GrilleCode;
    QCOMPARE(stored, codes);
}

// The grille store answers false when the side names a part the compartment lacks, and stores what
// fits before it stops; no side stores nothing and is no failure.
void TestSubVakken::grilleStoreAnswers_data()
{
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("two parts, left") << 2 << 0 << true << QStringList{"3", ""};
    QTest::newRow("two parts, right") << 2 << 1 << true << QStringList{"", "3"};
    QTest::newRow("two parts, both") << 2 << 2 << true << QStringList{"3", "3"};
    QTest::newRow("two parts, no side") << 2 << -1 << true << QStringList{"oud", "oud"};
    QTest::newRow("one part, left") << 1 << 0 << false << QStringList{"3"};
    QTest::newRow("one part, right") << 1 << 1 << false << QStringList{""};
    QTest::newRow("one part, both") << 1 << 2 << false << QStringList{"3"};
    QTest::newRow("one part, no side") << 1 << -1 << true << QStringList{"oud"};
    QTest::newRow("no parts") << 0 << 0 << false << QStringList{};
}

void TestSubVakken::grilleStoreAnswers()
{
    QFETCH(int, parts);
    QFETCH(int, side);
    QFETCH(bool, complete);
    QFETCH(QStringList, codes);
    CompartmentRecord c = filledCompartment("RAAM", "SU", parts);
    for (CompartmentPartRecord &p : c.Parts) p.GrilleCode = "oud";
    QCOMPARE(CompartmentOptions::setGrille(c, "3", side), complete);
    QStringList stored;
    for (const CompartmentPartRecord &p : c.Parts) stored << p.GrilleCode;
    QCOMPARE(stored, codes);
}

void TestSubVakken::bars()
{
    using Parts = QList<CompartmentPartRecord>;
    const auto counts = [] {
        Parts out = Project().FrameRecords[0].Compartments[0].Parts;
        for (CompartmentPartRecord &p : out) p.GrilleCode.clear();
        return out;
    };
    // Panes above each other: the counts go to the pane the placement names.
    SubVakken *w = open({filledCompartment("DEUR", "B2", 2)});
    QVERIFY(w);
    w->Num1[0]->setValue(3);
    QCOMPARE(counts(), parts({{"", 3, 0}, {"", 0, 0}}));
    int before = drawing.redraws;
    w->Num1[1]->setValue(2);
    QCOMPARE(drawing.redraws, before + 1);
    QCOMPARE(counts(), parts({{"", 3, 2}, {"", 0, 0}}));
    QVERIFY(w->Combo1[2]->setListIndex(1)); // "Roedes alleen  in onderste vak"
    QCOMPARE(counts(), parts({{"", 0, 0}, {"", 3, 2}}));
    QVERIFY(w->Combo1[2]->setListIndex(2));
    QCOMPARE(counts(), parts({{"", 3, 2}, {"", 3, 2}}));
    w->Num1[0]->setValueText("12"); // one digit at most: 9
    QCOMPARE(counts(), parts({{"", 9, 2}, {"", 9, 2}}));
    w->unload();

    // Two leaves that are alike: every change stores both counts in both leaves.
    for (const char *code : {"DU", "DK", "SD"}) {
        w = open({filledCompartment("DEUR", code, 2)});
        QVERIFY(w);
        w->Num1[1]->setValue(4);
        QCOMPARE(counts(), parts({{"", 0, 4}, {"", 0, 4}}));
        w->Num1[0]->setValue(1);
        QCOMPARE(counts(), parts({{"", 1, 4}, {"", 1, 4}}));
        w->unload();
    }
    // French windows keep the placement list at the upper (left) one: only the left leaf gets bars.
    w = open({filledCompartment("RAAM", "SU", 2)});
    QVERIFY(w);
    w->Num1[0]->setValue(2);
    QCOMPARE(counts(), parts({{"", 2, 0}, {"", 0, 0}}));
    w->unload();

    // One part: the store into the missing second part is skipped, the first still made.
    w = open({filledCompartment("RAAM", "RA", 1)});
    QVERIFY(w);
    w->Combo1[2]->setListIndex(2);
    w->Num1[1]->setValue(5);
    QCOMPARE(counts(), parts({{"", 0, 5}}));
    // A bar placement while a count is empty stores nothing.
    w->Num1[0]->clearValue();
    before = drawing.redraws;
    w->Combo1[2]->setListIndex(0);
    QCOMPARE(drawing.redraws, before + 1);
    QCOMPARE(counts(), parts({{"", 0, 5}}));
}

void TestSubVakken::breastWallListCutAtTheClearHeight()
{
    // Only lines below the clear height, as they stand; a negative height is not offered.
    folder->write("BorstW.txt", "600\r\n900\r\n1000\r\n-50\r\n 450 mm\r\nabc\r\n");
    SubVakken *w = open({filledCompartment("GLASVAK", "GL_BU", 1, 900)});
    QVERIFY(w);
    QCOMPARE(w->Combo1[3]->entryCount(), 3);
    QCOMPARE(w->Combo1[3]->entry(0), QString("600"));
    QCOMPARE(w->Combo1[3]->entry(1), QString(" 450 mm"));
    QCOMPARE(w->Combo1[3]->entry(2), QString("abc"));
    CompartmentRecord &c = Project().FrameRecords[0].Compartments[0];
    QVERIFY(w->Combo1[3]->setListIndex(0));
    QCOMPARE(c.BreastWallHeight, int16(600));
    // Entries that are no plain number leave the height as it was, and the compartment is redrawn.
    for (int k : {1, 2}) {
        const int before = drawing.redraws;
        QVERIFY(w->Combo1[3]->setListIndex(k));
        QCOMPARE(c.BreastWallHeight, int16(600));
        QCOMPARE(drawing.redraws, before + 1);
    }
    w->unload();

    // No file: an empty list, no message.
    QVERIFY(QFile::remove(folder->file("BorstW.txt")));
    w = open({filledCompartment("DEUR", "DE", 1, 2100)});
    QVERIFY(w);
    QCOMPARE(w->Combo1[3]->entryCount(), 0);
    VERIFY_DIALOGS(*dialogs);
}

void TestSubVakken::glazingScreenAndCheckBoxes()
{
    SubVakken *w = open({filledCompartment("GLASVAK", "GL_BU", 1)});
    QVERIFY(w);
    CompartmentRecord &c = Project().FrameRecords[0].Compartments[0];
    QVERIFY(w->Combo1[4]->setListIndex(1));
    QCOMPARE(c.FillCode, QString("GL_BI"));
    QVERIFY(w->Combo1[4]->setListIndex(0));
    QCOMPARE(c.FillCode, QString("GL_BU"));
    w->unload();

    w = open({filledCompartment("RAAM", "RA", 1)});
    QVERIFY(w);
    CompartmentRecord &r = Project().FrameRecords[0].Compartments[0];
    // The screen list: an empty entry, then the catalogue's screens.
    QCOMPARE(w->Combo1[5]->entry(0), QString());
    QCOMPARE(w->Combo1[5]->entry(2), QString("Plissé hor"));
    QVERIFY(w->Combo1[5]->setListIndex(2));
    QCOMPARE(r.ScreenName, QString("Plissé hor"));
    QVERIFY(w->Combo1[5]->setListIndex(0));
    QCOMPARE(r.ScreenName, QString());

    int before = drawing.redraws;
    w->Check1[0]->click();
    QCOMPARE(r.AppliedBars, true);
    w->Check1[1]->click();
    QCOMPARE(r.ToughenedGlass, true);
    QCOMPARE(drawing.redraws, before + 2);
    w->Check1[0]->click();
    QCOMPARE(r.AppliedBars, false);
    // A box set to its grey third state from code counts as not ticked.
    w->Check1[1]->setTristate(true);
    w->Check1[1]->setCheckState(Qt::PartiallyChecked);
    QCOMPARE(r.ToughenedGlass, false);
}

void TestSubVakken::noCompartmentStoresNothing()
{
    // The drawing window's number names no compartment (empty or past the last): nothing is
    // stored, nothing fails, the redraw is still asked for.
    const CompartmentRecord c = filledCompartment("DEUR", "DU", 2);
    for (const bool empty : {true, false}) {
        drawing.has = !empty;
        SubVakken *w = open({c}, empty ? 0 : 2);
        QVERIFY(w);
        drawing.maximum = 1;
        QVERIFY(w->Frame1[0]->isHidden() && w->Frame1[2]->isHidden());
        const int before = drawing.redraws;
        w->Combo1[0]->setListIndex(3);
        w->Num1[0]->setValue(2);
        w->Check1[0]->click();
        w->Command1[7]->click();
        QCOMPARE(drawing.redraws, before + 4);
        QCOMPARE(Project().FrameRecords[0].Compartments[0], c);
        w->unload();
    }
}

void TestSubVakken::okMovesOnEscDoesNot()
{
    const QList<CompartmentRecord> three = {filledCompartment("RAAM", "RA", 1), filledCompartment("RAAM", "RA", 1),
                                            filledCompartment("RAAM", "RA", 1)};
    QPointer<SubVakken> w = open(three, 2);
    QVERIFY(w);
    int before = drawing.redraws;
    w->OK->click();
    QCOMPARE(drawing.set, QList<int>{3});
    QCOMPARE(drawing.redraws, before + 1);
    QVERIFY(!w->isLoaded());
    QCOMPARE(Project().FormLevel, int16(0));
    settle();
    QVERIFY(!w);

    // After the last compartment, the first.
    w = open(three, 3);
    w->OK->click();
    QCOMPARE(drawing.set, (QList<int>{3, 1}));

    // Esc closes and does not move on.
    w = open(three, 2);
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isLoaded());
    QCOMPARE(drawing.set, (QList<int>{3, 1}));
}

void TestSubVakken::helpAndHighlight()
{
    RecordingWindowOpener opener;
    SubVakken *w = open({filledCompartment("DEUR", "DE", 1)});
    QVERIFY(w);
    QTest::keyClick(w, Qt::Key_F1);
    QCOMPARE(opener.helpTopics(), QList<HelpTopic>{HelpTopic::Options});
    QVERIFY(w->isLoaded());

    // The direction button that got the focus last is shown in blue; the one before goes back.
    QCOMPARE(w->highlightedButton(), 0);
    w->Command1_GotFocus(1);
    QCOMPARE(w->Command1[1]->palette().color(QPalette::Button), QColor(0, 200, 255));
    w->Command1_GotFocus(2);
    QCOMPARE(w->highlightedButton(), 2);
    QCOMPARE(w->Command1[2]->palette().color(QPalette::Button), QColor(0, 200, 255));
    QVERIFY(w->Command1[1]->palette().color(QPalette::Button) != QColor(0, 200, 255));
    saveShot(w, "subvakken-DE");
}

// The user's clicks: the blue face follows the button pressed, whatever had it before, so the window
// shows the direction the compartment now has.
void TestSubVakken::clickedDirectionIsHighlighted()
{
    SubVakken *w = open({filledCompartment("RAAM", "RA", 1)});
    QVERIFY(w);
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    const QColor blue(0, 200, 255);
    const CompartmentRecord &c = Project().FrameRecords[0].Compartments[0];
    struct Step { int button; int direction; };
    for (const Step &step : {Step{1, 1}, Step{2, 2}, Step{0, 0}, Step{2, 2}}) {
        QTest::mouseClick(w->Command1[step.button], Qt::LeftButton);
        QCOMPARE(c.Direction, int16(step.direction));
        QCOMPARE(w->highlightedButton(), step.button);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(w->Command1[k]->palette().color(QPalette::Button) == blue, k == step.button);
    }
    saveShot(w, "subvakken-RA-rechts");
}

void TestSubVakken::everyTextShowsWhole_data() { addFontRows(); }

// Every entry of every list (also a greyed one) stands clear of the list's arrow, and no label or box
// text is cut, in the fonts the program maps; the window stays on a screen 1024 wide.
void TestSubVakken::everyTextShowsWhole()
{
    QFETCH(QString, family);
    QFETCH(qreal, points);
    const ScopedAppFont font(family, points);
    SubVakken *w = open({filledCompartment("RAAM", "SU", FillCodes::find("SU")->parts)});
    QVERIFY(w);
    QVERIFY(!w->Combo1[2]->isEnabled()); // "Roedes alleen in bovenste vak", greyed
    for (ChoiceList *c : w->Combo1) {
        QStyleOptionComboBox option;
        option.initFrom(c);
        option.rect = c->rect();
        option.frame = c->hasFrame();
        const int room = c->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c).width() - 2;
        for (int i = 0; i < c->entryCount(); ++i)
            QVERIFY2(c->fontMetrics().horizontalAdvance(c->entry(i)) <= room, qPrintable(c->entry(i)));
    }
    for (const QLabel *l : w->findChildren<QLabel *>())
        QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(l->text()));
    for (const QCheckBox *b : w->Check1) QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
    for (const QWidget *inside : w->findChildren<QWidget *>())
        if (inside->window() == w && inside != w)
            QVERIFY2(inside->geometry().right() < inside->parentWidget()->width(), qPrintable(inside->objectName()));
    QVERIFY(w->width() < 1024 / 2); // beside the drawing window
    saveShot(w, QString("subvakken-") + QTest::currentDataTag());
    VERIFY_DIALOGS(*dialogs);
}

void TestSubVakken::besideTheRealDrawingWindow()
{
    AppWindowOpener windows;
    ScopedWindowOpener installed(&windows);
    ProjectState &s = Project();
    // 1100 x 2300, T 100: two openings side by side, 400 and 530 wide, 2100 high.
    s.FrameRecords = {drawingMark("K;;1;S", 1100, 2300, 100, {{400, 2100}, {530, 2100}})};
    s.MarkCount = 1;
    s.NewShapePending = true;
    QPointer<TekenForm> f = TekenForm::Show();
    QVERIFY(f);
    f->Command1[1]->click();
    f->Command2[9]->click(); // "Draairaam (Buitendraaiend)" in compartment 1
    QPointer<SubVakken> w = loaded<SubVakken>();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->levelTag(), QString("1")); // one level above the drawing window
    QVERIFY(w->Frame1[0]->isVisible());

    // A choice is written into compartment 1 and drawn at once: the window opens to the left, its
    // lines meet at the middle of the right edge.
    const CompartmentRecord &c = s.FrameRecords[0].Compartments[0];
    QCOMPARE(c.Parts[0].PartWidth, int16(400 - 160)); // the redraw of the fill code
    const QImage before = f->canvas().image();
    w->Command1[1]->click();
    QCOMPARE(c.Direction, int16(1));
    QVERIFY(f->canvas().image() != before);
    w->Combo1[0]->setListIndex(3);
    QCOMPARE(c.Parts[0].GrilleCode, QString("3"));
    saveShot(w, "subvakken-RA");

    // "O.K." closes it and the drawing window selects compartment 2.
    w->OK->click();
    QVERIFY(!w->isLoaded());
    QCOMPARE(f->Num1->value(), 2);
    QVERIFY(f->Shape1->isShown());

    // Glass in compartment 2 (the options of compartment 1 are open again first: they give way);
    // going back to the drawing window closes the options window.
    QPointer<SubVakken> first = SubVakken::Show(f);
    QVERIFY(first);
    f->Command1[2]->click();
    QVERIFY(!first->isLoaded());
    w = loaded<SubVakken>();
    QVERIFY(w && w->Frame1[8]->isVisible());
    QCOMPARE(s.FrameRecords[0].Compartments[1].FillCode, QString("GL_BU"));
    Form::activated(w);
    Form::activated(f);
    QVERIFY(!w || !w->isLoaded());

    // Closing the drawing window takes an open options window with it.
    f->Num1->setValue(1);
    f->Command1[0]->click();
    f->Command2[1]->click(); // "1 vaksdeur (Binnendraaiend)"
    w = loaded<SubVakken>();
    QVERIFY(w);
    f->Command1[5]->click(); // "Terug"
    settle(); // the drawing window goes, and the options window goes with it
    settle();
    QVERIFY(!f);
    QVERIFY(!w);
    QCOMPARE(s.FormLevel, int16(0));
    VERIFY_DIALOGS(*dialogs);
}

QTEST_MAIN(TestSubVakken)
#include "tst_subvakken.moc"
