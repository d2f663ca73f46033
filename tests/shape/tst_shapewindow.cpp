// The shape window on screen: its variant buttons, the inputs per code on the picture, the printed
// overall sizes, "Vakvulling" from the inputs to the mark and the request for the drawing window, the stored
// sizes per mark, Esc, F1 and the form level.
#include "TestSupport.h"
#include "MarkBuilder.h"
#include "app/ProjectFormLevels.h"
#include "model/ProjectCommands.h"
#include "forms/Form.h"
#include "forms/RecordingWindowOpener.h"
#include "platform/TextFile.h"
#include "platform/widgets/NumericField.h"
#include "shape/ShapeCodes.h"
#include "shape/window/SubVorm.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
void removePicture(const QString &code)
{
    const QString path = findFile("IMG/" + code + ".bmp");
    if (!path.isEmpty()) QFile::remove(path);
}

const QString Error = "FOUTMELDING";
const QColor Highlight(0, 200, 255);

FrameRecord frame(const QString &code, const QString &label = "A")
{
    return MarkBuilder(label).shape(code).size(2000, 2100).distinctMembers();
}

QString missingPicture(const QString &code) { return "IMG\\" + code.toUpper() + ".BMP niet gevonden !"; }

// Until the catalogue holds a code's picture the window says so and goes on without it.
void expectPicture(ScriptedDialogs &d, const QString &code)
{
    if (findFile("IMG/" + code + ".bmp").isEmpty()) d.answer(MsgAnswer::OK, missingPicture(code), Error);
}

// The main screen as far as the stack is concerned: the first level.
class MainStandIn : public Form {
protected:
    void Form_Load() override { RegisterFormLevel(); }
};

// The drawing window as far as the stack is concerned.
class DrawingStandIn : public Form {
protected:
    void Form_Load() override { RegisterFormLevel(); }
};

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// "L_0@15,130 B_1@144,260 ...": the inputs shown, in the order L, B, R, M, with their places.
QString shownInputs(const SubVorm &w)
{
    QStringList out;
    const int lengths[4] = {4, 5, 6, 2};
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < lengths[r]; ++i) {
            const NumericField *f = w.input(r, i);
            if (!f->isHidden()) out << QString("%1@%2,%3").arg(f->objectName()).arg(f->x()).arg(f->y());
        }
    return out.join(' ');
}

QString inputTexts(const SubVorm &w)
{
    QStringList out;
    const int lengths[4] = {4, 5, 6, 2};
    for (int r = 0; r < 4; ++r) {
        QStringList row;
        for (int i = 0; i < lengths[r]; ++i) row << w.input(r, i)->text();
        out << row.join(',');
    }
    return out.join(" | ");
}

int highlighted(const SubVorm &w)
{
    int found = -1;
    for (int i = 0; i < 9; ++i)
        if (w.Command1[i]->palette().color(QPalette::Button) == Highlight) {
            if (found >= 0) return -2; // more than one
            found = i;
        }
    return found;
}

// Dark pixels of the picture inside and outside a rectangle.
QPair<int, int> darkPixels(const QImage &image, const QRect &inside)
{
    int in = 0, out = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) (inside.contains(x, y) ? in : out)++;
    return {in, out};
}
}

class TestShapeWindow : public QObject {
    Q_OBJECT
    ProjectFormLevels levels; // the windows count their levels in the project
private slots:
    void init();
    void cleanup();

    void variantButtonsPerBasicShape_data();
    void variantButtonsPerBasicShape();
    void inputsPerCode_data();
    void inputsPerCode();
    void anotherVariantMovesTheInputsAndEmptiesThem();
    void overallSizesPrintedUprightAndSideways();
    void missingOrUnreadablePictureIsToldAndTheWindowGoesOn();
    void unknownCodeBuildsNothing();
    void newMarkBuildsCopiesAndOpensTheDrawing();
    void existingMarkKeepsItsFillings();
    void settledBeforeTheLayout();
    void rowZeroLessTheRightColumnAtEveryPress();
    void failedRowStopsWithItsMessage();
    void refusalsAreShownAsErrors_data();
    void refusalsAreShownAsErrors();
    void sizesPerMarkSurviveSwitchingAndSaving();
    void escapeClosesAndKeepsEverything();
    void variantWithAsManyCompartmentsIsBuiltAnewAfterEsc();
    void storedSizesBeyondTheInputsAreNotLaidOut();
    void aHiddenInputNeverChangesTheSizeItHolds();
    void helpKeyAsksForItsTopicOnly();
    void formLevelAndLabelFonts();
    void widthInputsForTheDrawing();
    void screenshots();

private:
    void openProject(const QList<FrameRecord> &marks, int current = 0, bool newShape = false);
    // Opens the window on the current mark; `lookup`: the picture box of a missing picture is expected here.
    SubVorm *openWindow(int button, bool lookup = true);

    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<ScopedProject> project;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<RecordingWindowOpener> opener;
    QList<Form *> drawingCalls() const { return opener->openedFrom(WindowKind::Drawing); }
};

