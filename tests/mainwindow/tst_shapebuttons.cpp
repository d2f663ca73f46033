// The main screen's ten shape buttons: the size checks, the record they fill, the question on a
// change of the basic shape, and the shape window they open.
#include "ProgramFixture.h"
#include "app/AppWindowOpener.h"
#include "forms/RecordingWindowOpener.h"
#include "shape/window/SubVorm.h"

#include <QtTest>

namespace {
const QColor Selected(0, 200, 255);
const QString Question = "Wilt u de vorm van het kozijn wijzigen ?";

// The program with its real windows, so that a shape button opens the shape window.
struct ShapeProgram : Program {
    AppWindowOpener windows;
    ScopedWindowOpener installed{&windows};
};

int visibleVariants(const SubVorm &w)
{
    int n = 0;
    for (const QPushButton *b : w.Command1) n += b->isHidden() ? 0 : 1;
    return n;
}

int selectedShapeButton(HoofdScherm &s)
{
    for (int k = 0; k < 10; ++k)
        if (s.Command2[k]->palette().color(QPalette::Button) == Selected) return k;
    return -1;
}

// The user clicks shape button k: the button takes the focus first.
void clickShape(Program &p, int k)
{
    QApplication::setActiveWindow(p.frame);
    QTest::mouseClick(p.s().Command2[k], Qt::LeftButton);
}

// Back to the main screen from the shape window on top: the shape window is closed.
void backToMainScreen(Program &p)
{
    if (Form *w = p.s().shapeWindowOpen()) QApplication::setActiveWindow(w);
    QApplication::setActiveWindow(p.frame);
    p.settle();
}

// Mark "A" of 2000 x 2100 given the shape "K;;1;S;2" through button 1 and its variant, with its
// compartments built; the shape window is closed again by going back to the main screen.
void markWithShape(Program &p)
{
    p.newMark("A", 2000, 2100);
    p.s().Num1[4]->setValue(67);
    p.s().Num1[6]->setValue(56);
    p.s().Num1[7]->setValue(44);
    clickShape(p, 1);
    SubVorm *w = qobject_cast<SubVorm *>(p.s().shapeWindowOpen());
    w->Command1_Click(1);
    w->B[0]->setValue(800);
    w->R[0]->setValue(900);
    w->Command2_Click();
    backToMainScreen(p);
}
}

class TestShapeButtons : public QObject {
    Q_OBJECT
private slots:
    void aNewMarkTakesTheButtonsShapeWithoutAQuestion()
    {
        TestFolder folder;
        ShapeProgram p;
        QVERIFY(p.start());
        p.newMark("A", 1200, 1500);
        p.s().Text1[1]->setText("Voordeur");
        p.s().Num1[3]->setValue(2);
        p.s().Num1[4]->setValue(70);
        p.s().WK2->setChecked(true);
        clickShape(p, 4);

        const FrameRecord &m = p.state().FrameRecords[0];
        QCOMPARE(m.ShapeCode, QString("L;1"));
        QCOMPARE(m.Description, QString("Voordeur"));
        QCOMPARE(m.Width, int16(1200));
        QCOMPARE(m.Height, int16(1500));
        QCOMPARE(m.CountMirrored, int16(2));
        QCOMPARE(m.FrameThickness, int16(70));
        QVERIFY(m.ResistanceClass2);
        QCOMPARE(p.s().CurrentBasicCode, QString("L;1"));
        QCOMPARE(p.s().LastShapeButton, 4);

        SubVorm *w = qobject_cast<SubVorm *>(p.s().shapeWindowOpen());
        QVERIFY(w && w->isLoaded());
        QCOMPARE(w->windowTitle(), QString("L;1"));
        QCOMPARE(visibleVariants(*w), 9);
        QCOMPARE(w->levelTag(), QString("1"));
        QVERIFY(p.state().NewShapePending);

        // Going back to the main screen closes the shape window.
        backToMainScreen(p);
        QVERIFY(!p.s().shapeWindowOpen());
        QCOMPARE(p.state().FormLevel, int16(1));
        VERIFY_DIALOGS(p.dialogs);
    }

