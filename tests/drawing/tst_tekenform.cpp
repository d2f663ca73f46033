// The drawing window, offscreen: opening a new and a kept mark, selection by click and by number,
// the fill-type and fill-code buttons, the sill, the remark, the ready check and the form levels.
// Positions on the canvas are worked out by hand from the scale and offsets of each mark.
#include "DrawingFixtures.h"
#include "TestSupport.h"
#include "app/ProjectFormLevels.h"
#include "drawing/window/TekenForm.h"
#include "forms/Form.h"
#include "model/Checks.h"
#include "forms/RecordingWindowOpener.h"
#include "model/Vocabularies.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"
#include "platform/widgets/TextField.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {
// Stands in for the shape window beneath the drawing window.
class Beneath : public Form {
public:
    int unloads = 0;

protected:
    void Form_Load() override { RegisterFormLevel(); }
    void Form_Unload(bool &) override { ++unloads; }
};

// The marker's size is the clear size times the scale in double, not rounded: 700 * 2.8 is a hair
// under 1960.
MarkerGeometry marker(int left, int top, double w, double h) { return {true, left, top, w, h}; }

// Pixels of the canvas that are not white within a rectangle of pixels.
int inked(const QImage &image, const QRect &r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ++n;
    return n;
}

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}

class TestTekenForm : public QObject {
    Q_OBJECT
    ProjectFormLevels levels; // the windows count their levels in the project
private slots:
    void init();
    void cleanup();

    void opensANewMark();
    void opensAKeptMark_data();
    void opensAKeptMark();
    void missingCatalogueFilesLeaveTheListsEmpty();
    void frameTooLargeToDrawIsReported();

    void selectsByClick();
    void selectsByNumberAlsoTheSameNumber();
    void noValidCompartmentNumberDoesNothing();
    void aNumberBeyondTheLastCompartmentNeverMovesTheFill();

    void fillTypeButtons_data();
    void fillTypeButtons();
    void fillCodeButtons_data();
    void fillCodeButtons();
    void codeOfAnotherTypeClearsAndRetypes();
    void panelCodesMoveOnAndWrap();
    void terugInACodeBoxOnlyHidesIt();
    void wissenClearsTheCompartment();

    void sillChoice();
    void sillOfAFrameNotDrawnIsNotDrawn();
    void noCurrentMark();

    void readyRefusesThenClosesBothWindows();
    void formLevelsEscAndHelp();

    void shots_data();
    void shots();
    void filledShots_data();
    void filledShots();

private:
    TekenForm *open(const FrameRecord &mark, bool newShape = true, Form *beneath = nullptr);

    std::unique_ptr<ScopedProject> project;
    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<RecordingWindowOpener> opener;
    QList<Form *> optionsOpened() const { return opener->openedFrom(WindowKind::Options); }
};

void TestTekenForm::init()
{
    project = std::make_unique<ScopedProject>();
    folder = std::make_unique<TestFolder>();
    dialogs = std::make_unique<ScriptedDialogs>();
    opener = std::make_unique<RecordingWindowOpener>();
}

void TestTekenForm::cleanup()
{
    QList<QPointer<Form>> left;
    for (Form *f : Form::loadedForms()) left << f;
    for (const QPointer<Form> &f : left)
        if (f) delete f.data();
    settle();
    opener.reset();
    dialogs.reset();
    folder.reset();
    project.reset();
}

TekenForm *TestTekenForm::open(const FrameRecord &mark, bool newShape, Form *beneath)
{
    ProjectState &s = Project();
    s.FrameRecords = {mark};
    s.MarkCount = 1;
    s.CurrentMarkIndex = 0;
    s.NewShapePending = newShape;
    return TekenForm::Show(nullptr, beneath);
}

void TestTekenForm::opensANewMark()
{
    FrameRecord m = sevenCompartments();
    m.Colour = "Zwart RAL 9005"; // a new shape starts from the lists' first choices
    m.CavityBatten = "Spouwlat 40 mm";
    m.Sill = "Hardsteen onderdorpel";
    m.Remark = "oud";
    m.Compartments[2].FillType = "RAAM";
    m.Compartments[2].FillCode = "RA";
    TekenForm *f = open(m);
    QVERIFY(f && f->isLoaded() && f->isVisible());

    QCOMPARE(f->windowTitle(), QString("7 vaks rechthoekig kozijn (breedte x hoogte = 3000 mm x 2000 mm)"));
    QCOMPARE(f->pos().y(), 67);
    const FrameRecord &r = Project().FrameRecords[0];
    QCOMPARE(r.Colour, QString("Wit RAL 9010"));
    QCOMPARE(r.CavityBatten, QString());
    QCOMPARE(r.Sill, QString());
    QCOMPARE(f->Combo1[0]->listIndex(), 0);
    QCOMPARE(f->Combo1[0]->entryCount(), 9);
    QCOMPARE(f->Combo1[1]->listIndex(), 0);
    QCOMPARE(f->Combo1[1]->entry(0), QString());
    QCOMPARE(f->Combo1[1]->entry(1), QString("Spouwlat 30 mm"));
    QCOMPARE(f->Combo1[1]->entryCount(), 6);
    QCOMPARE(f->Combo1[2]->listIndex(), 0);
    QCOMPARE(f->Combo1[2]->entryCount(), 6);
    QCOMPARE(f->Text1->text(), QString());

    QCOMPARE(f->Num1->minimum(), 1);
    QCOMPARE(f->Num1->maximum(), 7);
    QCOMPARE(f->Num1->value(), 1);
    QVERIFY(f->Shape1->isShown());
    // (60, 60) -> (213, 488), plus one pixel; 600 x 500 at 2.8
    QCOMPARE(f->Shape1->placed(), marker(228, 503, 600 * 2.8, 500 * 2.8));
    QCOMPARE(r.Compartments[5].PosX, int16(730));
    QCOMPARE(r.Compartments[5].PosY, int16(710));
    QCOMPARE(r.Compartments[2].FillCode, QString("RA")); // the opening changes no filling
    for (QFrame *box : {f->PicDeur, f->PicRaam, f->PicPaneel}) QVERIFY(box->isHidden());
    QCOMPARE(f->levelTag(), QString("0"));
    QCOMPARE(Project().FormLevel, int16(1));

    f->Command1[5]->click(); // "Terug": the remark (empty for a new shape) is stored
    QCOMPARE(Project().FrameRecords[0].Remark, QString());
    QCOMPARE(Project().FormLevel, int16(0));
    VERIFY_DIALOGS(*dialogs);
}

