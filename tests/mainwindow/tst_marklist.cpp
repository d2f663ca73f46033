// The mark list on the main screen: new marks, finding by label, browsing, deleting and the enable
// states, as the user drives them. The list's own rules are tested in tests/model.
#include "ProgramFixture.h"

#include <QtTest>

namespace {
QString offer(const QString &label)
{
    return "Merk \"" + label + "\" niet gevonden.\r\n\r\nWilt u een nieuw merk aanmaken ?";
}
const QString NoSuccessor = QStringLiteral("Kan geen opvolgend merk aanmaken !");

// Marks A, B and C, each a frame 100 wider than the one before; C is on screen.
void marksABC(Program &p)
{
    p.newMark("A", 1000);
    p.newMark("B", 1100);
    p.newMark("C", 1200);
}
}

class TestMarkList : public QObject {
    Q_OBJECT
private slots:
    void theNewButtonMakesMarksABC()
    {
        TestFolder folder;
        folder.write("Basis.TXT", "www.hout.example\r\ninfo@hout.example\r\nEiken\r\n56\r\n90\r\n1\r\nHout\r\n1\r\n");
        Program p;
        QVERIFY(p.start());
        QVERIFY(p.s().WK2->isChecked());
        for (const QString label : {"A", "B", "C"}) {
            p.dialogs.answer(MsgAnswer::Yes, offer(label), "Nieuwe kozijn tekening");
            p.s().Command1[6]->click();
            QCOMPARE(p.dialogs.shown.last().style, MsgStyle::YesNo + MsgStyle::Question);
        }
        QCOMPARE(p.marks(), (QStringList{"A", "B", "C"}));
        QCOMPARE(p.state().CurrentMarkIndex, int16(2));
        QVERIFY(p.state().ProjectDirty);
        QVERIFY(p.state().NewShapePending);
        // A new mark shows its defaults; "Weerstand klasse 2" starts unchecked whatever the factory says.
        HoofdScherm &s = p.s();
        QCOMPARE(s.Text1[0]->text(), QString("C"));
        QCOMPARE(s.Num1[2]->value(), 1);
        QCOMPARE(s.Num1[3]->value(), 0);
        QCOMPARE(s.Num1[0]->value(), 0);
        QCOMPARE(s.Combo1[0]->text(), QString("Eiken"));
        QCOMPARE(s.Num1[4]->value(), 56);
        QCOMPARE(s.Num1[5]->value(), 90);
        QVERIFY(!s.WK2->isChecked());
        const FrameRecord &c = p.state().FrameRecords[2];
        QCOMPARE(c.CountDrawn, int16(1));
        QCOMPARE(c.TimberType, QString("Eiken"));
        QCOMPARE(c.FrameThickness, int16(56));
        QCOMPARE(c.MullionThickness, int16(56));
        QCOMPARE(c.TransomThickness, int16(56));
        QCOMPARE(c.FrameWidth, int16(90));
        QVERIFY(c.ShapeCode.isEmpty() && c.Compartments.isEmpty());

        // With C on screen the next is D; with A on screen B and C are in use, so D again: never a second B.
        p.dialogs.answer(MsgAnswer::No, offer("D"));
        s.Command1[6]->click();
        QCOMPARE(p.marks().size(), 3);
        s.Command1[0]->click();
        p.dialogs.answer(MsgAnswer::Yes, offer("D"));
        s.Command1[6]->click();
        QCOMPARE(p.marks(), (QStringList{"A", "B", "C", "D"}));
        QCOMPARE(p.state().CurrentMarkIndex, int16(3));
        VERIFY_DIALOGS(p.dialogs);
    }

