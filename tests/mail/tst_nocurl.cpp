// A system without libcurl: the program's SMTP paths fail at the send with the reason, as any
// failed send (its box, "De tekeningen zijn niet verzonden !", one "Mislukt" line), and nothing
// else is touched: the sendmail path still delivers. The loader is pointed at a library that is not
// there before anything could load the real one, so this runs as a program of its own.
#include "MailServer.h"
#include "MarkBuilder.h"
#include "SendWindowRun.h"
#include "TestSupport.h"
#include "mail/CurlLibrary.h"
#include "model/ProjectState.h"
#include "platform/Clock.h"

#include <QFile>
#include <QJsonArray>
#include <QPointer>
#include <QTest>

namespace {
const QString Factory = "offerte@fabriek.nl";
const QString Missing = "zantof-geen-curl";

PersonalData devries(const QString &server)
{
    PersonalData p;
    p.CustomerNumber = "4711";
    p.Company = "Bouwbedrijf De Vries";
    p.Contact = "Jan de Vries";
    p.EMail = "jan@devries.nl";
    p.MailServer = server;
    return p;
}

}

class TestNoCurl : public QObject {
    Q_OBJECT
    std::unique_ptr<MailServer> server;

    void project(ProjectState &s)
    {
        s.FrameRecords << MarkBuilder("A").counts(1).build();
        s.MarkCount = 1;
        s.FactoryEMail = Factory;
    }

private slots:
    void initTestCase()
    {
        CurlLibrary::setLibrary(Missing, 4);
        server = std::make_unique<MailServer>();
        QVERIFY2(server->isRunning(), "the test SMTP server did not start (python3-aiosmtpd)");
    }
    void init()
    {
        server->clear();
        setFixedNow(sendMoment());
    }
    void cleanup() { setFixedNow(QDateTime()); }

    void smtpPathsFailWithTheReason_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("start");
        const QString lost = "Er is een fout opgetreden tijdens het versturen van de E-Mail naar " + Factory;
        QTest::newRow("Standaard") << 0 << lost + "\r(Foutcode: 2 SMTP kan niet gestart worden: ";
        QTest::newRow("WinSock") << 1 << lost + "\rFoutcode: 2 SMTP kan niet gestart worden: ";
    }
    void smtpPathsFailWithTheReason()
    {
        QFETCH(int, method);
        QFETCH(QString, start);
        TestFolder folder(false);
        ScopedProject project;
        this->project(project.state());
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, QString(), ErrorTitle)
            .answer(MsgAnswer::OK, "De tekeningen zijn niet verzonden !", "Zandrel tofmaar");
        QVERIFY(runSendWindow(devries(server->address()), method));
        VERIFY_DIALOGS(boxes);
        QCOMPARE(boxes.shown.size(), 2);
        const QString prompt = boxes.shown[0].prompt;
        QVERIFY2(prompt.startsWith(start), qPrintable(prompt));
        // The reason is the loader's own, naming the library it looked for.
        const QString reason = prompt.mid(start.size());
        QVERIFY2(reason.contains(Missing) && reason.size() > Missing.size() + 1, qPrintable(reason));
        QCOMPARE(folder.read("EMail.log"), QByteArray("1;offerte@fabriek.nl;07-12-2026;09:05;Mislukt\r\n"));
        QCOMPARE(server->count(), 0);
        QVERIFY(!isMapped("libcurl"));
    }

    // The sendmail path does not need libcurl: it delivers as always.
    void sendmailPathStillSends()
    {
        TestFolder folder(false);
        ScopedProject project;
        this->project(project.state());
        SendmailSetup sendmail(server->port());
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, "De tekeningen zijn verzonden naar de timmerfabriek", "Zandrel tofmaar");
        QVERIFY(runSendWindow(devries(server->address()), 2));
        VERIFY_DIALOGS(boxes);
        QCOMPARE(folder.read("EMail.log"), QByteArray("1;offerte@fabriek.nl;07-12-2026;09:05;Verzonden\r\n"));
        QCOMPARE(server->count(), 1);
        QCOMPARE(server->envelope(0)["rcpt_tos"].toArray(), QJsonArray({Factory}));
        QVERIFY(!isMapped("libcurl"));
    }
};

QTEST_MAIN(TestNoCurl)
#include "tst_nocurl.moc"