void TestTekenForm::opensAKeptMark_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("batten");
    QTest::addColumn<QString>("sill");
    QTest::addColumn<int>("colourIndex");
    QTest::addColumn<int>("battenIndex");
    QTest::addColumn<int>("sillIndex");
    QTest::addColumn<QString>("colourAfter");
    // Listed choices come back selected.
    QTest::newRow("listed") << "Antraciet RAL 7016" << "Spouwlat 60 mm" << "Kunststeen onderdorpel" << 3 << 4 << 2
                            << "Antraciet RAL 7016";
    // Choices the catalogue no longer holds are listed last, for this window, and selected.
    QTest::newRow("no longer listed") << "Rood RAL 3000" << "Spouwlat 99 mm" << "Oude dorpel" << 9 << 6 << 6
                                      << "Rood RAL 3000";
    // Empty choices: the colour and batten keep the loaded first entries, the sill shows none.
    QTest::newRow("empty") << "" << "" << "" << 0 << 0 << -1 << "Wit RAL 9010";
}

void TestTekenForm::opensAKeptMark()
{
    QFETCH(QString, colour);
    QFETCH(QString, batten);
    QFETCH(QString, sill);
    QFETCH(int, colourIndex);
    QFETCH(int, battenIndex);
    QFETCH(int, sillIndex);
    QFETCH(QString, colourAfter);
    const QByteArray kleur = folder->read("Kleur.txt");
    FrameRecord m = sevenCompartments();
    m.Colour = colour;
    m.CavityBatten = batten;
    m.Sill = sill;
    m.Remark = "Achterdeur, glas gezandstraald";
    m.Compartments[1].FillType = "DEUR";
    m.Compartments[1].FillCode = "DE";
    m.Compartments[1].Direction = 2;
    m.Compartments[1].Parts = {CompartmentPartRecord{}};
    TekenForm *f = open(m, false);
    QVERIFY(f);

    const FrameRecord &r = Project().FrameRecords[0];
    QCOMPARE(f->Combo1[0]->listIndex(), colourIndex);
    QCOMPARE(f->Combo1[1]->listIndex(), battenIndex);
    QCOMPARE(f->Combo1[2]->listIndex(), sillIndex);
    QCOMPARE(f->Combo1[0]->text(), colourAfter);
    QCOMPARE(f->Combo1[1]->text(), batten);
    QCOMPARE(f->Combo1[2]->text(), sill);
    QCOMPARE(r.Colour, colourAfter);
    QCOMPARE(r.CavityBatten, batten);
    QCOMPARE(r.Sill, sill);
    QCOMPARE(f->Text1->text(), QString("Achterdeur, glas gezandstraald"));
    QCOMPARE(r.Compartments[1].FillCode, QString("DE")); // kept, and redrawn (empty until symbols are drawn)
    QCOMPARE(r.Compartments[1].Direction, int16(2));
    QCOMPARE(f->Num1->value(), 1);
    QCOMPARE(f->Shape1->placed(), marker(228, 503, 600 * 2.8, 500 * 2.8));
    QCOMPARE(folder->read("Kleur.txt"), kleur); // the catalogue is never written

    f->Text1->setText("Voordeur");
    QVERIFY(f->unload());
    QCOMPARE(Project().FrameRecords[0].Remark, QString("Voordeur"));
    VERIFY_DIALOGS(*dialogs);
}

void TestTekenForm::missingCatalogueFilesLeaveTheListsEmpty()
{
    for (const char *name : {"Kleur.txt", "Spouwlat.txt", "EmOD.TXT"}) QVERIFY(QFile::remove(folder->file(name)));
    FrameRecord m = oneCompartment();
    m.Colour = "Wit";
    TekenForm *f = open(m);
    QVERIFY(f);
    QCOMPARE(f->Combo1[0]->entryCount(), 0);
    QCOMPARE(f->Combo1[0]->listIndex(), -1);
    QCOMPARE(f->Combo1[1]->entryCount(), 1);
    QCOMPARE(f->Combo1[2]->entryCount(), 1);
    QCOMPARE(Project().FrameRecords[0].Colour, QString());
    VERIFY_DIALOGS(*dialogs);
}

void TestTekenForm::frameTooLargeToDrawIsReported()
{
    // The fourth compartment would start at 60 + 3 * (11000 + 70) = 33270 mm.
    FrameRecord m = drawingMark("K;;3;S", 32000, 2000, 60, {{11000, 1880}, {11000, 1880}, {11000, 1880}, {100, 1880}});
    dialogs->answer(MsgAnswer::OK, "De maten van dit kozijn zijn te groot om te tekenen.", "FOUTMELDING");
    TekenForm *f = open(m);
    QVERIFY(f);
    QCOMPARE(dialogs->shown.value(0).style, 48);
    QCOMPARE(f->windowTitle(), QString("4 vaks rechthoekig kozijn (breedte x hoogte = 32000 mm x 2000 mm)"));
    QCOMPARE(Project().FrameRecords[0].Compartments[3].PosX, int16(-1)); // nothing stored
    VERIFY_DIALOGS(*dialogs);
}