void TestShapeWindow::init()
{
    folder = std::make_unique<TestFolder>();
    project = std::make_unique<ScopedProject>();
    dialogs = std::make_unique<ScriptedDialogs>();
    opener = std::make_unique<RecordingWindowOpener>();
}

void TestShapeWindow::cleanup()
{
    QList<QPointer<Form>> left;
    for (Form *f : Form::loadedForms()) left << f;
    for (const QPointer<Form> &f : left)
        if (f) f->unload();
    settle();
    opener.reset();
    dialogs.reset();
    project.reset();
    folder.reset();
}

void TestShapeWindow::openProject(const QList<FrameRecord> &marks, int current, bool newShape)
{
    ProjectState &s = project->state();
    s.FrameRecords = marks;
    s.MarkCount = int16(marks.size());
    s.CurrentMarkIndex = int16(current);
    s.NewShapePending = newShape;
}

SubVorm *TestShapeWindow::openWindow(int button, bool lookup)
{
    if (lookup) expectPicture(*dialogs, Project().currentMark()->ShapeCode);
    auto *w = new SubVorm([button] { return button; });
    w->load();
    w->show();
    return w;
}

// ---- Variant buttons ----

void TestShapeWindow::variantButtonsPerBasicShape_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("shape");   // whose icons the buttons carry
    QTest::addColumn<int>("visible");
    QTest::addColumn<int>("lit");
    QTest::newRow("0 rectangle") << 0 << "K" << 0 << 0 << -1;
    QTest::newRow("1 one transom") << 1 << "K;;1;S;1" << 1 << 4 << 2;
    QTest::newRow("2 two mullions") << 2 << "K;;2;S" << 2 << 5 << 0;
    QTest::newRow("3 three mullions") << 3 << "K;;3;S" << 3 << 0 << -1;
    QTest::newRow("4 left stepped") << 4 << "L;7" << 4 << 9 << 8;
    QTest::newRow("5 middle stepped") << 5 << "M;6" << 5 << 6 << 4;
    QTest::newRow("6 right stepped") << 6 << "R;1" << 6 << 9 << 0;
    QTest::newRow("7 transom shapes") << 7 << "K;;1;D;S1;S3" << 7 << 3 << 1;
    QTest::newRow("8 other shapes") << 8 << "K;;1;S;D1;D2;S1;D1" << 8 << 4 << 3;
    QTest::newRow("9 loose") << 9 << "K0" << 9 << 0 << -1;
    // The mark's own code decides, whatever button has the focus on the main screen.
    QTest::newRow("code of shape 4, button 2") << 2 << "L;2" << 4 << 9 << 1;
}

void TestShapeWindow::variantButtonsPerBasicShape()
{
    QFETCH(int, button);
    QFETCH(QString, code);
    QFETCH(int, shape);
    QFETCH(int, visible);
    QFETCH(int, lit);
    // An icon of its own colour for every variant, so that the button shows which file it took.
    QDir().mkpath(folder->file("IMG"));
    auto colour = [](int k, int i) { return QColor(20 + 20 * k, 20 + 20 * i, 90); };
    for (int k = 0; k < 10; ++k)
        for (int i = 0; i < 9; ++i) {
            QImage icon(32, 32, QImage::Format_RGB32);
            icon.fill(colour(k, i));
            const QString existing = findFile(QString("img/%1%2.ico").arg(k).arg(i));
            QVERIFY(icon.save(existing.isEmpty() ? folder->file(QString("IMG/%1%2.ico").arg(k).arg(i)) : existing, "ICO"));
        }
    openProject({frame(code)});
    SubVorm *w = openWindow(button);
    Form::activated(w);
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(!w->Command1[i]->isHidden(), i < visible);
        if (i < visible) {
            const QImage shown = w->Command1[i]->icon().pixmap(32, 32).toImage();
            QVERIFY2(!shown.isNull(), qPrintable(QString("button %1 has no icon").arg(i)));
            QCOMPARE(shown.pixelColor(16, 16), colour(shape, i));
        }
    }
    QCOMPARE(highlighted(*w), lit);
    QCOMPARE(w->Command1[0]->toolTip(), QString("Selecteer hier een andere vorm"));
    VERIFY_DIALOGS(*dialogs);
}

// ---- The layout on the picture ----

