// A click on a button of the main screen that leaves a field whose check or lookup shows a box: the
// box comes up between the press and the release, and takes the release. The button comes back up
// and its command does not run.
#include "ProgramFixture.h"
#include "forms/RecordingWindowOpener.h"

#include <QtTest>

class TestPressedButtons : public QObject {
    Q_OBJECT
private slots:
    void aBoxBetweenPressAndReleaseLeavesTheButtonUp_data()
    {
        QTest::addColumn<QString>("button"); // its object name
        QTest::addColumn<bool>("markField"); // left: the mark field (lookup), else the e-mail field (check)
        // Every button of the main screen: the mark buttons, the shape buttons, help and send.
        QStringList names;
        for (int k = 0; k < 7; ++k) names << QString("Command1_%1").arg(k);
        for (int k = 0; k < 10; ++k) names << QString("Command2_%1").arg(k);
        for (int k = 0; k < 2; ++k) names << QString("Command3_%1").arg(k);
        for (const QString &name : names) {
            QTest::addRow("%s after the e-mail check", qPrintable(name)) << name << false;
            QTest::addRow("%s after the mark lookup", qPrintable(name)) << name << true;
        }
    }
    void aBoxBetweenPressAndReleaseLeavesTheButtonUp()
    {
        QFETCH(QString, button);
        QFETCH(bool, markField);
        TestFolder folder;
        Program p;
        RecordingWindowOpener opener;
        QVERIFY(p.start());
        p.newMark("A", 1200, 1500);
        p.newMark("B", 1200, 1500);
        HoofdScherm &s = p.s();
        auto *b = s.findChild<QPushButton *>(button);
        QVERIFY(b && b->isEnabled());

        TextField *field = markField ? s.Text1[0] : s.Text1[11];
        field->setFocus(Qt::MouseFocusReason);
        field->setText(markField ? "Z" : "jan@bouw");
        QVERIFY(field->hasFocus());
        // The user lets go of the mouse while the box is up.
        p.dialogs.onNext([b] { QTest::mouseRelease(b, Qt::LeftButton); });
        if (markField)
            p.dialogs.answer(MsgAnswer::No, "Merk \"Z\" niet gevonden.\r\n\r\nWilt u een nieuw merk aanmaken ?");
        else
            p.dialogs.answer(MsgAnswer::OK, "Ongeldig e-mail adres !", "Foutmelding");
        QTest::mousePress(b, Qt::LeftButton);
        QVERIFY(p.dialogs.shown.size() > 0);

        QVERIFY(!b->isDown());
        QVERIFY(opener.opened.isEmpty());
        QCOMPARE(p.marks(), (QStringList{"A", "B"}));
        QCOMPARE(p.state().CurrentMarkIndex, int16(1));
        QCOMPARE(s.Text1[0]->text(), QString("B"));
        if (!markField) QVERIFY(field->hasFocus()); // the check kept the user in the field
        saveShot(p.frame, "pressed-" + button);

        // The next click is a click as always.
        if (b == s.Command1[HoofdScherm::FirstMark]) {
            QApplication::setActiveWindow(p.frame);
            QTest::mouseClick(b, Qt::LeftButton);
            QCOMPARE(p.state().CurrentMarkIndex, int16(0));
        }
        VERIFY_DIALOGS(p.dialogs);
    }
};

QTEST_MAIN(TestPressedButtons)
#include "tst_pressedbuttons.moc"