void TestTekenForm::selectsByClick()
{
    TekenForm *f = open(sevenCompartments());
    QVERIFY(f);
    // Pixel (190, 208) is twips (2850, 3120): mm (1001.8, 1000), inside compartment 5.
    QTest::mouseClick(f->Pic1, Qt::LeftButton, {}, QPoint(190, 208));
    QCOMPARE(f->Num1->value(), 6);
    QVERIFY(f->Shape1->isShown());
    // (730, 710) -> (2089, 2308); 1470 x 1230 at 2.8
    QCOMPARE(f->Shape1->placed(), marker(2104, 2323, 1470 * 2.8, 1230 * 2.8));

    // The left frame member: pixel 8 is twips 120, mm 26.8. Nothing is selected.
    QTest::mouseClick(f->Pic1, Qt::LeftButton, {}, QPoint(8, 208));
    QCOMPARE(f->Num1->value(), 6);

    // The right button shows the marker and selects nothing.
    f->Shape1->setShown(false);
    QTest::mouseClick(f->Pic1, Qt::RightButton, {}, QPoint(20, 40));
    QVERIFY(f->Shape1->isShown());
    QCOMPARE(f->Num1->value(), 6);
    QCOMPARE(f->Shape1->placed(), marker(2104, 2323, 1470 * 2.8, 1230 * 2.8));

    // The left edge of compartment 0 lies at twips 213: pixel 14 (210) is outside, 15 (225) inside.
    QTest::mouseClick(f->Pic1, Qt::LeftButton, {}, QPoint(14, 40));
    QCOMPARE(f->Num1->value(), 6);
    QTest::mouseClick(f->Pic1, Qt::LeftButton, {}, QPoint(15, 40));
    QCOMPARE(f->Num1->value(), 1);
}

void TestTekenForm::selectsByNumberAlsoTheSameNumber()
{
    TekenForm *f = open(sevenCompartments());
    QVERIFY(f);
    f->Num1->setValue(3);
    // (1500, 60) -> (4245, 488); 700 x 600 at 2.8
    QCOMPARE(f->Shape1->placed(), marker(4260, 503, 700 * 2.8, 600 * 2.8));
    f->Shape1->setShown(false);
    f->Num1->setValue(3); // the same number marks it again
    QVERIFY(f->Shape1->isShown());

    // The user types a number: the marker follows.
    f->Num1->selectAll();
    QTest::keyClicks(f->Num1, "7");
    QCOMPARE(f->Num1->value(), 7);
    // (2270, 810) -> (6401, 2588); 670 x 1130 at 2.8
    QCOMPARE(f->Shape1->placed(), marker(6416, 2603, 670 * 2.8, 1130 * 2.8));
}

void TestTekenForm::noValidCompartmentNumberDoesNothing()
{
    TekenForm *f = open(sevenCompartments());
    QVERIFY(f);
    const FrameRecord before = Project().FrameRecords[0];
    // An emptied box names no compartment. (A number it cannot hold puts back the marked one: see below.)
    for (const char *typed : {""}) {
        f->Num1->clear();
        QTest::keyClicks(f->Num1, typed);
        QCOMPARE(f->Shape1->placed(), marker(228, 503, 600 * 2.8, 500 * 2.8)); // the marker stays
        for (int k = 0; k < 5; ++k) f->Command1[k]->click();
        f->Command2[0]->click();
        f->Command2[17]->click();
        QCOMPARE(Project().FrameRecords[0], before);
        QVERIFY(optionsOpened().isEmpty());
        for (QFrame *box : {f->PicDeur, f->PicRaam, f->PicPaneel}) QVERIFY(box->isHidden());
    }
    QVERIFY(f->isLoaded());
}

void TestTekenForm::aNumberBeyondTheLastCompartmentNeverMovesTheFill()
{
    // Two compartments: the user types 9 and clicks "Glasvak"; the click takes the focus from the box.
    TekenForm *f = open(drawingMark("K;;1;S", 2000, 2000, 60, {{900, 1880}, {910, 1880}}));
    QVERIFY(f);
    QApplication::setActiveWindow(f);
    const auto marked = f->Shape1->placed();
    f->Num1->setFocus();
    f->Num1->selectAll();
    QTest::keyClicks(f->Num1, "9");
    QCOMPARE(f->Shape1->placed(), marked); // the marker stays on compartment 1
    QTest::mouseClick(f->Command1[2], Qt::LeftButton);
    QVERIFY(!f->Num1->hasFocus());

    QCOMPARE(f->Num1->value(), 1); // the box shows the marked compartment again
    const FrameRecord &r = Project().FrameRecords[0];
    QCOMPARE(r.Compartments[0].FillType, QString("GLASVAK"));
    QCOMPARE(r.Compartments[1].FillType, QString());
    QCOMPARE(FirstEmptyCompartment(Project()), 1);

    // Typed past the end while compartment 2 is marked: 2 it stays.
    f->Num1->setValue(2);
    f->Num1->setFocus();
    f->Num1->selectAll();
    QTest::keyClicks(f->Num1, "35");
    QTest::mouseClick(f->Command1[2], Qt::LeftButton);
    QCOMPARE(f->Num1->value(), 2);
    QCOMPARE(r.Compartments[1].FillType, QString("GLASVAK"));

    // A code button takes no focus: the box is not left, and still the code lands on the marked compartment.
    f->Num1->setValue(1);
    QTest::mouseClick(f->Command1[0], Qt::LeftButton); // "Deur" shows the door codes
    for (const char *typed : {"0", "9"}) {
        f->Num1->setFocus();
        f->Num1->selectAll();
        QTest::keyClicks(f->Num1, typed);
        QTest::mouseClick(f->Command2[0], Qt::LeftButton);
        QCOMPARE(f->Num1->value(), 1);
        QCOMPARE(r.Compartments[0].FillType, QString("DEUR"));
        QCOMPARE(r.Compartments[1].FillType, QString("GLASVAK"));
        f->Num1->setValue(1);
        f->PicDeur->show();
    }
}

