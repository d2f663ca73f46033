// The help-pointer mode of the main screen and its balloons.
#include "ProgramFixture.h"
#include "forms/RecordingWindowOpener.h"
#include "mainwindow/HelpBalloons.h"
#include "mainwindow/msgFrm.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QtTest>

namespace {
// The balloon on screen: its title and text, or empty when none is open.
QPair<QString, QString> balloonShown()
{
    msgFrm *m = msgFrm::open();
    if (!m || !m->isVisible()) return {};
    return {m->aTitle->text(), m->aMsg->text()};
}

void closeBalloon()
{
    if (msgFrm *m = msgFrm::open()) m->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

class TestHelpBalloons : public QObject {
    Q_OBJECT
private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("Command1(0)") << "Command1" << 0 << "Bladeren" << "Met deze knoppen kunt u door de verschilldende merken bladeren.";
        QTest::newRow("Command1(1)") << "Command1" << 1 << "Bladeren" << "Met deze knoppen kunt u door de verschilldende merken bladeren.";
        QTest::newRow("Command1(2)") << "Command1" << 2 << "Bladeren" << "Met deze knoppen kunt u door de verschilldende merken bladeren.";
        QTest::newRow("Command1(3)") << "Command1" << 3 << "Bladeren" << "Met deze knoppen kunt u door de verschilldende merken bladeren.";
        QTest::newRow("Command1(4)") << "Command1" << 4 << "Verwijderen" << "Met deze knop verwijdert u het huidige merk.";
        QTest::newRow("Command1(5)") << "Command1" << 5 << "Overzicht" << "Met deze knop kunt u een overzicht opvragen van alle merken in dit project.";
        QTest::newRow("Command1(6)") << "Command1" << 6 << "Nieuw" << "Met deze knop kunt u een nieuw merk aanmaken.";
        QTest::newRow("Command2(0)") << "Command2" << 0 << "Basis vorm" << "Met deze knoppen kiest u de basis vorm van het kozijn.";
        QTest::newRow("Command2(9)") << "Command2" << 9 << "Basis vorm" << "Met deze knoppen kiest u de basis vorm van het kozijn.";
        QTest::newRow("Command3(1)") << "Command3" << 1 << "Verzenden" << "Met deze knop kunt u de tekeningen verzenden naar de timmerfabriek.\r\nLet op: Het veld mailserver (smtp) moet juist ingevuld zijn !";
        QTest::newRow("Text1(0)") << "Text1" << 0 << "Merk" << "Hier geeft u het merk op. (bv. A, B, C of 1, 2, 3 etc.)";
        QTest::newRow("Text1(1)") << "Text1" << 1 << "Korte omschrijving" << "Hier kunt u een korte omschrijving opgeven. (Optioneel)";
        QTest::newRow("Text1(2)") << "Text1" << 2 << "Klantnummer" << "Hier kunt u uw klantnummer opgeven. (Indien bekend)";
        QTest::newRow("Text1(3)") << "Text1" << 3 << "Bedrijfsnaam" << "Hier geeft u uw bedrijfsnaam op.";
        QTest::newRow("Text1(4)") << "Text1" << 4 << "Contactpersoon" << "Hier geeft u uw eigen naam op.";
        QTest::newRow("Text1(5)") << "Text1" << 5 << "Adres" << "Hier geeft u uw adres op.";
        QTest::newRow("Text1(6)") << "Text1" << 6 << "Postcode" << "Hier geeft u uw postcode op.";
        QTest::newRow("Text1(7)") << "Text1" << 7 << "Woonplaats" << "Hier geeft u uw woonplaats op.";
        QTest::newRow("Text1(8)") << "Text1" << 8 << "Telefoon" << "Hier geeft u uw telefoonnummer op.";
        QTest::newRow("Text1(9)") << "Text1" << 9 << "Fax" << "Hier geeft u uw faxnummer op.";
        QTest::newRow("Text1(10)") << "Text1" << 10 << "Project omschrijving" << "Hier kunt u een korte omschrijving van het project opgeven. (Optioneel)";
        QTest::newRow("Text1(11)") << "Text1" << 11 << "E-Mail adres" << "Hier geeft u uw e-mail adres op.";
        QTest::newRow("Text1(12)") << "Text1" << 12 << "Mail server (smtp)" << "Hier geeft u de naam van uw mailserver (smtp) op voor de uitgaande mail.\r\nZie uw account gegevens van uw e-mail software bv. Outlook of raadpleeg uw provider gegevens.";
        QTest::newRow("Num1(0)") << "Num1" << 0 << "Breedte" << "Hier geeft u de breedte van het kozijn op in millimeters.";
        QTest::newRow("Num1(1)") << "Num1" << 1 << "Hoogte" << "Hier geeft u de hoogte van het kozijn op in millimeters.";
        QTest::newRow("Num1(2)") << "Num1" << 2 << "Aantal getekend" << "Hier geeft u het aantal benodigde kozijnen op.";
        QTest::newRow("Num1(3)") << "Num1" << 3 << "Aantal gespiegeld" << "Hier geeft u het aantal gespiegelde kozijnen op.";
        QTest::newRow("Num1(4)") << "Num1" << 4 << "Dikte kozijnhout" << "Hier geeft u de dikte van het kozijnhout op in millimeters.";
        QTest::newRow("Num1(5)") << "Num1" << 5 << "Breedte kozijnhout" << "Hier geeft u de breedte van het kozijnhout op in millimeters.";
        QTest::newRow("Num1(6)") << "Num1" << 6 << "Dikte tussenstijl" << "Hier geeft u de dikte van de tussenstijlen op in millimeters.";
        QTest::newRow("Num1(7)") << "Num1" << 7 << "Dikte tussendorpel" << "Hier geeft u de dikte van de tussendorpels op in millimeters.";
        // No balloon: the help button itself, the lists, the check box, and indexes out of range.
        for (const auto &[array, index] : QList<QPair<QString, int>>{
                 {"Command3", 0}, {"Combo1", 0}, {"Combo1", 1}, {"WK2", 0}, {"Command1", 7}, {"Text1", 13}, {"Num1", 8}})
            QTest::newRow(qPrintable(QString("%1(%2) none").arg(array).arg(index))) << array << index << QString() << QString();
    }
    void texts()
    {
        QFETCH(QString, array);
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QString, text);
        const std::optional<HelpBalloonText> balloon = helpBalloonFor(array, index);
        QCOMPARE(balloon.has_value(), !title.isEmpty());
        if (!balloon) return;
        QCOMPARE(balloon->title, title);
        QCOMPARE(balloon->text, text);
    }