void TestShapeWindow::inputsPerCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QList<int>>("maxima");
    // W 2000, H 2100, F 67, Mu 56, Tr 44.
    QTest::newRow("K") << "K" << 0 << "" << QList<int>{0, 0, 0, 0};
    QTest::newRow("K;;1;S") << "K;;1;S" << 1 << "B_0@122,262 B_1@195,262" << QList<int>{0, 1810, 0, 0};
    QTest::newRow("K;;3;S") << "K;;3;S" << 3 << "B_0@73,260 B_1@129,260 B_2@185,260 B_3@242,260"
                            << QList<int>{0, 1698, 0, 0};
    QTest::newRow("K;;2;S;D1;D2;D3")
        << "K;;2;S;D1;D2;D3" << 2
        << "L_0@60,110 L_1@60,185 B_0@124,260 B_1@188,260 B_2@247,260 R_0@363,112 R_1@363,186 M_0@306,130 M_1@306,208"
        << QList<int>{1899, 1754, 1899, 1899};
    QTest::newRow("L;5") << "L;5" << 4 << "L_0@15,12 L_1@15,56 L_2@15,130 L_3@15,200 B_0@81,260 B_1@144,260"
                         << QList<int>{1922, 1810, 0, 0};
    QTest::newRow("M;5") << "M;5" << 5
                         << "L_0@0,126 L_1@0,206 B_0@78,260 B_1@140,260 B_2@200,260 R_0@270,16 R_1@270,57 R_2@270,126 "
                            "R_3@270,206"
                         << QList<int>{1922, 1754, 1922, 0};
    QTest::newRow("R;7") << "R;7" << 6 << "B_0@143,260 B_1@187,260 B_2@227,260 R_0@280,122 R_1@280,204"
                         << QList<int>{0, 1732, 1966, 0};
    QTest::newRow("K;;1;D;S1;S3;D1;D4")
        << "K;;1;D;S1;S3;D1;D4" << 7
        << "L_0@68,94 L_1@68,138 B_0@122,255 B_1@171,255 B_2@221,255 R_0@285,95 R_1@285,140 R_2@285,191"
        << QList<int>{1878, 1754, 1878, 0};
    QTest::newRow("K0") << "K0" << 9 << "" << QList<int>{0, 0, 0, 0};
}