void TestTekenForm::fillTypeButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("box"); // 0 door, 1 window, 2 panel, -1 none
    QTest::addColumn<bool>("options");
    QTest::newRow("Deur") << 0 << "DEUR" << "" << 2 << 0 << false;
    QTest::newRow("Raam") << 1 << "RAAM" << "" << 2 << 1 << false;
    QTest::newRow("Glasvak") << 2 << "GLASVAK" << "GL_BU" << 1 << -1 << true;
    QTest::newRow("Paneel") << 3 << "PANEEL" << "" << 2 << 2 << false;
    QTest::newRow("Wissen") << 4 << "" << "" << 2 << -1 << false;
}

void TestTekenForm::fillTypeButtons()
{
    QFETCH(int, button);
    QFETCH(QString, type);
    QFETCH(QString, code);
    QFETCH(int, parts);
    QFETCH(int, box);
    QFETCH(bool, options);
    FrameRecord m = sevenCompartments();
    CompartmentRecord &c = m.Compartments[1];
    c.FillType = "RAAM";
    c.FillCode = "SU";
    c.OpensInward = true;
    c.Direction = 2;
    c.BreastWallHeight = 300;
    c.AppliedBars = true;
    c.ExtraText = "x";
    c.ScreenName = "Rolhor";
    c.ToughenedGlass = true;
    c.Parts = {CompartmentPartRecord{1, 2, 3, 4, "3", 1, 2}, CompartmentPartRecord{}};
    TekenForm *f = open(m);
    QVERIFY(f);
    f->Num1->setValue(2);
    f->drawTools().DrawLineMm(800, 100, 1300, 500); // something drawn in the opening
    QVERIFY(inked(f->canvas().image(), QRect(QPoint(140, 33), QPoint(268, 143))) > 0);
    f->Command1[button]->click();

    const CompartmentRecord &r = Project().FrameRecords[0].Compartments[1];
    QCOMPARE(r.FillType, type);
    QCOMPARE(r.FillCode, code);
    QCOMPARE(r.OpensInward, false);
    QCOMPARE(r.Direction, int16(0));
    QCOMPARE(r.BreastWallHeight, int16(0));
    QCOMPARE(r.AppliedBars, false);
    QCOMPARE(r.ExtraText, QString());
    QCOMPARE(r.ScreenName, QString());
    QCOMPARE(r.ToughenedGlass, false); // a re-filled compartment cannot show it
    QCOMPARE(r.Parts.size(), qsizetype(parts));
    if (parts == 2) QCOMPARE(r.Parts[0].GrilleCode, QString("3")); // the parts are left as they were
    if (parts == 1) QCOMPARE(r.Parts[0], CompartmentPartRecord{});
    const QList<QFrame *> boxes = {f->PicDeur, f->PicRaam, f->PicPaneel};
    for (int k = 0; k < 3; ++k) QCOMPARE(boxes[k]->isVisible(), k == box);
    QCOMPARE(optionsOpened().size(), options ? 1 : 0);
    QCOMPARE(f->Shape1->isShown(), !options); // "Glasvak" hides the marker

    // The opening is wiped: compartment 1 lies at pixels 139..269 x 32..144; its inside is white.
    QCOMPARE(inked(f->canvas().image(), QRect(QPoint(140, 33), QPoint(268, 143))), 0);

    // A box shown earlier stays shown; the one shown last lies on top.
    if (box >= 0) {
        f->Num1->setValue(3);
        f->Command1[box == 0 ? 1 : 0]->click();
        QVERIFY(boxes[box]->isVisible());
    }
    VERIFY_DIALOGS(*dialogs);
}

void TestTekenForm::fillCodeButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("typeButton");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("DE") << 0 << 0 << "DEUR" << "DE" << 1 << 0 << "1 vaksdeur (Buitendraaiend)";
    QTest::newRow("BE") << 1 << 0 << "DEUR" << "BE" << 1 << 0 << "1 vaksdeur (Binnendraaiend)";
    QTest::newRow("D2") << 2 << 0 << "DEUR" << "D2" << 2 << 0 << "2 vaksdeur (Buitendraaiend)";
    QTest::newRow("B2") << 3 << 0 << "DEUR" << "B2" << 2 << 0 << "2 vaksdeur (Binnendraaiend)";
    QTest::newRow("DD") << 4 << 0 << "DEUR" << "DD" << 1 << 0 << "Draaikiep deur";
    QTest::newRow("DU") << 5 << 0 << "DEUR" << "DU" << 2 << 0 << "Stolpdeuren";
    QTest::newRow("DK") << 6 << 0 << "DEUR" << "DK" << 2 << 0 << "Draaikiep stolpdeuren";
    QTest::newRow("SD") << 7 << 0 << "DEUR" << "SD" << 2 << 1 << "Hefschuifdeur";
    QTest::newRow("RA") << 9 << 1 << "RAAM" << "RA" << 1 << 0 << "Draairaam (Buitendraaiend)";
    QTest::newRow("RB") << 10 << 1 << "RAAM" << "RB" << 1 << 0 << "Draairaam (Binnendraaiend)";
    QTest::newRow("KL") << 11 << 1 << "RAAM" << "KL" << 1 << 0 << "Klepraam";
    QTest::newRow("VA") << 12 << 1 << "RAAM" << "VA" << 1 << 0 << "Valraam";
    QTest::newRow("DV") << 13 << 1 << "RAAM" << "DV" << 1 << 0 << "Draaikiepraam";
    QTest::newRow("SU") << 14 << 1 << "RAAM" << "SU" << 2 << 0 << "Stolpraam";
    QTest::newRow("SV") << 15 << 1 << "RAAM" << "SV" << 2 << 0 << "Stolpraam (Draaikiep)";
    QTest::newRow("PRA") << 17 << 3 << "PANEEL" << "PRA" << 1 << 0 << "Rabat paneel";
    QTest::newRow("PTR") << 18 << 3 << "PANEEL" << "PTR" << 1 << 0 << "Trespa paneel";
    QTest::newRow("PWB") << 19 << 3 << "PANEEL" << "PWB" << 1 << 0 << "Multiplex paneel";
    QTest::newRow("PGL") << 20 << 3 << "PANEEL" << "PGL" << 1 << 0 << "Glas paneel";
    QTest::newRow("PBO") << 21 << 3 << "PANEEL" << "PBO" << 1 << 0 << "Bossing paneel";
    QTest::newRow("PV") << 22 << 3 << "PANEEL" << "PV" << 1 << 0 << "Vertikaal paneel";
}