    void cleanup()
    {
        HelpPointer::off();
        closeBalloon();
    }

    void deleteButtonShowsItsBalloonThenDeletes()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        QVERIFY(!HelpPointer::isOn());
        p.s().Command3[HoofdScherm::HelpPointerButton]->click();
        QVERIFY(HelpPointer::isOn());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);

        // The balloon instead of the delete question; the mode ends with it.
        QCursor::setPos(200, 150);
        p.s().Command1[HoofdScherm::DeleteMark]->click();
        QCOMPARE(balloonShown(), qMakePair(QString("Verwijderen"), QString("Met deze knop verwijdert u het huidige merk.")));
        QCOMPARE(msgFrm::open()->tailCorner(), Balloon::UpperLeft); // at the mouse
        QCOMPARE(msgFrm::open()->Timer1->interval(), 20000);
        QVERIFY(!HelpPointer::isOn());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(p.marks(), QStringList{"A"});
        VERIFY_DIALOGS(p.dialogs);

        // The next click acts.
        p.dialogs.answer(MsgAnswer::Yes, "Weet u zeker dat u merk \"A\" wilt verwijderen ?", "Verwijderen van merk bevestigen");
        p.s().Command1[HoofdScherm::DeleteMark]->click();
        QVERIFY(p.marks().isEmpty());
        VERIFY_DIALOGS(p.dialogs);
    }

    void helpButtonSwitchesAndOtherControls()
    {
        TestFolder folder;
        Program p;
        RecordingWindowOpener opener;
        QVERIFY(p.start());
        p.newMark("A");
        QPushButton *help = p.s().Command3[HoofdScherm::HelpPointerButton];
        QVERIFY(help->isEnabled());
        // Its face carries a light rectangle over the focus frame.
        const QImage face = help->grab().toImage();
        for (const QPoint at : {QPoint(4, 4), QPoint(help->width() - 5, 4), QPoint(help->width() - 5, help->height() - 5),
                                QPoint(4, help->height() - 5)})
            QCOMPARE(face.pixelColor(at), QColor(212, 208, 200));
        help->click();
        help->click();
        QVERIFY(!HelpPointer::isOn()); // the button again switches it off
        QVERIFY(!balloonShown().first.size());

        // The send button, a shape button, a text and a numeric field: each its balloon, none acts.
        struct Case { QWidget *control; QString title; };
        const QList<Case> cases{{p.s().Command3[HoofdScherm::SendButton], "Verzenden"},
                                {p.s().Command2[4], "Basis vorm"},
                                {p.s().Text1[3], "Bedrijfsnaam"},
                                {p.s().Num1[HoofdScherm::WidthField], "Breedte"}};
        for (const Case &c : cases) {
            help->click();
            if (auto *b = qobject_cast<QPushButton *>(c.control))
                b->click();
            else
                QTest::mouseClick(c.control, Qt::LeftButton);
            QCOMPARE(balloonShown().first, c.title);
            QVERIFY(!HelpPointer::isOn());
        }
        QVERIFY(!p.s().shapeWindowOpen());
        QVERIFY(opener.opened.isEmpty()); // no shape window asked for, no send window
        VERIFY_DIALOGS(p.dialogs); // no send question, no shape window

        // The timber list has no balloon: it opens as usual and the mode stays on.
        closeBalloon();
        help->click();
        QTest::mouseClick(p.s().Combo1[HoofdScherm::TimberList], Qt::LeftButton);
        QTRY_VERIFY(p.s().Combo1[HoofdScherm::TimberList]->view()->isVisible());
        QVERIFY(HelpPointer::isOn());
        QVERIFY(balloonShown().first.isEmpty());
        p.s().Combo1[HoofdScherm::TimberList]->hidePopup();
        // So do the mail-method list and the resistance-class box.
        const bool checked = p.s().WK2->isChecked();
        p.s().WK2->click();
        QCOMPARE(p.s().WK2->isChecked(), !checked);
        QVERIFY(HelpPointer::isOn());
        VERIFY_DIALOGS(p.dialogs);
    }

    void sendBalloonKeepsItsLineBreak()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        p.s().Command3[HoofdScherm::HelpPointerButton]->click();
        p.s().Command3[HoofdScherm::SendButton]->click();
        QCOMPARE(balloonShown().second, QString("Met deze knop kunt u de tekeningen verzenden naar de timmerfabriek.\r\n"
                                                "Let op: Het veld mailserver (smtp) moet juist ingevuld zijn !"));
        VERIFY_DIALOGS(p.dialogs);
    }
};

QTEST_MAIN(TestHelpBalloons)
#include "tst_helpballoons.moc"
