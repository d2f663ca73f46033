// The send of the quotation request without a window, against the real SMTP server and the real
// sendmail: it sends over the project's mail method with the project's personal data, tells a fault
// of the send before it logs the attempt and before its outcome, reports 100% only once the server
// took the request, stops at a drawing file it cannot write; and "Log wissen".
#include "MailServer.h"
#include "MarkBuilder.h"
#include "QuotationText.h"
#include "TestSupport.h"
#include "mail/QuotationSend.h"
#include "model/ProjectState.h"
#include "platform/Clock.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QTest>

namespace {
const QString Factory = "offerte@fabriek.nl";
const QString Drawing = "261207-0905.TEK";
const QString Sent = "De tekeningen zijn verzonden naar de timmerfabriek";
const QString NotSent = "De tekeningen zijn niet verzonden !";
const QString Lost = "Er is een fout opgetreden tijdens het versturen van de E-Mail naar " + Factory;

QByteArray logLine(const QString &status) { return ("1;" + Factory + ";07-12-2026;09:05;" + status + "\r\n").toLatin1(); }

// One mark, the factory's address, and the customer with his mail method.
void project(ProjectState &s, const PersonalData &personal, int method)
{
    s.FrameRecords << MarkBuilder("A").counts(1);
    s.MarkCount = 1;
    s.FactoryEMail = Factory;
    s.Personal = personal;
    s.MailMethod = mailMethodAt(method);
}

// What the log held at each box, and at each progress report with its percent.
struct Moments {
    QList<QByteArray> logAtBox;
    QList<int> progress;
    QList<QByteArray> logAtProgress;

    Moments(ScriptedDialogs &boxes, QuotationSend &send, const TestFolder &folder)
    {
        atEveryBox = [this, &boxes, &folder] {
            logAtBox << folder.read("EMail.log");
            boxes.onNext(atEveryBox);
        };
        boxes.onNext(atEveryBox);
        QObject::connect(&send, &QuotationSend::progress, [this, &folder](int percent) {
            progress << percent;
            logAtProgress << folder.read("EMail.log");
        });
    }
    std::function<void()> atEveryBox;
};
}

class TestQuotationSend : public QObject {
    Q_OBJECT
    std::unique_ptr<MailServer> server;

private slots:
    void initTestCase()
    {
        server = std::make_unique<MailServer>();
        QVERIFY2(server->isRunning(), "the test SMTP server did not start (python3-aiosmtpd)");
    }
    void init()
    {
        server->clear();
        setFixedNow(QDateTime(QDate(2026, 12, 7), QTime(9, 5, 0), Qt::OffsetFromUTC, 3600));
    }
    void cleanup() { setFixedNow(QDateTime()); }