void TestTekenForm::fillCodeButtons()
{
    QFETCH(int, button);
    QFETCH(int, typeButton);
    QFETCH(QString, type);
    QFETCH(QString, code);
    QFETCH(int, parts);
    QFETCH(int, direction);
    QFETCH(QString, tooltip);
    FrameRecord m = sevenCompartments();
    m.Compartments[1].Parts = {CompartmentPartRecord{5, 5, 5, 5, "1", 3, 3}, CompartmentPartRecord{}};
    TekenForm *f = open(m);
    QVERIFY(f);
    QCOMPARE(f->Command2[button]->toolTip(), tooltip);
    QVERIFY(!f->Command2[button]->icon().isNull());
    f->Num1->setValue(2);
    f->Command1[typeButton]->click();
    QVERIFY(f->Command2[button]->isVisible());
    f->Command2[button]->click();

    const CompartmentRecord &r = Project().FrameRecords[0].Compartments[1];
    QCOMPARE(r.FillType, type);
    QCOMPARE(r.FillCode, code);
    QCOMPARE(r.Parts.size(), qsizetype(parts)); // made anew; the redraw gave them their geometry
    for (const CompartmentPartRecord &p : r.Parts)
        QVERIFY(p.GrilleCode.isEmpty() && p.BarsHorizontal == 0 && p.BarsVertical == 0);
    QCOMPARE(r.Direction, int16(direction));
    for (QFrame *box : {f->PicDeur, f->PicRaam, f->PicPaneel}) QVERIFY(box->isHidden());
    if (type == "PANEEL") {
        QVERIFY(optionsOpened().isEmpty());
        QCOMPARE(f->Num1->value(), 3); // moves on to the next compartment and marks it
        QVERIFY(f->Shape1->isShown());
        QCOMPARE(f->Shape1->placed(), marker(4260, 503, 700 * 2.8, 600 * 2.8));
    } else {
        QCOMPARE(optionsOpened(), QList<Form *>{f});
        QCOMPARE(f->Num1->value(), 2);
        QVERIFY(!f->Shape1->isShown());
    }
    VERIFY_DIALOGS(*dialogs);
}

void TestTekenForm::codeOfAnotherTypeClearsAndRetypes()
{
    FrameRecord m = sevenCompartments();
    CompartmentRecord &c = m.Compartments[3];
    c.FillType = "RAAM";
    c.FillCode = "RB";
    c.Direction = 2;
    c.OpensInward = true;
    c.ScreenName = "Rolhor";
    TekenForm *f = open(m);
    QVERIFY(f);
    f->Command1[0]->click(); // "Deur" on compartment 1: the door box is shown
    f->Num1->setValue(4);
    f->Command2[0]->click(); // a door code on the window of compartment 4
    const CompartmentRecord &r = Project().FrameRecords[0].Compartments[3];
    QCOMPARE(r.FillType, QString("DEUR"));
    QCOMPARE(r.FillCode, QString("DE"));
    QCOMPARE(r.Direction, int16(0));
    QCOMPARE(r.OpensInward, false);
    QCOMPARE(r.ScreenName, QString());

    // The same type keeps what the options window set before the code.
    Project().FrameRecords[0].Compartments[3].ScreenName = "Plissé";
    f->Command2[4]->click();
    QCOMPARE(Project().FrameRecords[0].Compartments[3].FillCode, QString("DD"));
    QCOMPARE(Project().FrameRecords[0].Compartments[3].ScreenName, QString("Plissé"));
}

void TestTekenForm::panelCodesMoveOnAndWrap()
{
    TekenForm *f = open(sevenCompartments());
    QVERIFY(f);
    f->Num1->setValue(7);
    f->Command1[3]->click();
    f->Command2[20]->click(); // "Glas paneel" moves on like every panel
    QCOMPARE(Project().FrameRecords[0].Compartments[6].FillCode, QString("PGL"));
    QCOMPARE(f->Num1->value(), 1);
    QCOMPARE(f->Shape1->placed(), marker(228, 503, 600 * 2.8, 500 * 2.8));
    QVERIFY(f->Shape1->isShown());
    QVERIFY(f->unload());
    settle();

    // One compartment: the selection stays on it and is marked again.
    f = open(oneCompartment());
    QVERIFY(f);
    f->Command1[3]->click();
    f->Command2[17]->click();
    QCOMPARE(f->Num1->value(), 1);
    QVERIFY(f->Shape1->isShown());
    // (67, 67) -> (2902.7, 227.7) = (2903, 228); 866 x 1866 at 3.1
    QCOMPARE(f->Shape1->placed(), marker(2918, 243, 866 * 3.1, 1866 * 3.1));
}