    // The main screen asks the opener for the shape window and hands it the focused button to
    // read, which follows the focus while the window is open.
    void theShapeWindowComesFromTheOpener()
    {
        TestFolder folder;
        Program p;
        RecordingWindowOpener opener;
        QVERIFY(p.start());
        p.newMark("A", 1200, 1500);
        clickShape(p, 4);
        QCOMPARE(opener.openedFrom(WindowKind::Shape), QList<Form *>{p.screen.data()});
        const std::function<int()> button = opener.opened.last().needs.shapeButton;
        QVERIFY(button);
        QCOMPARE(button(), 4);
        p.s().Command2[7]->setFocus(Qt::TabFocusReason);
        QCOMPARE(button(), 7);
        QVERIFY(!p.s().shapeWindowOpen()); // this opener opens nothing
        QCOMPARE(p.state().FrameRecords[0].ShapeCode, QString("L;1"));
        VERIFY_DIALOGS(p.dialogs);
    }

    void anotherBasicShapeAsksFirst_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("answer"); // 0: no question
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("newShape"); // NewShapePending once the shape window has loaded
        QTest::addColumn<int>("variants");
        QTest::addColumn<int>("selected"); // the shape button shown selected
        QTest::newRow("same basic shape") << 1 << 0 << "K;;1;S;2" << false << 4 << 1;
        QTest::newRow("change, yes") << 2 << int(MsgAnswer::Yes) << "K;;2;S" << true << 5 << 2;
        QTest::newRow("change, no") << 2 << int(MsgAnswer::No) << "K;;1;S;2" << false << 4 << 1;
    }
    void anotherBasicShapeAsksFirst()
    {
        QFETCH(int, button);
        QFETCH(int, answer);
        QFETCH(QString, code);
        QFETCH(bool, newShape);
        QFETCH(int, variants);
        QFETCH(int, selected);
        TestFolder folder;
        ShapeProgram p;
        QVERIFY(p.start());
        markWithShape(p);
        QCOMPARE(p.state().FrameRecords[0].Compartments.size(), 3);
        p.s().Text1[1]->setFocus();
        p.s().ShowShapeButtons(-1);
        if (answer) p.dialogs.answer(answer, Question, "Zandrel tofmaar");
        clickShape(p, button);

        if (answer) QCOMPARE(p.dialogs.shown.last().style, MsgStyle::Question | MsgStyle::YesNo);
        const FrameRecord &m = p.state().FrameRecords[0];
        QCOMPARE(m.ShapeCode, code);
        QCOMPARE(p.state().NewShapePending, newShape);
        QVERIFY(!p.state().ShapeChanged); // taken by the shape window's load
        QCOMPARE(p.s().LastShapeButton, button);
        QCOMPARE(selectedShapeButton(p.s()), selected);
        SubVorm *w = qobject_cast<SubVorm *>(p.s().shapeWindowOpen());
        QVERIFY(w && w->isLoaded());
        QCOMPARE(visibleVariants(*w), variants);
        QCOMPARE(w->windowTitle(), code);
        // A kept shape shows its stored sizes; a new one starts empty.
        QCOMPARE(w->B[0]->text(), newShape ? QString() : QString("800"));
        VERIFY_DIALOGS(p.dialogs);
    }

    void theLooseWindowHasNoFrame()
    {
        TestFolder folder;
        ShapeProgram p;
        QVERIFY(p.start());
        p.newMark("A", 1200, 1500);
        p.s().Num1[4]->setValue(67);
        clickShape(p, 9);
        QCOMPARE(p.state().FrameRecords[0].ShapeCode, QString("K0"));
        QCOMPARE(p.state().FrameRecords[0].FrameThickness, int16(0));
        QCOMPARE(p.s().Num1[4]->value(), 67);
        backToMainScreen(p);

        // Declining the change back to a frame keeps the loose window; declining a change to the
        // loose window keeps the frame's thickness.
        p.newMark("B", 1200, 1500);
        p.s().Num1[4]->setValue(67);
        clickShape(p, 0);
        backToMainScreen(p);
        p.dialogs.answer(MsgAnswer::No, Question, "Zandrel tofmaar");
        clickShape(p, 9);
        QCOMPARE(p.state().FrameRecords[1].ShapeCode, QString("K"));
        QCOMPARE(p.state().FrameRecords[1].FrameThickness, int16(67));
        VERIFY_DIALOGS(p.dialogs);
    }

    void sizeChecksComeFirst_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("message");
        QTest::newRow("width and height 0") << 0 << 0 << "Ongeldige breedte van het kozijn !";
        QTest::newRow("height 0") << 1200 << 0 << "Ongeldige hoogte van het kozijn !";
    }
    void sizeChecksComeFirst()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, message);
        TestFolder folder;
        ShapeProgram p;
        QVERIFY(p.start());
        p.newMark("A", width, height);
        p.dialogs.answer(MsgAnswer::OK, message, "FOUTMELDING");
        clickShape(p, 4);
        QCOMPARE(p.dialogs.shown.last().style, MsgStyle::Exclamation);
        QCOMPARE(p.state().FrameRecords[0].ShapeCode, QString());
        QVERIFY(!p.s().shapeWindowOpen());
        QCOMPARE(p.state().FormLevel, int16(1));
        VERIFY_DIALOGS(p.dialogs);
    }

    void withoutAMarkNothingOpens()
    {
        TestFolder folder;
        ShapeProgram p;
        QVERIFY(p.start());
        p.declineFirstMark();
        p.enterMark("A");
        p.s().Num1[0]->setValue(1200);
        p.s().Num1[1]->setValue(1500);
        clickShape(p, 4);
        QCOMPARE(p.state().MarkCount, int16(0));
        QVERIFY(!p.s().shapeWindowOpen());
        VERIFY_DIALOGS(p.dialogs);
    }

    // The focus that comes back to the shape button pressed last, once the open dialog is gone,
    // is no choice of the user's: the loaded mark keeps its own button selected.
    void anOpenedProjectShowsItsMarksShapeButton()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A", 2000, 2100);
        p.state().FrameRecords[0].ShapeCode = "K;;1;S";
        p.newMark("B", 1200, 1500);
        p.state().FrameRecords[1].ShapeCode = "K";
        const QString file = p.saveThroughMenu();
        p.s().Command1[0]->click(); // mark A on screen, its shape button pressed
        clickShape(p, 1);
        backToMainScreen(p);
        QCOMPARE(selectedShapeButton(p.s()), 1);
        QCOMPARE(p.s().focusWidget(), p.s().Command2[1]);

        // The dialog takes the activation; the file is read while it has it, the main screen gets it back after.
        QWidget dialog;
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        p.openThroughMenu(file);
        dialog.hide();
        QApplication::setActiveWindow(p.frame);
        QCOMPARE(p.s().focusWidget(), p.s().Command2[1]);
        QCOMPARE(p.state().CurrentMarkIndex, int16(1));
        QCOMPARE(p.s().Text1[0]->text(), QString("B"));
        QCOMPARE(p.s().CurrentBasicCode, QString("K"));
        QCOMPARE(selectedShapeButton(p.s()), 0);
        saveShot(p.frame, "mainscreen-after-open");

        // A menu that closes hands the focus back the same way: no move to the button either.
        QFocusEvent fromMenu(QEvent::FocusIn, Qt::PopupFocusReason);
        QApplication::sendEvent(p.s().Command2[1], &fromMenu);
        QCOMPARE(selectedShapeButton(p.s()), 0);
        QCOMPARE(p.s().CurrentBasicCode, QString("K"));

        // The user's own move to a shape button still selects it.
        p.s().Command2[3]->setFocus(Qt::TabFocusReason);
        QCOMPARE(selectedShapeButton(p.s()), 3);
        VERIFY_DIALOGS(p.dialogs);
    }
};

QTEST_MAIN(TestShapeButtons)
#include "tst_shapebuttons.moc"
