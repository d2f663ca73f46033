// The whole road of a quotation request: the program starts, a mark gets its shape, is drawn and
// filled, "Verzend tekeningen" sends it, the factory's SMTP server receives the request with its
// drawing file, and "EMail.log" holds the line "Verzonden". The marks overview sends once more and
// shows the log.
#include "../mainwindow/ProgramFixture.h"
#include "MailServer.h"
#include "app/AppWindowOpener.h"
#include "drawing/window/TekenForm.h"
#include "mail/window/EMail.h"
#include "mail/window/OvzEMail.h"
#include "model/GridModel.h"
#include "shape/window/SubVorm.h"

#include <QJsonArray>
#include <QToolButton>
#include <QtTest>

namespace {
template <class T> T *loaded()
{
    for (Form *f : Form::loadedForms())
        if (auto *t = qobject_cast<T *>(f)) return t;
    return nullptr;
}
}

class TestQuotationRoad : public QObject {
    Q_OBJECT
private slots:
    void drawnMarkToTheFactory();
};

void TestQuotationRoad::drawnMarkToTheFactory()
{
    MailServer server;
    QVERIFY2(server.isRunning(), "the test SMTP server did not start (python3-aiosmtpd)");
    TestFolder folder;
    AppWindowOpener windows;
    ScopedWindowOpener installed(&windows);
    setFixedNow(QDateTime(QDate(2026, 12, 7), QTime(9, 5, 0), Qt::OffsetFromUTC, 3600));
    Program p;
    QVERIFY(p.start());
    const QString factory = "offerte@voorbeeld-timmerfabriek.example"; // line 2 of the catalogue's Basis.TXT
    QCOMPARE(p.state().FactoryEMail, factory);

    p.newMark("A", 2000, 2100);
    QApplication::setActiveWindow(p.frame);
    QTest::mouseClick(p.s().Command2[1], Qt::LeftButton); // one mullion: "K;;1;S"
    QPointer<SubVorm> shape = qobject_cast<SubVorm *>(p.s().shapeWindowOpen());
    QVERIFY(shape);
    shape->B[0]->setValue(800);
    shape->Command2->click(); // "Vakvulling"
    QPointer<TekenForm> f = loaded<TekenForm>();
    QVERIFY(f);
    f->Command1[1]->click();
    f->Command2[10]->click(); // a window in compartment 1
    f->Num1->setValue(2);
    f->Command1[3]->click();
    f->Command2[17]->click(); // a panel in compartment 2
    f->Command3->click();     // "O.K.": every compartment filled
    QVERIFY(!f->isLoaded());
    QVERIFY(p.state().FrameRecords[0].IsComplete);

    const QStringList personal{"4711", "Bouwbedrijf De Vries", "Jan de Vries", "Dorpsstraat 1", "1234 AB",
                               "Zandrel", "0123-456789", "0123-456780", "Nieuwbouw", "jan@devries.nl",
                               server.address()};
    for (int i = 2; i <= 12; ++i) p.s().Text1[i]->setText(personal[i - 2]);
    p.s().Combo1[1]->setListIndex(0); // "Standaard"

    p.dialogs.answer(MsgAnswer::Yes, "Wilt u de tekening(en) nu verzenden naar de timmerfabiek ?", "Verzenden");
    p.dialogs.answer(MsgAnswer::OK, "De tekeningen zijn verzonden naar de timmerfabriek", "Zandrel tofmaar");
    p.frame->Send->trigger();
    // The send window does its work when the window system activates it, and then unloads itself.
    QTRY_VERIFY_WITH_TIMEOUT(!loaded<EMail>() && p.dialogs.pending() == 0, 20000);
    VERIFY_DIALOGS(p.dialogs);

    QCOMPARE(folder.read("EMail.log"), ("1;" + factory + ";07-12-2026;09:05;Verzonden\r\n").toLatin1());
    const QString drawing = "261207-0905.TEK";
    QCOMPARE(p.state().ProjectFileName, drawing);
    QCOMPARE(server.count(), 1);
    QCOMPARE(server.envelope(0)["mail_from"].toString(), QString("jan@devries.nl"));
    QCOMPARE(server.envelope(0)["rcpt_tos"].toArray(), QJsonArray({factory}));
    const QJsonObject m = server.parsed(0);
    QCOMPARE(m["headers"].toObject()["Subject"].toString(), QString("Offerte aanvraag"));
    QCOMPARE(m["from_name"].toString(), QString("Bouwbedrijf De Vries"));
    const QJsonArray parts = m["parts"].toArray();
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts[0].toObject()["text"].toString(),
             QString("Dit is een automatisch gegenereerde e-mail van een offerte aanvraag van:\r\n\r\n"
                     "Bouwbedrijf De Vries\r\nJan de Vries\r\nDorpsstraat 1\r\n1234 AB Zandrel\r\n"
                     "Tel: 0123-456789 Fax: 0123-456780\r\njan@devries.nl\r\n\r\nzie bijlage voor de tekeningen"));
    QCOMPARE(parts[1].toObject()["filename"].toString(), drawing);
    const QByteArray attached = partData(m, 1);
    QCOMPARE(attached, folder.read(drawing));
    QVERIFY(attached.startsWith("@;2.0\r\n"));
    QVERIFY(attached.contains("\r\n:A;0;"));
    QVERIFY(attached.contains("\r\n;K;;1;S\r\n;2000;2100\r\n"));

    // From the marks overview: its send button sends again without the menu's checks, and its log
    // button shows both lines.
    QPointer<Form> overview = windowOpener().open(WindowKind::MarksOverview, p.screen);
    QVERIFY(overview);
    QPushButton *sendButton = overview->findChild<QPushButton *>("Command1_0");
    QPushButton *logButton = overview->findChild<QPushButton *>("Command1_1");
    QVERIFY(sendButton && logButton);
    p.dialogs.answer(MsgAnswer::OK, "De tekeningen zijn verzonden naar de timmerfabriek", "Zandrel tofmaar");
    sendButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(!loaded<EMail>() && p.dialogs.pending() == 0, 20000);
    QCOMPARE(server.count(), 2);
    QCOMPARE(folder.read("EMail.log"), ("1;" + factory + ";07-12-2026;09:05;Verzonden\r\n").repeated(2).toLatin1());
    QTimer::singleShot(0, [&] {
        OvzEMail *log = loaded<OvzEMail>();
        QVERIFY(log);
        QCOMPARE(log->grid->rowCount(), 2);
        QCOMPARE(log->grid->cellText(1, 1), factory);
        QCOMPARE(log->grid->cellText(1, 4), QString("Verzonden"));
        log->Command1[1]->click(); // "Sluiten": the overview stops waiting
    });
    logButton->click();
    QVERIFY(!loaded<OvzEMail>());
    QVERIFY(!p.state().MailLogOverviewOpen);
    overview->unload();
    p.settle();
}

QTEST_MAIN(TestQuotationRoad)
#include "tst_quotationroad.moc"