void TestTekenForm::terugInACodeBoxOnlyHidesIt()
{
    TekenForm *f = open(sevenCompartments());
    QVERIFY(f);
    const QList<int> terug = {8, 16, 23};
    const QList<QFrame *> boxes = {f->PicDeur, f->PicRaam, f->PicPaneel};
    for (int k = 0; k < 3; ++k) {
        f->Num1->setValue(k + 1);
        f->Command1[k == 2 ? 3 : k]->click();
        QVERIFY(boxes[k]->isVisible());
        QCOMPARE(f->Command2[terug[k]]->toolTip(), QString("Terug"));
        f->Command2[terug[k]]->click();
        QVERIFY(boxes[k]->isHidden());
        QVERIFY(!f->Shape1->isShown());
        QCOMPARE(f->Num1->value(), k + 1);
    }
    const FrameRecord &r = Project().FrameRecords[0];
    QCOMPARE(r.Compartments[0].FillType, QString("DEUR"));
    QCOMPARE(r.Compartments[2].FillType, QString("PANEEL"));
    QCOMPARE(r.Compartments[2].FillCode, QString());
    QVERIFY(optionsOpened().isEmpty());
}

void TestTekenForm::wissenClearsTheCompartment()
{
    FrameRecord m = oneCompartment();
    m.Compartments[0].FillType = "PANEEL";
    m.Compartments[0].FillCode = "PRA";
    m.Compartments[0].Parts = {CompartmentPartRecord{}};
    TekenForm *f = open(m, false);
    QVERIFY(f);
    f->canvas().state().ForeColor = Qt::red; // whatever the last drawing left, the pen is black after
    f->Command1[4]->click();
    const CompartmentRecord &r = Project().FrameRecords[0].Compartments[0];
    QCOMPARE(r.FillType, QString());
    QCOMPARE(r.FillCode, QString());
    QCOMPARE(r.Parts.size(), qsizetype(1));
    QCOMPARE(f->canvas().state().ForeColor, QColor(Qt::black));
    QVERIFY(f->isLoaded());
}

void TestTekenForm::sillChoice()
{
    folder->write("EmOD.TXT", "Hardhouten onderdorpel\r\n  \r\n\r\ngeen onderdorpel\r\nOnderdorpel ZONDER neus\r\n"
                              "  Kunststeen  \r\n");
    TekenForm *f = open(oneCompartment());
    QVERIFY(f);
    ChoiceList *sills = f->Combo1[2];
    QCOMPARE(sills->entryCount(), 5);
    QCOMPARE(sills->entry(0), QString());
    QCOMPARE(sills->entry(2), QString("geen onderdorpel"));
    QCOMPARE(sills->entry(4), QString("  Kunststeen  "));
    QCOMPARE(f->frameState().Sill, (SillRect{0, 1933, 1000, 2000, true}));

    // The sill (0, 1933)-(1000, 2000) maps to twips (2695, 6012)-(5795, 6220): pixels 179..386 x 400..414.
    const QImage &img = f->canvas().image();
    const QRect bottomEdge(QPoint(180, 414), QPoint(385, 414));
    const QRect leftEdge(QPoint(179, 402), QPoint(179, 413));
    const QRect topEdge(QPoint(180, 400), QPoint(385, 400));
    QCOMPARE(inked(img, bottomEdge), bottomEdge.width());

    QVERIFY(sills->setListIndex(1));
    QCOMPARE(Project().FrameRecords[0].Sill, QString("Hardhouten onderdorpel"));
    QCOMPARE(inked(img, bottomEdge), bottomEdge.width()); // drawn as a box
    QCOMPARE(inked(img, leftEdge), leftEdge.height());
    // The label's top-left corner at (25, 1928) mm: twips (2772, 5997), pixel (184, 399); nothing
    // of it lies left of that inside the sill.
    QVERIFY(inked(img, QRect(QPoint(186, 401), QPoint(260, 412))) > 0);
    QCOMPARE(inked(img, QRect(QPoint(180, 401), QPoint(183, 412))), 0);

    for (int k : {2, 3}) {
        QVERIFY(sills->setListIndex(k)); // "geen" or "ZONDER": only the top edge remains
        QCOMPARE(inked(img, topEdge), topEdge.width());
        QCOMPARE(inked(img, bottomEdge), 0);
        QCOMPARE(inked(img, leftEdge), 0);
        QVERIFY(inked(img, QRect(QPoint(186, 401), QPoint(260, 412))) > 0); // its label
    }

    QVERIFY(sills->setListIndex(0)); // the empty entry: emptied, outline drawn, no label
    QCOMPARE(Project().FrameRecords[0].Sill, QString());
    QCOMPARE(inked(img, bottomEdge), bottomEdge.width());
    QCOMPARE(inked(img, leftEdge), leftEdge.height());
    QCOMPARE(inked(img, QRect(QPoint(180, 401), QPoint(385, 413))), 0);

    // Colour and batten are stored, nothing is drawn.
    const QImage before = img.copy();
    QVERIFY(f->Combo1[0]->setListIndex(4));
    QVERIFY(f->Combo1[1]->setListIndex(2));
    QCOMPARE(Project().FrameRecords[0].Colour, QString("Zwart RAL 9005"));
    QCOMPARE(Project().FrameRecords[0].CavityBatten, QString("Spouwlat 40 mm"));
    QCOMPARE(f->canvas().image(), before);
}

