// The send command: its confirmation, the mark on screen stored, then the project and the mail
// fields checked in that order, each failure with its own message.
#include "MarkBuilder.h"
#include "ProgramFixture.h"

#include <QtTest>

namespace {
const QString Confirm = QStringLiteral("Wilt u de tekening(en) nu verzenden naar de timmerfabiek ?");
const QString NoAddress = QStringLiteral("U heeft uw e-mail adres niet ingevuld !");
const QString NoServer = QStringLiteral(
    "U heeft geen uitgaande mailserver (smtp) opgegeven !\r\n\r\nRaadpleeg uw provider gegevens of kijk bij uw "
    "account gegevens in uw e-mail programma (Bijv. Outlook)");
}

class TestSend : public QObject {
    Q_OBJECT
private slots:
    void theChecksRunInOrder_data()
    {
        QTest::addColumn<bool>("shaped");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("message"); // "" when every check passes
        QTest::newRow("mark without shape")
            << false << "" << "" << "De tekening(en) kunnen niet verzonden worden !\r\n\r\nVorm kozijn onbekend bij merk A";
        QTest::newRow("no address, no server") << true << "" << "" << NoAddress;
        QTest::newRow("no server") << true << "jan@devries.example" << "" << NoServer;
        QTest::newRow("blank server") << true << "jan@devries.example" << "   " << NoServer;
        QTest::newRow("all there") << true << "jan@devries.example" << "smtp.devries.example" << "";
    }
    void theChecksRunInOrder()
    {
        QFETCH(bool, shaped);
        QFETCH(QString, address);
        QFETCH(QString, server);
        QFETCH(QString, message);
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A", 1200, 2100);
        if (shaped) makeSendable(p.state().FrameRecords[0]);
        p.s().Text1[11]->setText(address);
        p.s().Text1[12]->setText(server);
        p.s().Command3[1]->setFocus();
        p.dialogs.answer(MsgAnswer::Yes, Confirm, "Verzenden");
        if (!message.isEmpty()) p.dialogs.answer(MsgAnswer::OK, message, "FOUTMELDING");
        p.s().Command3[1]->click();
        QCOMPARE(p.dialogs.shown.last().style, message.isEmpty() ? MsgStyle::YesNo + MsgStyle::Information
                                                                  : int(MsgStyle::Exclamation));
        VERIFY_DIALOGS(p.dialogs);
    }

    void theSendCommandStoresTheScreenOnlyAfterYes()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A", 1200, 2100);
        p.s().Num1[0]->setValue(0);
        p.dialogs.answer(MsgAnswer::No, Confirm);
        p.frame->Send->trigger();
        QCOMPARE(p.state().FrameRecords[0].Width, int16(1200)); // No stores nothing

        p.dialogs.answer(MsgAnswer::Yes, Confirm)
            .answer(MsgAnswer::OK, "De tekening(en) kunnen niet verzonden worden !\r\n\r\nKozijnbreedte onbekend bij merk A");
        p.frame->Send->trigger();
        QCOMPARE(p.state().FrameRecords[0].Width, int16(0));
        VERIFY_DIALOGS(p.dialogs);
    }

    void theMainScreenIsTheFirstLevelAndClosesWhatIsAbove()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        class Above : public Form {
        protected:
            void Form_Load() override { RegisterFormLevel(); }
        };
        QPointer<Above> above = new Above;
        above->load();
        above->show();
        QApplication::setActiveWindow(above);
        QCOMPARE(p.state().FormLevel, int16(2));
        QApplication::setActiveWindow(p.frame); // back to the main screen
        QVERIFY(!above->isLoaded());
        QCOMPARE(p.state().FormLevel, int16(1));
        p.settle();
        QVERIFY(!above);
    }
};

QTEST_MAIN(TestSend)
#include "tst_send.moc"