void TestShapeWindow::inputsPerCode()
{
    QFETCH(QString, code);
    QFETCH(int, button);
    QFETCH(QString, inputs);
    QFETCH(QList<int>, maxima);
    openProject({frame(code)}, 0, true);
    SubVorm *w = openWindow(button);
    QCOMPARE(shownInputs(*w), inputs);
    const auto &max = Project().ClearSizeMax;
    QCOMPARE((QList<int>{max[0], max[1], max[2], max[3]}), maxima);
    QCOMPARE(w->windowTitle(), code);
    for (NumericField *f : w->B) QCOMPARE(f->size(), QSize(35, 24));
    QCOMPARE(w->Pic1->size(), QSize(450, 325));
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::anotherVariantMovesTheInputsAndEmptiesThem()
{
    FrameRecord m = frame("M;5");
    m.Compartments.resize(4); // built for its code
    m.CompartmentsCode = m.ShapeCode;
    m.UpperSectionHeight = 400;
    openProject({m});
    SubVorm *w = openWindow(5);
    QVERIFY(!Project().NewShapePending);
    for (NumericField *f : w->R) f->setValue(300);
    QCOMPARE(highlighted(*w), 3);

    // The same variant again: the layout is redone, the flag stays.
    expectPicture(*dialogs, "M;5");
    w->Command1_Click(3);
    QVERIFY(!Project().NewShapePending);
    QCOMPARE(Project().currentMark()->UpperSectionHeight, int16(400));
    QCOMPARE(w->R[0]->text(), QString());

    w->R[0]->setValue(300);
    expectPicture(*dialogs, "M;1");
    w->Command1_Click(0);
    QCOMPARE(Project().currentMark()->ShapeCode, QString("M;1"));
    QVERIFY(Project().NewShapePending);
    QCOMPARE(shownInputs(*w), QString("L_0@0,126 L_1@0,206 B_0@78,260 B_1@140,260 B_2@200,260 R_0@270,126 R_1@270,206"));
    QCOMPARE(highlighted(*w), 0);
    QCOMPARE(inputTexts(*w), QString(",,, | ,,,, | ,,,,, | ,"));
    QCOMPARE(w->windowTitle(), QString("M;1"));
    // The old compartments stay until "Vakvulling".
    QCOMPARE(Project().currentMark()->Compartments.size(), 4);
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::overallSizesPrintedUprightAndSideways()
{
    // Without a picture only the two printed sizes are dark.
    removePicture("K");
    FrameRecord m = frame("K");
    m.Width = 1200;
    openProject({m}, 0, true);
    SubVorm *w = openWindow(0);
    QVERIFY(!w->Pic1->hasPicture());
    const QImage image = w->Pic1->image();
    // The width reads to the right of (173, 301), the height upwards from (343, 175), 13 pixels high.
    const auto width = darkPixels(image.copy(0, 250, 450, 75), QRect(173, 301 - 250, 70, 16));
    QVERIFY(width.first > 20);
    QCOMPARE(width.second, 0);
    const auto height = darkPixels(image.copy(300, 0, 150, 250), QRect(343 - 300, 175 - 70, 16, 70));
    QVERIFY(height.first > 20);
    QCOMPARE(height.second, 0);
    // Upright the width is wider than high, the height sideways the other way round.
    auto extent = [&](const QRect &area) {
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 100) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect w1 = extent(QRect(150, 290, 120, 35)), h1 = extent(QRect(330, 80, 40, 110));
    QVERIFY2(w1.width() > w1.height() * 2, qPrintable(QString("width label %1x%2").arg(w1.width()).arg(w1.height())));
    QVERIFY2(h1.height() > h1.width() * 2, qPrintable(QString("height label %1x%2").arg(h1.width()).arg(h1.height())));
    QVERIFY(h1.bottom() <= 175 && h1.left() >= 343);

    // The fonts: 200 twips high, Arial; the picture's own font is back after every print.
    QCOMPARE(w->labelFonts().LabelFont().height, -13);
    QCOMPARE(w->labelFonts().LabelFont().escapement, 0);
    QCOMPARE(w->labelFonts().LabelFont().faceName, QString("Arial"));
    QCOMPARE(w->Pic1->selectedFont(), w->Pic1->ownFont());
    LabelFonts twelve;
    twelve.CreateLabelFonts(12);
    QCOMPARE(twelve.LabelFont().height, -17);
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::missingOrUnreadablePictureIsToldAndTheWindowGoesOn()
{
    removePicture("K;;1;S");
    openProject({frame("K;;1;S")}, 0, true);
    dialogs->answer(MsgAnswer::OK, "IMG\\K;;1;S.BMP niet gevonden !", Error);
    SubVorm *w = openWindow(1, false); // queued above
    QCOMPARE(dialogs->shown.last().style, MsgStyle::Critical);
    QVERIFY(w->isLoaded());
    QVERIFY(!w->Pic1->hasPicture());
    QCOMPARE(w->bitmapPath(), QString("IMG/K;;1;S.bmp"));
    QCOMPARE(shownInputs(*w), QString("B_0@122,262 B_1@195,262"));

    // A file that is no picture: the same message, the next variant goes on as well.
    folder->write("IMG/K;;1;S;2.bmp", "not a picture");
    dialogs->answer(MsgAnswer::OK, "IMG\\K;;1;S;2.BMP niet gevonden !", Error);
    w->Command1_Click(1);
    QVERIFY(w->isLoaded());
    QCOMPARE(w->windowTitle(), QString("K;;1;S;2"));
    QVERIFY(!w->Pic1->hasPicture());
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::unknownCodeBuildsNothing()
{
    openProject({frame("k;;1;s")}, 0, true); // case matters
    dialogs->answer(MsgAnswer::OK, "Onbekende vorm kozijn: \"k;;1;s\" !", Error);
    SubVorm *w = openWindow(1, false);
    QCOMPARE(w->bitmapPath(), QString());
    QCOMPARE(shownInputs(*w), QString());
    for (QPushButton *b : w->Command1) QVERIFY(b->isHidden());

    dialogs->answer(MsgAnswer::OK, "Onbekende vorm kozijn: \"k;;1;s\" !", Error);
    w->Command2_Click();
    QVERIFY(Project().currentMark()->Compartments.isEmpty());
    QVERIFY(!Project().currentMark()->ClearSizes);
    QVERIFY(drawingCalls().isEmpty());
    VERIFY_DIALOGS(*dialogs);
}

// ---- "Vakvulling" ----

void TestShapeWindow::newMarkBuildsCopiesAndOpensTheDrawing()
{
    openProject({frame("K;;1;S")}, 0, true);
    SubVorm *w = openWindow(1);
    QVERIFY(Project().NewShapePending);
    w->B[0]->setValue(800);
    w->Command2_Click();

    QCOMPARE(w->B[1]->text(), QString("1010")); // 2000 - 2 x 67 - 56 - 800
    const FrameRecord &m = *Project().currentMark();
    QCOMPARE(m.Compartments.size(), 2);
    QCOMPARE(m.Compartments[0].ClearWidth, int16(800));
    QCOMPARE(m.Compartments[0].ClearHeight, int16(1966));
    QCOMPARE(m.Compartments[1].ClearWidth, int16(1010));
    QCOMPARE(m.Compartments[1].ClearHeight, int16(1966));
    QCOMPARE(Project().ClearWidths, (std::array<int16, 5>{800, 1010, 0, 0, 0}));
    QCOMPARE(Project().ClearHeightsLeft, (std::array<int16, 4>{}));
    QVERIFY(m.ClearSizes);
    QCOMPARE(m.ClearSizes->Widths, (std::array<int16, 5>{800, 1010, 0, 0, 0}));
    QCOMPARE(drawingCalls(), QList<Form *>{w});
    QVERIFY(Project().NewShapePending); // the drawing starts from its own defaults
    QVERIFY(w->isLoaded());

    // When no drawing window opens, "Vakvulling" ends after the sizes are kept.
    w->B[0]->setValue(900);
    w->B[1]->clearValue();
    w->Command2_Click();
    QCOMPARE(Project().ClearWidths[1], int16(910));
    QCOMPARE(drawingCalls().size(), 2);
    QVERIFY(w->isLoaded());
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::existingMarkKeepsItsFillings()
{
    FrameRecord m = frame("M;1");
    m.Compartments.resize(3);
    m.CompartmentsCode = m.ShapeCode;
    const QStringList fills{"RA", "GL_BU", "DE"};
    for (int i = 0; i < 3; ++i) {
        m.Compartments[i].FillType = i == 2 ? "DEUR" : "RAAM";
        m.Compartments[i].FillCode = fills[i];
        m.Compartments[i].PosX = int16(100 * i);
    }
    ClearSizeSet own;
    own.Left = {1000, 966, 0, 0};
    own.Widths = {500, 754, 500, 0, 0};
    own.Right = {1200, 766, 0, 0, 0, 0};
    m.ClearSizes = own;
    openProject({m});
    Project().ClearWidths = {111, 111, 111, 111, 111}; // another mark's
    SubVorm *w = openWindow(5);
    QVERIFY(!Project().NewShapePending);
    QCOMPARE(inputTexts(*w), QString("1000,966,, | 500,754,500,, | 1200,766,,,, | ,"));

    w->B[1]->setValue(700); // 500 + 700 + 500 < 1754: the last width takes the rest
    w->Command2_Click();
    QCOMPARE(w->B[2]->text(), QString("554"));
    const FrameRecord &after = *Project().currentMark();
    QCOMPARE(after.Compartments.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(after.Compartments[i].FillCode, fills[i]);
        QCOMPARE(after.Compartments[i].PosX, int16(100 * i));
    }
    QCOMPARE(after.Compartments[0].ClearWidth, int16(500));
    QCOMPARE(after.Compartments[0].ClearHeight, int16(1000));
    QCOMPARE(after.Compartments[1].ClearWidth, int16(700));
    QCOMPARE(after.Compartments[1].ClearHeight, int16(1966));
    QCOMPARE(after.Compartments[2].ClearWidth, int16(554));
    QCOMPARE(after.Compartments[2].ClearHeight, int16(1200));
    QCOMPARE(Project().ClearWidths, (std::array<int16, 5>{500, 700, 554, 0, 0}));
    QVERIFY(!Project().NewShapePending);
    QCOMPARE(drawingCalls().size(), 1);
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::settledBeforeTheLayout()
{
    // A mark with compartments of its code, opened while an earlier use left the flag set: the
    // layout must not take it for a new shape and reset the upper section.
    FrameRecord m = frame("L;5");
    m.Compartments.resize(3);
    m.CompartmentsCode = m.ShapeCode;
    m.UpperSectionHeight = 300;
    openProject({m}, 0, true);
    openWindow(4);
    QVERIFY(!Project().NewShapePending);
    QCOMPARE(Project().currentMark()->UpperSectionHeight, int16(300));
    settle();

    // Compartments built for another code: the window treats the mark as a new shape.
    for (Form *f : Form::loadedForms()) f->unload();
    settle();
    Project().currentMark()->Compartments.resize(2);
    openWindow(4);
    QVERIFY(Project().NewShapePending);
    QCOMPARE(Project().currentMark()->UpperSectionHeight, int16(1));
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::rowZeroLessTheRightColumnAtEveryPress()
{
    openProject({frame("M;5")}, 0, true);
    SubVorm *w = openWindow(5);
    w->R[0]->setValue(500);
    w->R[1]->setValue(300);
    w->L[0]->setValue(1200);
    // Row 0 may take 2100 - 134 - 44 = 1922 less R(0) and R(1): 1122.
    dialogs->answer(MsgAnswer::OK,
                    "Ongeldige dagmaten opgegeven !\r\n\r\nDe totale opgegeven dagmaat (1200) is groter dan de "
                    "maximale dagmaat (1122)",
                    Error);
    w->Command2_Click();
    QCOMPARE(inputTexts(*w), QString("1200,,, | 584,585,585,, | 500,300,561,561,, | ,"));
    QVERIFY(Project().currentMark()->Compartments.isEmpty());
    QVERIFY(drawingCalls().isEmpty());

    w->L[0]->clearValue();
    for (int press = 0; press < 3; ++press) {
        w->Command2_Click();
        QCOMPARE(inputTexts(*w), QString("561,561,, | 584,585,585,, | 500,300,561,561,, | ,"));
        QCOMPARE(Project().ClearSizeMax[0], int16(1922));
    }
    const FrameRecord &m = *Project().currentMark();
    QCOMPARE(m.UpperSectionHeight, int16(500));
    QCOMPARE(m.Compartments.size(), 4);
    QCOMPARE(m.Compartments[0].ClearWidth, int16(1866));
    QCOMPARE(m.Compartments[0].ClearHeight, int16(300));
    QCOMPARE(m.Compartments[2].ClearWidth, int16(585));
    QCOMPARE(m.Compartments[2].ClearHeight, int16(1122)); // 2100 - 134 - 44 - 300 - 500
    QCOMPARE(drawingCalls().size(), 3);
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::failedRowStopsWithItsMessage()
{
    openProject({frame("K;;1;S;1;2")}, 0, true);
    SubVorm *w = openWindow(1);
    w->B[0]->setValue(1000);
    w->B[1]->setValue(900);
    dialogs->answer(MsgAnswer::OK,
                    "Ongeldige dagmaten opgegeven !\r\n\r\nDe totale opgegeven dagmaat (1900) is groter dan de "
                    "maximale dagmaat (1810)",
                    Error);
    const qsizetype before = dialogs->shown.size();
    w->Command2_Click();
    QCOMPARE(dialogs->shown.size(), before + 1);
    QCOMPARE(dialogs->shown.last().style, MsgStyle::Exclamation);
    // Row 2 came first and keeps its completed values; rows 1 and 0 are as the user left them.
    QCOMPARE(inputTexts(*w), QString(",,, | 1000,900,,, | 961,961,,,, | ,"));
    QVERIFY(Project().currentMark()->Compartments.isEmpty());
    QVERIFY(!Project().currentMark()->ClearSizes);
    QCOMPARE(Project().ClearHeightsRight, (std::array<int16, 6>{}));
    QVERIFY(drawingCalls().isEmpty());
    QVERIFY(w->isLoaded());
    VERIFY_DIALOGS(*dialogs);
}

// Every refusal of "Vakvulling" is one error box of its own text, and nothing is built.
void TestShapeWindow::refusalsAreShownAsErrors_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QString>("message");
    const QString invalid = "Ongeldige dagmaten opgegeven !\r\n\r\n";
    QTest::newRow("no room") << "K;;1;S" << 100 << QList<int>{}
                             << invalid + "De maten van het kozijn laten geen ruimte over voor de dagmaten (maximale dagmaat -90)";
    QTest::newRow("beyond the inputs") << "K;;1;S" << 28190 << QList<int>{}
                                       << "De dagmaten van dit kozijn passen niet in de invoervelden (hoogstens 9999 mm per "
                                          "dagmaat).\r\n\r\nHet kozijn wordt hier niet ingedeeld; de maten blijven zoals ze zijn.";
    QTest::newRow("a compartment without width") << "M;6" << 2000 << QList<int>{1866, 0}
                                                << invalid + "De dagbreedte van vak 2 is 0 of kleiner (0 mm).";
}

void TestShapeWindow::refusalsAreShownAsErrors()
{
    QFETCH(QString, code);
    QFETCH(int, width);
    QFETCH(QList<int>, widths);
    QFETCH(QString, message);
    FrameRecord m = frame(code);
    m.Width = int16(width);
    openProject({m}, 0, true);
    SubVorm *w = openWindow(1);
    for (int i = 0; i < widths.size(); ++i) w->B[i]->setValue(widths[i]);
    const qsizetype before = dialogs->shown.size();
    dialogs->answer(MsgAnswer::OK, message, Error);
    w->Command2_Click();
    QCOMPARE(dialogs->shown.size(), before + 1);
    QCOMPARE(dialogs->shown.last().style, MsgStyle::Exclamation);
    QVERIFY(Project().currentMark()->Compartments.isEmpty());
    QVERIFY(!Project().currentMark()->ClearSizes);
    QVERIFY(drawingCalls().isEmpty());
    QVERIFY(w->isLoaded());
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::sizesPerMarkSurviveSwitchingAndSaving()
{
    FrameRecord b = frame("K;;1;S", "B");
    b.Width = 1800;
    openProject({frame("K;;1;S", "A"), b});
    Project().NewShapePending = true;
    SubVorm *w = openWindow(1);
    w->B[0]->setValue(700);
    w->Command2_Click();
    QCOMPARE(w->B[1]->text(), QString("1110"));
    w->unload();
    settle();

    Project().CurrentMarkIndex = 1;
    Project().NewShapePending = true;
    w = openWindow(1);
    w->B[0]->setValue(900);
    w->Command2_Click();
    QCOMPARE(w->B[1]->text(), QString("710")); // 1800 - 134 - 56 - 900
    w->unload();
    settle();

    Project().CurrentMarkIndex = 0;
    w = openWindow(1);
    QVERIFY(!Project().NewShapePending);
    QCOMPARE(inputTexts(*w), QString(",,, | 700,1110,,, | ,,,,, | ,"));
    w->unload();
    settle();

    dialogs->answer(MsgAnswer::OK);
    QVERIFY(SaveProject(project->state(), false));
    const QString saved = Project().ProjectFileName;
    {
        ScopedProject reloaded;
        reloaded->ProjectFileName = saved;
        QVERIFY(LoadProject(reloaded.state()));
        for (int mark = 0; mark < 2; ++mark) {
            reloaded->CurrentMarkIndex = int16(mark);
            w = openWindow(1);
            QVERIFY(!Project().NewShapePending);
            QCOMPARE(inputTexts(*w), mark == 0 ? QString(",,, | 700,1110,,, | ,,,,, | ,")
                                                : QString(",,, | 900,710,,, | ,,,,, | ,"));
            w->unload();
            settle();
        }
    }
    VERIFY_DIALOGS(*dialogs);
}

// ---- Keys and the stack ----

void TestShapeWindow::escapeClosesAndKeepsEverything()
{
    FrameRecord m = frame("K;;1;S");
    m.Compartments.resize(2);
    m.CompartmentsCode = m.ShapeCode;
    m.Compartments[0].FillCode = "RA";
    openProject({m});
    Project().ClearWidths = {700, 1110, 0, 0, 0};
    const FrameRecord before = *Project().currentMark();
    QPointer<SubVorm> w = openWindow(1);
    expectPicture(*dialogs, "K;;1;S;2");
    w->Command1_Click(1); // a variant chosen before stays in the mark
    w->B[0]->setValue(1500);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w->B[0], &esc); // the key from inside an input reaches the window
    settle();
    QVERIFY(!w);
    QCOMPARE(Project().currentMark()->ShapeCode, QString("K;;1;S;2"));
    QCOMPARE(Project().currentMark()->Compartments, before.Compartments);
    QCOMPARE(Project().ClearWidths, (std::array<int16, 5>{700, 1110, 0, 0, 0}));
    QCOMPARE(Project().FormLevel, int16(0));
    QCOMPARE(LabelFonts::livePairs(), 0);
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::variantWithAsManyCompartmentsIsBuiltAnewAfterEsc()
{
    // "K;;1;S;2" built and filled: 0 left full height, 1 upper right, 2 lower right.
    openProject({frame("K;;1;S;2")}, 0, true);
    QPointer<SubVorm> w = openWindow(1);
    w->Command2_Click();
    QList<CompartmentRecord> &built = Project().currentMark()->Compartments;
    QCOMPARE(built.size(), 3);
    const QStringList fills{"DE", "RA", "PRA"};
    for (int i = 0; i < 3; ++i) built[i].FillCode = fills[i];
    w->unload();
    settle();

    // The variant button to "K;;1;S;1" (also three compartments, numbered otherwise), then Esc.
    w = openWindow(1);
    QVERIFY(!Project().NewShapePending);
    expectPicture(*dialogs, "K;;1;S;1");
    w->Command1_Click(2);
    QCOMPARE(Project().currentMark()->ShapeCode, QString("K;;1;S;1"));
    w->unload();
    settle();

    // Reopened: the compartments were built for "K;;1;S;2", so the mark counts as a new shape and
    // "Vakvulling" builds them empty instead of moving the door to the upper left.
    w = openWindow(1);
    QVERIFY(Project().NewShapePending);
    w->Command2_Click();
    const FrameRecord &after = *Project().currentMark();
    QCOMPARE(after.Compartments.size(), 3);
    for (const CompartmentRecord &c : after.Compartments) QVERIFY(c.FillCode.isEmpty());
    QCOMPARE(after.CompartmentsCode, QString("K;;1;S;1"));
    QCOMPARE(after.Compartments[1].ClearHeight, int16(2100 - 2 * 67)); // the right column, full height
    VERIFY_DIALOGS(*dialogs);
}

// A frame over ten metres from a project file: its widths 14000 + 14000 would show as 9999, and
// "Vakvulling" would then make them 9999 + 18001. The window says so and does not open.
void TestShapeWindow::storedSizesBeyondTheInputsAreNotLaidOut()
{
    FrameRecord m = frame("K;;1;S");
    m.Width = 28190;
    m.Compartments.resize(2);
    m.CompartmentsCode = m.ShapeCode;
    m.Compartments[0].FillCode = "DE";
    ClearSizeSet own;
    own.Widths = {14000, 14000, 0, 0, 0};
    m.ClearSizes = own;
    openProject({m});
    const FrameRecord before = *Project().currentMark();
    dialogs->answer(MsgAnswer::OK,
                    "De dagmaten van dit kozijn passen niet in de invoervelden (hoogstens 9999 mm per dagmaat)."
                    "\r\n\r\nHet kozijn wordt hier niet ingedeeld; de maten blijven zoals ze zijn.",
                    Error);
    QPointer<SubVorm> w = new SubVorm([] { return 1; });
    expectPicture(*dialogs, "K;;1;S");
    QVERIFY(!w->load());
    settle();
    QVERIFY(!w);
    QCOMPARE(*Project().currentMark(), before);
    QCOMPARE(Project().FormLevel, int16(0));
    QVERIFY(opener->opened.isEmpty());
    VERIFY_DIALOGS(*dialogs);
}

// "K;;1;S" shows only the widths; the mark's other rows keep what they hold, even a value the inputs could
// not show, through "Vakvulling".
void TestShapeWindow::aHiddenInputNeverChangesTheSizeItHolds()
{
    FrameRecord m = frame("K;;1;S");
    m.Compartments.resize(2);
    m.CompartmentsCode = m.ShapeCode;
    ClearSizeSet own;
    own.Widths = {900, 910, 0, 0, 0}; // 2000 - 2 x 67 - 56
    own.Right = {14000, 250, 0, 0, 0, 0};
    own.Middle = {12000, 0};
    m.ClearSizes = own;
    openProject({m});
    SubVorm *w = openWindow(1);
    QVERIFY(w->isLoaded());
    w->Command2_Click();
    QCOMPARE(opener->opened.size(), 1);
    const ClearSizeSet after = *Project().currentMark()->ClearSizes;
    QCOMPARE(after.Right, own.Right);
    QCOMPARE(after.Middle, own.Middle);
    QCOMPARE(after.Widths, own.Widths);
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::helpKeyAsksForItsTopicOnly()
{
    openProject({frame("K;;1;S")}, 0, true);
    SubVorm *w = openWindow(1);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(w->B[0], &f1); // from an input, too
    QCOMPARE(opener->helpTopics(), QList<HelpTopic>{HelpTopic::Shape});
    QCOMPARE(opener->help[0].from.data(), w);
    QVERIFY(opener->opened.isEmpty());
    QVERIFY(w->isLoaded());
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::formLevelAndLabelFonts()
{
    openProject({frame("K;;1;S")}, 0, true);
    auto *main = new MainStandIn;
    main->load();
    QPointer<DrawingStandIn> drawing;
    opener->onOpen = [&](WindowKind, Form *) -> Form * {
        drawing = new DrawingStandIn;
        drawing->load();
        return drawing;
    };
    for (int round = 0; round < 3; ++round) {
        QPointer<SubVorm> w = openWindow(1);
        QCOMPARE(w->levelTag(), QString("1"));
        QCOMPARE(LabelFonts::livePairs(), 1);
        Form::activated(w);
        w->Command2_Click();
        QVERIFY(drawing);
        QCOMPARE(drawing->levelTag(), QString("2"));
        QCOMPARE(Project().FormLevel, int16(3));

        Form::activated(drawing);
        Form::activated(w); // back to the shape window: the drawing window goes
        settle();
        QVERIFY(!drawing);
        QVERIFY(w);
        QCOMPARE(Project().FormLevel, int16(2));

        Form::activated(main); // back to the main screen: the shape window goes
        settle();
        QVERIFY(!w);
        QCOMPARE(Project().FormLevel, int16(1));
        QCOMPARE(LabelFonts::livePairs(), 0);
        Project().NewShapePending = true;
        Project().currentMark()->Compartments.clear();
    }
    main->unload();
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::widthInputsForTheDrawing()
{
    openProject({frame("M;6")}, 0, true);
    SubVorm *w = openWindow(5);
    w->B[0]->setValue(640);
    const ShapeWidthInputs *inputs = w;
    QCOMPARE(readWidthInput(inputs, 0, 67), std::optional<int>(707));
    QCOMPARE(readWidthInput(inputs, 1), std::optional<int>(0)); // empty reads as 0
    QCOMPARE(inputs->widthInput(5), 0.0);
    VERIFY_DIALOGS(*dialogs);
}

void TestShapeWindow::screenshots()
{
    struct Shot {
        const char *code;
        int button;
        ClearSizeSet sizes;
    };
    const QList<Shot> shots = {
        {"K", 0, {}},
        {"K;;1;S;1;2", 1, {{1000, 922, 0, 0}, {800, 1010, 0, 0, 0}, {961, 961, 0, 0, 0, 0}, {}}},
        {"K;;2;S;D1;D2;D3;S2", 2, {{1000, 899, 0, 0}, {400, 400, 400, 442, 0}, {1000, 899, 0, 0, 0, 0}, {1000, 899}}},
        {"K;;1;D;S1;S3;D1;D4", 7, {{600, 678, 0, 0}, {600, 554, 600, 0, 0}, {500, 500, 378, 0, 0, 0}, {}}},
        {"K;;1;S;D1;D2;S1;D1", 8, {{500, 500, 834, 0}, {600, 554, 600, 0, 0}, {1000, 922, 0, 0, 0, 0}, {}}},
        {"L;5", 4, {{300, 500, 600, 522}, {900, 910, 0, 0, 0}, {}, {}}},
        {"L;1;;;D1;D2", 4, {{800, 600, 522, 0}, {900, 910, 0, 0, 0}, {1000, 922, 0, 0, 0, 0}, {}}},
        {"M;5", 5, {{561, 561, 0, 0}, {584, 585, 585, 0, 0}, {500, 300, 561, 561, 0, 0}, {}}},
        {"M;7", 5, {{1000, 966, 0, 0}, {300, 200, 800, 200, 300}, {1000, 966, 0, 0, 0, 0}, {}}},
        {"R;5", 6, {{}, {900, 910, 0, 0, 0}, {300, 500, 600, 522, 0, 0}, {}}},
        {"R;1;;;D1;D2", 6, {{1000, 922, 0, 0}, {900, 910, 0, 0, 0}, {800, 600, 522, 0, 0, 0}, {}}},
        {"K0", 9, {}},
    };
    for (const Shot &s : shots) {
        openProject({frame(s.code)}, 0, true);
        SubVorm *w = openWindow(s.button);
        Form::activated(w);
        w->setClearSizeInputs(s.sizes);
        saveShot(w, QString("shapewindow_%1").arg(QString(s.code).replace(';', '_')));
        w->unload();
        settle();
    }
    VERIFY_DIALOGS(*dialogs);
}

QTEST_MAIN(TestShapeWindow)
#include "tst_shapewindow.moc"