void TestTekenForm::sillOfAFrameNotDrawnIsNotDrawn()
{
    // "M;6" without the shape window's width inputs is not drawn: no sill rectangle, so the sill
    // choice draws nothing.
    TekenForm *f = open(drawingMark("M;6", 2000, 2400, 67, {{1866, 900}, {1000, 1300}}));
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QString("2 vaks melkmeisje kozijn (breedte x hoogte = 2000 mm x 2400 mm)"));
    QVERIFY(!f->frameState().Sill.isSet);
    QVERIFY(f->Combo1[2]->setListIndex(1));
    QCOMPARE(Project().FrameRecords[0].Sill, QString("Hardhouten onderdorpel"));
    QCOMPARE(inked(f->canvas().image(), f->canvas().image().rect()), 0);
}

void TestTekenForm::noCurrentMark()
{
    ProjectState &s = Project();
    s.FrameRecords = {oneCompartment()};
    s.MarkCount = 1;
    s.CurrentMarkIndex = 3;
    s.NewShapePending = false;
    QPointer<TekenForm> f = TekenForm::Show();
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QString("0 vaks  kozijn (breedte x hoogte = 0 mm x 0 mm)"));
    QCOMPARE(f->selectedCompartment(), -1);
    QVERIFY(!f->Shape1->isShown());
    for (int k = 0; k < 5; ++k) f->Command1[k]->click();
    for (int k = 0; k < 24; ++k) f->Command2[k]->click();
    f->Combo1[2]->setListIndex(1);
    QTest::mouseClick(f->Pic1, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(Project().FrameRecords[0], oneCompartment());
    QVERIFY(optionsOpened().isEmpty());
    f->Command3->click(); // nothing to check: the window closes
    QVERIFY(!f->isLoaded());
    QCOMPARE(Project().FrameRecords[0], oneCompartment());
    QCOMPARE(Project().FormLevel, int16(0));
}

void TestTekenForm::readyRefusesThenClosesBothWindows()
{
    QPointer<Beneath> shape = new Beneath;
    shape->load();
    shape->show();
    QPointer<TekenForm> f = open(sevenCompartments(), true, shape);
    QVERIFY(f);
    QCOMPARE(f->levelTag(), QString("1"));
    QCOMPARE(Project().FormLevel, int16(2));
    for (int k = 0; k < 7; ++k) {
        if (k == 2) continue;
        f->Num1->setValue(k + 1);
        f->Command1[1]->click();
        f->Command2[9]->click();
    }
    f->Num1->setValue(3);
    f->Command1[3]->click(); // typed, no code: still empty

    dialogs->answer(MsgAnswer::OK, "U heeft geen vakvulling opgegeven voor vak 3", "FOUTMELDING");
    f->Num1->setValue(6);
    f->Shape1->setShown(false);
    f->Command3->click();
    QCOMPARE(dialogs->shown.value(0).style, 48);
    QCOMPARE(f->Num1->value(), 3);
    QVERIFY(f->Shape1->isShown());
    QCOMPARE(f->Shape1->placed(), marker(4260, 503, 700 * 2.8, 600 * 2.8));
    QVERIFY(f->isLoaded() && shape->isLoaded());
    QCOMPARE(Project().FrameRecords[0].IsComplete, false);

    f->Command2[21]->click();
    f->Text1->setText("Bovenlicht met rabat");
    f->Command3->click();
    QCOMPARE(Project().FrameRecords[0].IsComplete, true);
    QCOMPARE(Project().FrameRecords[0].Remark, QString("Bovenlicht met rabat"));
    QCOMPARE(shape->unloads, 1);
    QVERIFY(!f->isLoaded() && !shape->isLoaded());
    QCOMPARE(Project().FormLevel, int16(0));
    settle();
    QVERIFY(!f && !shape);
    VERIFY_DIALOGS(*dialogs);
}

void TestTekenForm::formLevelsEscAndHelp()
{
    QPointer<Beneath> shape = new Beneath;
    shape->load();
    shape->show();
    QPointer<TekenForm> f = open(oneCompartment(), true, shape);
    QVERIFY(f);
    QPointer<Beneath> options = new Beneath; // the options window, one level above
    options->load();
    options->show();
    QCOMPARE(options->levelTag(), QString("2"));
    Form::activated(options);

    Form::activated(f); // back into the drawing window: the window above it closes
    QVERIFY(!options->isLoaded());
    QVERIFY(f->isLoaded() && shape->isLoaded());
    QCOMPARE(Project().FormLevel, int16(2));

    QTest::keyClick(f, Qt::Key_F1);
    QCOMPARE(opener->helpTopics(), QList<HelpTopic>{HelpTopic::Drawing});
    QVERIFY(f->isLoaded());

    f->Text1->setText("Esc bewaart");
    QTest::keyClick(f->Text1, Qt::Key_Escape); // Esc closes without the check; the remark is kept
    QVERIFY(!f->isLoaded());
    QVERIFY(shape->isLoaded());
    QCOMPARE(Project().FrameRecords[0].Remark, QString("Esc bewaart"));
    QCOMPARE(Project().FrameRecords[0].IsComplete, false);
    QCOMPARE(Project().FormLevel, int16(1));
    QVERIFY(shape->unload());
    QCOMPARE(Project().FormLevel, int16(0));
}