    // The project's mail method picks the path: "Outlook" hands the request to sendmail, which
    // relays it, even where the mail-server field names a port nobody listens on. The request is
    // made of the project's personal data, its attachment is the drawing file just written, and
    // the bar reaches 100% last, before the log line and the box.
    void sendsOverTheProjectsMailMethod_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<bool>("serverInTheField");
        QTest::newRow("Standaard") << 0 << true;
        QTest::newRow("WinSock") << 1 << true;
        QTest::newRow("Outlook, no server in the field") << 2 << false;
    }
    void sendsOverTheProjectsMailMethod()
    {
        QFETCH(int, method);
        QFETCH(bool, serverInTheField);
        TestFolder folder(false);
        ScopedProject p;
        const QString field = serverInTheField ? server->address() : QString("127.0.0.1:%1").arg(MailServer::closedPort());
        project(p.state(), devries(field), method);
        SendmailSetup sendmail(server->port());
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, Sent, "Zandrel tofmaar");
        QuotationSend send;
        Moments at(boxes, send, folder);

        QVERIFY(send.run(p.state()));
        VERIFY_DIALOGS(boxes);
        QCOMPARE(boxes.shown[0].style, int(MsgStyle::Information));
        QCOMPARE(at.logAtBox, QList<QByteArray>{logLine("Verzonden")});
        QCOMPARE(folder.read("EMail.log"), logLine("Verzonden"));

        // The facade's whole and the send's own 100% once accepted; the log has no line yet.
        QVERIFY(!at.progress.isEmpty());
        QCOMPARE(at.progress.last(), 100);
        QVERIFY(std::is_sorted(at.progress.begin(), at.progress.end()));
        QCOMPARE(at.logAtProgress.count(QByteArray()), at.logAtProgress.size());

        QCOMPARE(p->ProjectFileName, Drawing);
        QCOMPARE(server->count(), 1);
        QCOMPARE(server->envelope(0)["rcpt_tos"].toArray(), QJsonArray({Factory}));
        const QJsonObject m = server->parsed(0);
        QCOMPARE(m["from_name"].toString(), QString("Bouwbedrijf De Vries"));
        QCOMPARE(m["from_addr"].toString(), QString("jan@devries.nl"));
        const QJsonArray parts = m["parts"].toArray();
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts[0].toObject()["text"].toString(), DeVriesQuotationBody);
        QCOMPARE(parts[1].toObject()["filename"].toString(), Drawing);
        QCOMPARE(partData(m, 1), folder.read(Drawing));
    }

    // What went wrong in the send is told first, with its own title, while the log has no line
    // yet; then the attempt is logged, then "niet verzonden". The bar never reaches 100%.
    void aFaultIsToldBeforeTheLogLineAndTheOutcome_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("ownAddress");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("title");
        QTest::newRow("Standaard, nothing listening") << 0 << "jan@devries.nl" << Lost + "\r(Foutcode: 7 " << ErrorTitle;
        QTest::newRow("WinSock, nothing listening") << 1 << "jan@devries.nl" << Lost + "\rFoutcode: 7 " << ErrorTitle;
        QTest::newRow("own address without @")
            << 2 << "jan.devries.nl" << "U heeft geen of een ongeldig eigen e-mail adres opgegeven !\r\n" << "Foutmelding";
    }
    void aFaultIsToldBeforeTheLogLineAndTheOutcome()
    {
        QFETCH(int, method);
        QFETCH(QString, ownAddress);
        QFETCH(QString, fault);
        QFETCH(QString, title);
        TestFolder folder(false);
        ScopedProject p;
        PersonalData who = devries(QString("127.0.0.1:%1").arg(MailServer::closedPort()));
        who.EMail = ownAddress;
        project(p.state(), who, method);
        SendmailSetup sendmail(server->port());
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, QString(), title).answer(MsgAnswer::OK, NotSent, "Zandrel tofmaar");
        QuotationSend send;
        Moments at(boxes, send, folder);

        QVERIFY(!send.run(p.state()));
        VERIFY_DIALOGS(boxes);
        QVERIFY2(boxes.shown[0].prompt.startsWith(fault), qPrintable(boxes.shown[0].prompt));
        QCOMPARE(boxes.shown[0].style, int(MsgStyle::Exclamation));
        QCOMPARE(boxes.shown[1].style, int(MsgStyle::Exclamation));
        QCOMPARE(at.logAtBox, (QList<QByteArray>{QByteArray(), logLine("Mislukt")}));
        QCOMPARE(folder.read("EMail.log"), logLine("Mislukt"));
        QVERIFY(!at.progress.contains(100));
        QCOMPARE(server->count(), 0);
    }

    // The drawing file of this minute is read-only: the export's message is shown as a critical
    // error before the attempt is logged "Mislukt"; nothing goes out, no outcome box follows, and
    // the file and the project's file name stay as they were.
    void aDrawingFileThatCannotBeWrittenStopsTheSend()
    {
        TestFolder folder(false);
        ScopedProject p;
        project(p.state(), devries(server->address()), 0);
        p->ProjectFileName = "project.tof";
        folder.write(Drawing, "oud");
        QVERIFY(QFile::setPermissions(folder.file(Drawing), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK);
        QuotationSend send;
        Moments at(boxes, send, folder);

        QVERIFY(!send.run(p.state()));
        VERIFY_DIALOGS(boxes);
        QCOMPARE(boxes.shown.size(), 1);
        const QString start = "Het tekeningenbestand kan niet worden geschreven !\r\n\r\n"
                              + QFileInfo(folder.file(Drawing)).absoluteFilePath() + "\r\n";
        QVERIFY2(boxes.shown[0].prompt.startsWith(start) && boxes.shown[0].prompt.size() > start.size(),
                 qPrintable(boxes.shown[0].prompt));
        QCOMPARE(boxes.shown[0].style, 16);
        QCOMPARE(boxes.shown[0].title, QString("FOUTMELDING"));
        QCOMPARE(at.logAtBox, QList<QByteArray>{QByteArray()});
        QCOMPARE(folder.read("EMail.log"), logLine("Mislukt"));
        QVERIFY(at.progress.isEmpty());
        QCOMPARE(folder.read(Drawing), QByteArray("oud"));
        QCOMPARE(p->ProjectFileName, QString("project.tof"));
        QCOMPARE(server->count(), 0);
    }

    // "Log wissen": true when the log is gone (or never was), silently; false with its box when it
    // stays.
    void clearLog_data()
    {
        QTest::addColumn<bool>("logThere");
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("no log") << false << true << true;
        QTest::newRow("a log") << true << true << true;
        QTest::newRow("a log in a read-only folder") << true << false << false;
    }
    void clearLog()
    {
        QFETCH(bool, logThere);
        QFETCH(bool, folderWritable);
        QFETCH(bool, cleared);
        TestFolder folder(false);
        if (logThere) folder.write("EMail.log", logLine("Verzonden"));
        if (!folderWritable && !setFolderWritable(folder.path(), false)) QSKIP("this file system cannot refuse a deletion");
        ScriptedDialogs boxes;
        if (!cleared) boxes.answer(MsgAnswer::OK, "Het logbestand EMail.log kan niet worden verwijderd !", ErrorTitle);
        const bool result = QuotationSend::clearLog();
        setFolderWritable(folder.path(), true);
        QCOMPARE(result, cleared);
        VERIFY_DIALOGS(boxes);
        QCOMPARE(boxes.shown.size(), cleared ? 0 : 1);
        if (!cleared) QCOMPARE(boxes.shown[0].style, int(MsgStyle::Exclamation));
        QCOMPARE(QFile::exists(folder.file("EMail.log")), !cleared);
    }
};

QTEST_GUILESS_MAIN(TestQuotationSend)
#include "tst_quotationsend.moc"