    void noSuccessorCreatesNothing()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("99");
        p.dialogs.answer(MsgAnswer::OK, NoSuccessor, "FOUTMELDING");
        p.s().Command1[6]->click();
        QCOMPARE(p.marks(), QStringList{"99"});
        QCOMPARE(p.s().Text1[0]->text(), QString("99"));
        VERIFY_DIALOGS(p.dialogs);
    }

    void leavingTheEmptyMarkFieldProposesA()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        QVERIFY(p.s().Text1[0]->hasFocus());
        p.dialogs.answer(MsgAnswer::Yes, offer("A"));
        p.s().Num1[0]->setFocus(Qt::MouseFocusReason);
        QCOMPARE(p.marks(), QStringList{"A"});
        QVERIFY(p.s().Text1[1]->hasFocus());
        VERIFY_DIALOGS(p.dialogs);
    }

    void aRefusedFirstMarkLeavesTheUserFree()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.declineFirstMark();
        p.s().Text1[3]->setFocus(Qt::MouseFocusReason);
        QVERIFY(p.s().Text1[3]->hasFocus()); // not sent back into the mark field to be asked again
        QCOMPARE(p.s().Text1[0]->text(), QString());
        QCOMPARE(p.state().MarkCount, int16(0));
        p.s().Text1[4]->setFocus(Qt::TabFocusReason);
        VERIFY_DIALOGS(p.dialogs);
    }

    void theMarkFieldFindsAMarkByItsLabel()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A", 1000, 2000);
        p.newMark("B", 1100, 2100);
        p.newMark("C", 1200, 2200);

        p.enterMark("A");
        QCOMPARE(p.state().CurrentMarkIndex, int16(0));
        QCOMPARE(p.s().Num1[0]->value(), 1000);

        // Another label stores the other fields of the mark on screen first, not its label.
        p.s().Num1[1]->setValue(2050);
        p.s().Text1[1]->setText("Keukenraam");
        p.enterMark("B");
        QCOMPARE(p.state().CurrentMarkIndex, int16(1));
        QCOMPARE(p.state().FrameRecords[0].Height, int16(2050));
        QCOMPARE(p.state().FrameRecords[0].Description, QString("Keukenraam"));
        QCOMPARE(p.marks(), (QStringList{"A", "B", "C"}));

        // Case matters: "b" is a new label; No shows the last mark.
        p.dialogs.answer(MsgAnswer::No, offer("b"));
        p.enterMark("b");
        QCOMPARE(p.state().CurrentMarkIndex, int16(2));
        QCOMPARE(p.s().Text1[0]->text(), QString("C"));
        QCOMPARE(p.s().Num1[0]->value(), 1200);
        VERIFY_DIALOGS(p.dialogs);
    }

    void noToANewMarkShowsTheLastMark()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        for (const char *m : {"1", "2", "3", "4", "5"}) p.newMark(m);
        p.enterMark("3");
        p.dialogs.answer(MsgAnswer::No, offer("7"));
        p.enterMark("7");
        QCOMPARE(p.state().CurrentMarkIndex, int16(4));
        QCOMPARE(p.s().Text1[0]->text(), QString("5"));
        VERIFY_DIALOGS(p.dialogs);
    }

    void browsingStoresTheScreenFirst()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        marksABC(p);
        HoofdScherm &s = p.s();
        auto on = [&] { return p.state().FrameRecords[p.state().CurrentMarkIndex].Mark; };
        s.Command1[0]->click();
        QCOMPARE(on(), QString("A"));
        s.Command1[1]->click(); // already the first
        QCOMPARE(on(), QString("A"));
        s.Num1[3]->setValue(2);
        s.WK2->setChecked(true);
        s.Combo1[0]->setListIndex(1);
        s.Command1[2]->click();
        QCOMPARE(on(), QString("B"));
        QCOMPARE(s.Num1[0]->value(), 1100);
        QVERIFY(!s.WK2->isChecked());
        const FrameRecord &a = p.state().FrameRecords[0];
        QCOMPARE(a.CountMirrored, int16(2));
        QVERIFY(a.ResistanceClass2);
        QCOMPARE(a.TimberType, QString("Vuren"));
        s.Command1[3]->click();
        QCOMPARE(on(), QString("C"));
        s.Command1[2]->click(); // already the last
        QCOMPARE(on(), QString("C"));
        s.Command1[1]->click();
        QCOMPARE(on(), QString("B"));
        s.Command1[0]->click();
        QCOMPARE(s.Num1[3]->value(), 2);
        QVERIFY(s.WK2->isChecked());
        VERIFY_DIALOGS(p.dialogs);
    }

    void deleting_data()
    {
        QTest::addColumn<int>("marks");
        QTest::addColumn<int>("onScreen");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("shown"); // the mark field afterwards
        QTest::newRow("first") << 3 << 0 << QStringList{"B", "C"} << "B";
        QTest::newRow("middle") << 3 << 1 << QStringList{"A", "C"} << "C";
        QTest::newRow("last") << 3 << 2 << QStringList{"A", "B"} << "B";
        QTest::newRow("only") << 1 << 0 << QStringList{} << "";
    }
    void deleting()
    {
        QFETCH(int, marks);
        QFETCH(int, onScreen);
        QFETCH(QStringList, left);
        QFETCH(QString, shown);
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        const QStringList labels{"A", "B", "C"};
        for (int i = 0; i < marks; ++i) p.newMark(labels[i], 1000 + i);
        p.state().ProjectDirty = false;
        p.state().SavedFrameRecords = p.state().FrameRecords;
        p.state().CurrentMarkIndex = int16(onScreen);
        p.s().ShowFrameRecord();

        const QString question = "Weet u zeker dat u merk \"" + labels[onScreen] + "\" wilt verwijderen ?";
        p.dialogs.answer(MsgAnswer::No, question, "Verwijderen van merk bevestigen");
        p.s().Command1[4]->click();
        QCOMPARE(p.state().MarkCount, int16(marks));
        QVERIFY(!p.state().ProjectDirty);

        p.dialogs.answer(MsgAnswer::Yes, question);
        p.s().Command1[4]->click();
        QCOMPARE(p.dialogs.shown.last().style, MsgStyle::YesNo + MsgStyle::Exclamation);
        QCOMPARE(p.marks(), left);
        QCOMPARE(p.s().Text1[0]->text(), shown);
        QVERIFY(p.state().ProjectDirty);
        if (left.isEmpty()) {
            QCOMPARE(p.state().CurrentMarkIndex, int16(0));
            QCOMPARE(p.state().FrameRecords.size(), 1); // one fresh element
            QVERIFY(p.state().FrameRecords[0] == FrameRecord());
            QVERIFY(p.s().Text1[0]->hasFocus());
            QVERIFY(!p.s().Command1[4]->isEnabled());
        } else {
            QCOMPARE(p.s().Num1[0]->value(), 1000 + int(labels.indexOf(shown)));
        }
        VERIFY_DIALOGS(p.dialogs);
    }

    void enableStates_data()
    {
        QTest::addColumn<int>("marks");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
    }
    void enableStates()
    {
        QFETCH(int, marks);
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        for (int i = 0; i < marks; ++i) p.newMark(QString(QChar('A' + i)));
        HoofdScherm &s = p.s();
        for (int k = 0; k < 4; ++k) QCOMPARE(s.Command1[k]->isEnabled(), marks >= 2);
        QCOMPARE(s.Command1[4]->isEnabled(), marks >= 1);
        QCOMPARE(s.Command1[5]->isEnabled(), marks >= 1);
        QVERIFY(s.Command1[6]->isEnabled());
        QCOMPARE(s.Command3[1]->isEnabled(), marks >= 1);
        QCOMPARE(p.frame->Save->isEnabled(), marks >= 1);
        QCOMPARE(p.frame->SaveAs->isEnabled(), marks >= 1);
        QCOMPARE(p.frame->Send->isEnabled(), marks >= 1);
        QVERIFY(p.frame->Nieuw->isEnabled() && p.frame->Openen->isEnabled() && p.frame->Afsluiten->isEnabled());
        VERIFY_DIALOGS(p.dialogs);
    }

    void theButtonsCarryTheirCaptionsAndTooltips()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        QStringList captions, tips;
        for (QPushButton *b : p.s().Command1) {
            captions << b->text();
            tips << b->toolTip();
        }
        QCOMPARE(captions, (QStringList{"|<", "<", ">", ">|", "Verwijder", "Overzicht", "Nieuw"}));
        QCOMPARE(tips, (QStringList{"Eerste tekening", "Vorige tekening", "Volgende tekening", "Laatste tekening",
                                    "Verwijder huidige tekening", "Overzicht alle tekeningen", "Nieuwe tekening"}));
        QCOMPARE(p.s().Command2[9]->toolTip(), QString("Losse ramen of deuren (zonder kozijn)"));
        QCOMPARE(p.s().Command3[1]->toolTip(), QString("Verzenden tekeningen"));
    }

    void aLooseWindowKeepsFrameThicknessZero()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        p.state().FrameRecords[0].ShapeCode = "K0";
        p.state().FrameRecords[0].FrameThickness = 0;
        QCOMPARE(p.s().Num1[4]->value(), 67);
        p.s().SaveRec();
        QCOMPARE(p.state().FrameRecords[0].FrameThickness, int16(0));
        QCOMPARE(p.state().FrameRecords[0].MullionThickness, int16(67));
    }

    void theMarksShapeButtonIsShownSelected()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        p.newMark("B");
        p.state().FrameRecords[0].ShapeCode = "L;1;;;D1";
        p.s().Command1[0]->click();
        QCOMPARE(p.s().CurrentBasicCode, QString("L;1"));
        const QColor selected(0, 200, 255);
        for (int k = 0; k < 10; ++k)
            QCOMPARE(p.s().Command2[k]->palette().color(QPalette::Button) == selected, k == 4);
        // A mark without a shape leaves the buttons as they were.
        p.s().Command1[2]->click();
        QCOMPARE(p.s().Command2[4]->palette().color(QPalette::Button), selected);
        // A shape button that gets the focus is shown selected.
        p.s().Command2[7]->setFocus(Qt::TabFocusReason);
        QCOMPARE(p.s().Command2[7]->palette().color(QPalette::Button), selected);
        QVERIFY(p.s().Command2[4]->palette().color(QPalette::Button) != selected);
    }

    // A command that leaves the mark field without moving the focus (a menu item, its shortcut, the
    // close) looks the typed label up as Tab does, before it goes on: a label of another mark goes
    // to that mark, a new one is offered, and No stops the command with the mark on screen unchanged.
    void aCommandLooksUpTheTypedMarkFirst_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer"); // to the offer of a new mark; 0: no offer (the mark exists)
        for (const char *command : {"Ctrl+S", "Opslaan als", "Verzend tekeningen", "Afsluiten", "Esc", "Openen"}) {
            QTest::addRow("%s, new mark refused", command) << command << "Z" << int(MsgAnswer::No);
            QTest::addRow("%s, existing mark", command) << command << "A" << 0;
        }
        QTest::newRow("Ctrl+S, new mark made") << "Ctrl+S" << "Z" << int(MsgAnswer::Yes);
    }
    void aCommandLooksUpTheTypedMarkFirst()
    {
        QFETCH(QString, command);
        QFETCH(QString, typed);
        QFETCH(int, answer);
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        marksABC(p);
        p.state().SavedFrameRecords = p.state().FrameRecords; // nothing to ask at the close
        p.state().ProjectDirty = false;
        p.s().Text1[0]->setFocus(Qt::MouseFocusReason);
        p.s().Text1[0]->setText(typed); // typed over "C", no Tab
        VERIFY_DIALOGS(p.dialogs);

        const QString confirm = "Wilt u de tekening(en) nu verzenden naar de timmerfabiek ?";
        if (command == "Verzend tekeningen") p.dialogs.answer(MsgAnswer::Yes, confirm);
        if (answer) p.dialogs.answer(answer, offer(typed), "Nieuwe kozijn tekening");
        const bool goesOn = answer != MsgAnswer::No;
        // What each command does next, once the mark is settled.
        if (goesOn) {
            if (command == "Ctrl+S") p.dialogs.answer(MsgAnswer::OK);
            if (command == "Opslaan als") p.dialogs.answerSave(QString()); // cancelled in its dialog
            if (command == "Verzend tekeningen") p.dialogs.answer(MsgAnswer::OK); // a mark without shape
            if (command == "Openen") p.dialogs.answerOpen({});
        }
        if (command == "Ctrl+S") QTest::keyClick(p.s().Text1[0], Qt::Key_S, Qt::ControlModifier);
        if (command == "Opslaan als") p.frame->SaveAs->trigger();
        if (command == "Verzend tekeningen") p.frame->Send->trigger();
        if (command == "Afsluiten") p.frame->Afsluiten->trigger();
        if (command == "Esc") QTest::keyClick(p.s().Text1[0], Qt::Key_Escape);
        if (command == "Openen") p.frame->Openen->trigger();
        VERIFY_DIALOGS(p.dialogs);

        const bool made = answer == MsgAnswer::Yes;
        QCOMPARE(p.marks(), made ? QStringList({"A", "B", "C", "Z"}) : QStringList({"A", "B", "C"}));
        if (!goesOn) {
            QCOMPARE(p.state().CurrentMarkIndex, int16(2));
            QCOMPARE(p.s().Text1[0]->text(), QString("C"));
            QCOMPARE(p.ended, -1); // the close stopped too
            return;
        }
        const bool closes = command == "Afsluiten" || command == "Esc";
        QCOMPARE(p.ended, closes ? 0 : -1);
        QCOMPARE(p.state().CurrentMarkIndex, int16(made ? 3 : 0));
        if (closes) return;
        QCOMPARE(p.s().Text1[0]->text(), typed);
        QCOMPARE(p.state().FrameRecords[2].Width, int16(1200));
        if (command == "Ctrl+S") QVERIFY(!p.state().ProjectFileName.isEmpty());
    }

    void theMarkOnScreenWithAnEmptyLabelShowsDefaults()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A", 1500, 1800);
        p.s().Num1[3]->setValue(3);
        p.s().Text1[1]->setText("oud");
        FrameRecord &r = p.state().FrameRecords[0];
        r.Mark.clear(); // as a project file may hold it
        p.s().Text1[0]->setText("Q");
        p.s().ShowFrameRecord();
        QCOMPARE(r.Mark, QString("Q"));
        QVERIFY(p.s().Text1[1]->text().isEmpty());
        QVERIFY(p.s().Num1[0]->isEmpty() && p.s().Num1[1]->isEmpty() && p.s().Num1[3]->isEmpty());
        QCOMPARE(p.s().Num1[2]->value(), 1);
        QCOMPARE(r.Width, int16(1500)); // the record is otherwise left alone
    }
};

QTEST_MAIN(TestMarkList)
#include "tst_marklist.moc"