void TestTekenForm::shots_data()
{
    QTest::addColumn<FrameRecord>("m");
    QTest::addColumn<QList<int>>("clicks"); // type buttons pressed on compartments 1, 2, ...
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("name");
    QTest::newRow("K") << oneCompartment() << QList<int>{0} << 1 << "tekenform-K";
    QTest::newRow("7") << sevenCompartments() << QList<int>{3, 1, 0} << 5 << "tekenform-K-2S-D1D2D3S2";
    QTest::newRow("6") << sixCompartmentsTransomFirst() << QList<int>{1} << 2 << "tekenform-K-1D-S1S3D1D4";
    QTest::newRow("K0") << looseWindow() << QList<int>{3} << 1 << "tekenform-K0";
    QTest::newRow("other") << sixCompartmentsMullionFirst() << QList<int>{} << 4 << "tekenform-K-1S-D1D2S1D1";
}

void TestTekenForm::shots()
{
    QFETCH(FrameRecord, m);
    QFETCH(QList<int>, clicks);
    QFETCH(int, selected);
    QFETCH(QString, name);
    TekenForm *f = open(m);
    QVERIFY(f);
    for (qsizetype k = 0; k < clicks.size(); ++k) {
        f->Num1->setValue(int(k + 1));
        f->Command1[clicks[k]]->click();
    }
    f->Combo1[2]->setListIndex(4); // the longest sill name of the catalogue
    f->Num1->setValue(selected);
    QVERIFY(f->Shape1->isVisible());
    saveShot(f, name);
}

namespace {
struct Filling {
    Filling(const char *type, const char *code, int direction = 0, bool inward = false, const char *grille = "",
            int barsH = 0, int barsV = 0, int breastWall = 0, bool applied = false, const char *screen = "")
        : type(type), code(code), direction(direction), inward(inward), grille(grille), barsH(barsH), barsV(barsV),
          breastWall(breastWall), applied(applied), screen(screen)
    {
    }
    QString type;
    QString code;
    int direction;
    bool inward;
    QString grille;
    int barsH;
    int barsV;
    int breastWall;
    bool applied;
    QString screen;
};

FrameRecord filled(FrameRecord m, const QList<Filling> &fillings)
{
    for (qsizetype k = 0; k < fillings.size(); ++k) {
        const Filling &f = fillings[k];
        CompartmentRecord &c = m.Compartments[k];
        c.FillType = f.type;
        c.FillCode = f.code;
        c.Direction = int16(f.direction);
        c.OpensInward = f.inward;
        c.BreastWallHeight = int16(f.breastWall);
        c.AppliedBars = f.applied;
        c.ScreenName = f.screen;
        const FillCodeInfo *info = FillCodes::find(f.code);
        c.Parts = QList<CompartmentPartRecord>(info ? info->parts : 0);
        for (CompartmentPartRecord &p : c.Parts) {
            p.GrilleCode = f.grille;
            p.BarsHorizontal = int16(f.barsH);
            p.BarsVertical = int16(f.barsV);
        }
    }
    return m;
}
}

void TestTekenForm::filledShots_data()
{
    QTest::addColumn<FrameRecord>("m");
    QTest::addColumn<QString>("name");
    QTest::newRow("door with side lights")
        << filled(drawingMark("K;;2;S", 2400, 2400, 67, {{500, 2266}, {1000, 2266}, {629, 2266}}),
                  {{"GLASVAK", "GL_BU", 0, false, "1"},
                   {"DEUR", "BE", 2, true, "", 0, 0, 0, false, "Hordeur"},
                   {"GLASVAK", "GL_BI", 0, false, "", 2, 0, 600, true}})
        << "filled-door-sidelights";
    QTest::newRow("windows")
        << filled(sevenCompartments(), {{"RAAM", "KL", 1, false, "3"},
                                  {"RAAM", "VA", 1, true},
                                  {"RAAM", "DV", 2, true, "", 1, 1},
                                  {"GLASVAK", "GL_BU", 0, false, "2"},
                                  {"RAAM", "RA", 1, false, "5R", 2, 1, 0, false, "Rolhor"},
                                  {"RAAM", "SU", 2, false, "", 1, 1},
                                  {"RAAM", "SV", 1, true, "4L", 0, 0, 400}})
        << "filled-windows";
    QTest::newRow("double doors")
        << filled(drawingMark("K;;1;S", 4200, 2400, 67, {{1600, 2266}, {2396, 2266}}),
                  {{"DEUR", "DK", 2, true, "", 2, 0, 500}, {"DEUR", "SD", 3}})
        << "filled-double-doors";
    QTest::newRow("panels")
        << filled(drawingMark("K;;1;S;1;2", 2000, 2000, 67, {{900, 900}, {869, 1200}, {900, 846}, {869, 546}}),
                  {{"PANEEL", "PRA"}, {"DEUR", "D2", 1, false, "6L", 0, 1, 300}, {"PANEEL", "PBO"}, {"PANEEL", "PTR"}})
        << "filled-panels";
    QTest::newRow("vertical boards and toughened") // a door of toughened glass has no sash widths
        << filled(drawingMark("K;;1;S", 2000, 2200, 67, {{900, 2066}, {899, 2066}}),
                  {{"PANEEL", "PV"}, {"DEUR", "DE", 1}})
        << "filled-boards-toughened";
}

void TestTekenForm::filledShots()
{
    QFETCH(FrameRecord, m);
    QFETCH(QString, name);
    if (name == "filled-boards-toughened") m.Compartments[1].ToughenedGlass = true;
    TekenForm *f = open(m, false);
    QVERIFY(f);
    // Reopening draws every compartment again and gives its parts their geometry.
    for (const CompartmentRecord &c : Project().FrameRecords[0].Compartments) {
        if (c.FillType == "PANEEL") continue;
        QVERIFY(!c.Parts.isEmpty());
        QVERIFY(c.Parts[0].PartWidth > 0 && c.Parts[0].PartHeight > 0);
    }
    saveShot(f, name);
}

QTEST_MAIN(TestTekenForm)
#include "tst_tekenform.moc"
