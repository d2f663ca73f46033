// The mail facade on its three paths, against a real SMTP server (aiosmtpd on a loopback port) and
// the real sendmail of msmtp-mta relaying into it.
#include "MailServer.h"
#include "TestSupport.h"
#include "mail/MailTransport.h"
#include "mail/QVMail.h"
#include "mail/QuotationSend.h"
#include "platform/Clock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QJsonArray>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {
enum Method { Standaard = 0, WinSock = 1, Outlook = 2 };
const QString Sender = "jan@devries.nl";
const QString Factory = "offerte@fabriek.nl";
const QString Drawing = "261207-0905.TEK";
const QByteArray DrawingBytes = "@;2.0\r\nMerk;A;Voordeur;1;0;1200;2400;EmOD-1;0;K;1;;\r\nEinde\r\n";
const QString OwnAddressBox = "U heeft geen of een ongeldig eigen e-mail adres opgegeven !\r\n"
                              "(zie VU Durivavozuz, [D] Invoer vaste gegevens)";

// The facade set up as the send window sets it up.
void compose(QVMail &mail, int method, const QString &host, const QString &sender = Sender,
             const QString &recipient = Factory, const QStringList &files = {Drawing},
             const QString &body = "Regel 1\r\nRegel 2")
{
    mail.UseWinsock = method == WinSock;
    mail.UseOutlook = method == Outlook;
    mail.NewMessage();
    mail.setFrom("Bouwbedrijf De Vries");
    mail.setEMailAddress(sender);
    mail.setHost(host);
    mail.setRecipAddress(recipient);
    mail.setSubject("Offerte aanvraag");
    mail.setNoteText(body);
    for (const QString &f : files) mail.Attachment(f);
}


struct Outcome {
    bool result = false;
    int errors = 0, ready = 0;
    QList<float> progress;
};

// Sends, counting the facade's events and keeping its progress reports; its faults are told as the
// send of the quotation tells them.
Outcome send(QVMail &mail)
{
    Outcome out;
    QObject::connect(&mail, &QVMail::EMailError, [&] { ++out.errors; });
    QObject::connect(&mail, &QVMail::Ready, [&] { ++out.ready; });
    QObject::connect(&mail, &QVMail::SendProgress, [&](float p) { out.progress << p; });
    out.result = mail.Send();
    tellSendFaults(mail.faults());
    mail.disconnect();
    return out;
}

// A send that must fail at a limit: one box, whose prompt starts with the words of the failure and
// then `reason`, after at least `fromMs` and before `toMs`.
void expectTimedFailure(QVMail &mail, ScriptedDialogs &boxes, const QString &reason, qint64 fromMs, qint64 toMs)
{
    QElapsedTimer clock;
    clock.start();
    const Outcome out = send(mail);
    const qint64 took = clock.elapsed();
    VERIFY_DIALOGS(boxes);
    QVERIFY(!out.result);
    QCOMPARE(out.errors, 1);
    QVERIFY2(took >= fromMs && took < toMs, qPrintable(QString::number(took) + " ms"));
    const QString start = "Er is een fout opgetreden tijdens het versturen van de E-Mail naar " + Factory + reason;
    QVERIFY2(boxes.shown[0].prompt.startsWith(start), qPrintable(boxes.shown[0].prompt));
}

}

class TestQVMail : public QObject {
    Q_OBJECT
    std::unique_ptr<MailServer> server;
    std::unique_ptr<TestFolder> folder;
    QByteArray binary;

private slots:
    void initTestCase()
    {
        server = std::make_unique<MailServer>();
        QVERIFY2(server->isRunning(), "the test SMTP server did not start (python3-aiosmtpd)");
        setFixedNow(QDateTime(QDate(2026, 12, 7), QTime(9, 5, 0), Qt::OffsetFromUTC, 3600));
        folder = std::make_unique<TestFolder>(false);
        folder->write(Drawing, DrawingBytes);
        // Every byte value, and enough of them for the upload to take more than one step.
        for (int i = 0; i < 300000; ++i) binary += char((i * 7 + i / 256) & 0xff);
        folder->write("foto.bin", binary);
    }
    void init() { server->clear(); }
    void cleanupTestCase() { setFixedNow(QDateTime()); }

    // The program does not pay for libcurl (and the libraries it brings) before its first SMTP
    // send; this test runs before any other send.
    void libcurlComesWithTheFirstSend()
    {
        QVERIFY(!isMapped("libcurl"));
        ScriptedDialogs boxes;
        QVMail mail;
        compose(mail, Standaard, server->address());
        QVERIFY(send(mail).result);
        VERIFY_DIALOGS(boxes);
        QVERIFY(isMapped("libcurl"));
        QCOMPARE(server->count(), 1);
    }

    // The whole message as the server got it: header, body, both attachments byte for byte, envelope.
    void sendsOverSmtp_data()
    {
        QTest::addColumn<int>("method");
        QTest::newRow("Standaard") << int(Standaard);
        QTest::newRow("WinSock") << int(WinSock);
    }
    void sendsOverSmtp()
    {
        QFETCH(int, method);
        ScriptedDialogs boxes;
        QVMail mail;
        // A line of one dot would end the DATA of an SMTP session if it were not stuffed.
        const QString body = "Regel 1\r\n.\r\n..twee punten\r\nlaatste";
        compose(mail, method, server->address(), Sender, "offerte@fabriek.nl,verkoop@fabriek.nl",
                {Drawing, "foto.bin"}, body);
        if (method == WinSock)
            QCOMPARE(mail.smtpComponent()->Recipients, QString("offerte@fabriek.nl;verkoop@fabriek.nl"));
        else
            QCOMPARE(mail.mailControl().Recipient, QString("offerte@fabriek.nl,verkoop@fabriek.nl"));
        const Outcome out = send(mail);

        QVERIFY(out.result);
        QCOMPARE(out.errors, 0);
        QCOMPARE(out.ready, 1);
        QCOMPARE(mail.ErrorCount, qint16(0));
        QVERIFY(!out.progress.isEmpty());
        QCOMPARE(out.progress.last(), 100.0f);
        QVERIFY(std::is_sorted(out.progress.begin(), out.progress.end()));
        // The message goes up in several chunks: the bar moves during the upload, not only at its end.
        QVERIFY2(std::any_of(out.progress.begin(), out.progress.end(), [](float p) { return p > 0 && p < 100; }),
                 qPrintable(QString::number(out.progress.size()) + " reports"));
        QVERIFY(!mail.serverConnected());
        VERIFY_DIALOGS(boxes);
        QCOMPARE(boxes.shown.size(), 0);

        QCOMPARE(server->count(), 1);
        QCOMPARE(server->quitCount(), 1); // the session was closed
        const QJsonObject envelope = server->envelope(0);
        QCOMPARE(envelope["mail_from"].toString(), Sender);
        QCOMPARE(envelope["rcpt_tos"].toArray(), QJsonArray({"offerte@fabriek.nl", "verkoop@fabriek.nl"}));

        const QByteArray raw = server->raw(0);
        QVERIFY(raw.contains("\r\nFrom: \"Bouwbedrijf De Vries\"<jan@devries.nl>\r\n"));
        QVERIFY(raw.contains("\r\nX-Mailer: Mabry\r\n"));
        QVERIFY(raw.contains("\r\nMessage-ID: <202612732700_QVMail@devries.nl>\r\n"));
        QVERIFY(raw.startsWith("Date: Mon, 07 Dec 2026 09:05:00 +0100\r\n"));
        const QJsonObject m = server->parsed(0);
        QCOMPARE(m["defects"].toArray().size(), 0);
        QCOMPARE(m["from_name"].toString(), QString("Bouwbedrijf De Vries"));
        QCOMPARE(m["to"].toArray(), QJsonArray({"offerte@fabriek.nl", "verkoop@fabriek.nl"}));
        QCOMPARE(m["headers"].toObject()["Subject"].toString(), QString("Offerte aanvraag"));
        QCOMPARE(m["content_type"].toString(), QString("multipart/mixed"));
        QVERIFY(QRegularExpression("^[0-9]{1,11}_boundary$").match(m["boundary"].toString()).hasMatch());
        const QJsonArray parts = m["parts"].toArray();
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[0].toObject()["content_type"].toString(), QString("text/plain"));
        QCOMPARE(parts[0].toObject()["text"].toString(), body);
        for (int i : {1, 2}) {
            QCOMPARE(parts[i].toObject()["content_type"].toString(), QString("application/octet-stream"));
            QCOMPARE(parts[i].toObject()["disposition"].toString(), QString("attachment"));
            QCOMPARE(parts[i].toObject()["defects"].toArray().size(), 0);
        }
        QCOMPARE(parts[1].toObject()["filename"].toString(), Drawing);
        QCOMPARE(partData(m, 1), DrawingBytes);
        QCOMPARE(parts[2].toObject()["filename"].toString(), QString("foto.bin"));
        QCOMPARE(partData(m, 2), binary);
    }

    // What the user sees when the server or the network fails, on both SMTP paths.
    void serverFaults_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("reason"); // the box's text after the recipient, up to a varying tail
        QTest::addColumn<int>("errorCount");
        const QString control = "\r(Foutcode: ", component = "\rFoutcode: ";
        // The common causes in Dutch, the server's or the library's own words after it in brackets.
        const QString refuses = "De mailserver weigert het bericht (";
        const QString noConnection = "Geen verbinding met de mailserver (";
        const QString noAnswer = "De mailserver antwoordt niet op tijd (";
        QTest::newRow("Standaard, sender refused")
            << int(Standaard) << "refused@devries.nl" << Factory << true << control + "550 " + refuses + "5.7.1 Sender refused))" << 0;
        QTest::newRow("Standaard, recipient refused")
            << int(Standaard) << Sender << "refused@fabriek.nl" << true << control + "550 " + refuses + "5.1.1 Recipient refused))" << 0;
        // A refusal for now is the server's too, in its own words.
        QTest::newRow("Standaard, recipient greylisted")
            << int(Standaard) << Sender << "greylisted@fabriek.nl" << true
            << control + "451 " + refuses + "4.7.1 Greylisted, try again later))" << 0;
        QTest::newRow("Standaard, nothing listening") << int(Standaard) << Sender << Factory << false << control + "7 " + noConnection << 0;
        QTest::newRow("Standaard, server stops answering")
            << int(Standaard) << "stall@devries.nl" << Factory << true << control + "28 " + noAnswer << 0;
        QTest::newRow("WinSock, sender refused")
            << int(WinSock) << "refused@devries.nl" << Factory << true << component + "550 " + refuses + "5.7.1 Sender refused)" << 1;
        QTest::newRow("WinSock, recipient refused")
            << int(WinSock) << Sender << "refused@fabriek.nl" << true << component + "550 " + refuses + "5.1.1 Recipient refused)" << 1;
        QTest::newRow("WinSock, recipient greylisted")
            << int(WinSock) << Sender << "greylisted@fabriek.nl" << true
            << component + "451 " + refuses + "4.7.1 Greylisted, try again later)" << 1;
        QTest::newRow("WinSock, nothing listening") << int(WinSock) << Sender << Factory << false << component + "7 " + noConnection << 1;
        QTest::newRow("WinSock, server stops answering")
            << int(WinSock) << "stall@devries.nl" << Factory << true << component + "28 " + noAnswer << 1;
    }
    void serverFaults()
    {
        QFETCH(int, method);
        QFETCH(QString, sender);
        QFETCH(QString, recipient);
        QFETCH(bool, listening);
        QFETCH(QString, reason);
        QFETCH(int, errorCount);
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK);
        QVMail mail;
        const QString host = listening ? server->address() : QString("127.0.0.1:%1").arg(MailServer::closedPort());
        compose(mail, method, host, sender, recipient);
        // Only the stalled server waits for the timeout; shortened, it ends the send in a second.
        const bool stalls = sender.startsWith("stall");
        mailTimeouts().responseSeconds = stalls ? 1 : MailTimeouts().responseSeconds;
        QElapsedTimer clock;
        clock.start();
        const Outcome out = send(mail);
        mailTimeouts().responseSeconds = MailTimeouts().responseSeconds;
        if (stalls) QVERIFY(clock.elapsed() < 10000);

        QVERIFY(!out.result);
        QVERIFY(!mail.SendOk);
        QCOMPARE(out.errors, 1);
        QCOMPARE(out.ready, 0);
        QCOMPARE(mail.ErrorCount, qint16(errorCount));
        VERIFY_DIALOGS(boxes);
        QCOMPARE(boxes.shown.size(), 1);
        const QString expectedStart = "Er is een fout opgetreden tijdens het versturen van de E-Mail naar " + recipient + reason;
        QVERIFY2(boxes.shown[0].prompt.startsWith(expectedStart), qPrintable(boxes.shown[0].prompt));
        QCOMPARE(boxes.shown[0].style, int(MsgStyle::Exclamation));
        QCOMPARE(boxes.shown[0].title, QString("FOUTMELDING"));
        QCOMPARE(server->count(), 0);
        if (listening && !stalls) QCOMPARE(server->quitCount(), 1); // a refused session is closed too
    }

    // A server that never takes the connection: the send gives up after the connect limit, in
    // milliseconds. Should the limit be taken for seconds, the port closes after 5 s and the send
    // ends refused instead.
    void connectTimeoutInMilliseconds_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("reason");
        QTest::newRow("Standaard") << int(Standaard) << "\r(Foutcode: 28 De mailserver antwoordt niet op tijd (";
        QTest::newRow("WinSock") << int(WinSock) << "\rFoutcode: 28 De mailserver antwoordt niet op tijd (";
    }
    void connectTimeoutInMilliseconds()
    {
        QFETCH(int, method);
        QFETCH(QString, reason);
        QuietPort port(QuietPort::NeverAccepts);
        QVERIFY(port.isListening());
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK);
        QVMail mail;
        compose(mail, method, port.address());
        ShortTimeouts limits(400, 60);
        QTimer closing; // with the test, not after it
        closing.setSingleShot(true);
        connect(&closing, &QTimer::timeout, [&] { port.close(); });
        closing.start(5000);
        expectTimedFailure(mail, boxes, reason, 350, 4800); // before the port closes
    }

    // A server that stops answering, after MAIL FROM or after the data, is waited for one response
    // timeout; the QUIT that follows gets no second one.
    void stalledServerWaitsOneTimeout_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("reason");
        for (int method : {int(Standaard), int(WinSock)}) {
            const QByteArray path = method == Standaard ? "Standaard" : "WinSock";
            const QString reason = method == Standaard ? "\r(Foutcode: 28 " : "\rFoutcode: 28 ";
            QTest::newRow(path + ", after MAIL FROM") << method << "stallfrom@devries.nl" << reason;
            QTest::newRow(path + ", after the data") << method << "stall@devries.nl" << reason;
        }
    }
    void stalledServerWaitsOneTimeout()
    {
        QFETCH(int, method);
        QFETCH(QString, sender);
        QFETCH(QString, reason);
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK);
        QVMail mail;
        compose(mail, method, server->address(), sender);
        // One wait is 3 s, a second would end it after 6 s: the bound between them leaves a busy
        // machine its slack.
        ShortTimeouts limits(30000, 3);
        expectTimedFailure(mail, boxes, reason, 2000, 5800);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(server->count(), 0);
    }

    // A server name that no one knows is told so, in Dutch.
    void unknownServerName_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("reason");
        QTest::newRow("Standaard") << int(Standaard) << "\r(Foutcode: 6 De naam van de mailserver is onbekend (";
        QTest::newRow("WinSock") << int(WinSock) << "\rFoutcode: 6 De naam van de mailserver is onbekend (";
    }
    void unknownServerName()
    {
        QFETCH(int, method);
        QFETCH(QString, reason);
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK);
        QVMail mail;
        compose(mail, method, "geen-mailserver.invalid");
        expectTimedFailure(mail, boxes, reason, 0, 60000);
    }

    // A server that takes DATA and then reads no more: the upload stalls and the send gives up at
    // the response limit, as it does when an answer does not come.
    void aServerThatStopsReadingEndsTheSend()
    {
        ShortTimeouts limits(30000, 1);
        SmtpTransport smtp(server->address());
        QElapsedTimer clock;
        clock.start();
        const TransportResult r = smtp.send("stopread@devries.nl", {Factory}, QByteArray(16 << 20, 'x'), {});
        QVERIFY(!r.sent);
        QCOMPARE(r.code, 28);
        QVERIFY2(r.text.startsWith("De mailserver antwoordt niet op tijd ("), qPrintable(r.text));
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed()) + " ms"));
    }

    // The progress reports of every send reach the caller before send returns; the whole is
    // reported only once the server took the message, and last.
    void everyReportArrivesBeforeTheSendReturns()
    {
        const QByteArray message = "Subject: x\r\n\r\n" + QByteArray(76, 'y').append("\r\n").repeated(3000);
        // The caller's thread is busy meanwhile, as a program that paints is: the session may end
        // while it handles something else.
        QTimer busy;
        connect(&busy, &QTimer::timeout, [] {
            QElapsedTimer t;
            t.start();
            while (t.nsecsElapsed() < 500000) {}
        });
        busy.start(0);
        for (int i = 0; i < 50; ++i) {
            SmtpTransport smtp(server->address());
            QList<qint64> reports;
            const TransportResult r = smtp.send(Sender, {Factory}, message, [&](qint64 sent, qint64 total) {
                QCOMPARE(total, qint64(message.size()));
                reports << sent;
            });
            QVERIFY2(r.sent, qPrintable(r.text));
            QVERIFY(!reports.isEmpty());
            // The last of the upload, just short of the whole, then the whole once accepted.
            QVERIFY(reports.size() >= 2);
            QCOMPARE(reports[reports.size() - 2], qint64(message.size() - 1));
            QCOMPARE(reports.last(), qint64(message.size()));
            QCOMPARE(reports.count(qint64(message.size())), 1);
            QVERIFY(std::is_sorted(reports.begin(), reports.end()));
        }
    }

    // Blind copies reach the server as recipients of the envelope and nowhere in the message.
    void blindCopiesInTheEnvelope_data()
    {
        QTest::addColumn<int>("method");
        QTest::newRow("Standaard") << int(Standaard);
        QTest::newRow("WinSock") << int(WinSock);
        QTest::newRow("Outlook") << int(Outlook);
    }
    void blindCopiesInTheEnvelope()
    {
        QFETCH(int, method);
        SendmailSetup sendmail(server->port());
        ScriptedDialogs boxes;
        QVMail mail;
        compose(mail, method, server->address());
        mail.setBCC("geheim@fabriek.nl");
        const Outcome out = send(mail);
        VERIFY_DIALOGS(boxes);
        QVERIFY(out.result);
        QCOMPARE(server->count(), 1);
        QCOMPARE(server->envelope(0)["rcpt_tos"].toArray(), QJsonArray({Factory, "geheim@fabriek.nl"}));
        QVERIFY(!server->raw(0).contains("geheim"));
    }

    // sendmail is told that a line of one "." is text (-i), who sends (-f) and, after
    // "--", every recipient of the envelope.
    void sendmailArguments()
    {
        SendmailSetup sendmail(server->port());
        sendmail.recordingSendmail();
        ScriptedDialogs boxes;
        QVMail mail;
        compose(mail, Outlook, "smtp.devries.nl", Sender, Factory, {Drawing}, "Regel 1\r\n.\r\nRegel 3");
        mail.setBCC("geheim@fabriek.nl");
        const Outcome out = send(mail);
        VERIFY_DIALOGS(boxes);
        QVERIFY(out.result);
        QFile arguments(sendmail.arguments());
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(arguments.readAll(), QByteArray("-i\n-f\njan@devries.nl\n--\nofferte@fabriek.nl\ngeheim@fabriek.nl\n"));
        QFile message(sendmail.message());
        QVERIFY(message.open(QIODevice::ReadOnly));
        QVERIFY(message.readAll().contains("Subject: Offerte aanvraag"));
        QCOMPARE(server->count(), 0); // the stand-in kept it
    }

    // The first attempt keeps quiet only because a second server follows.
    void winsockRetriesOnHost2_data()
    {
        QTest::addColumn<bool>("secondListens");
        QTest::newRow("second server takes it") << true;
        QTest::newRow("second server fails too") << false;
    }
    void winsockRetriesOnHost2()
    {
        QFETCH(bool, secondListens);
        ScriptedDialogs boxes;
        if (!secondListens) boxes.answer(MsgAnswer::OK);
        QVMail mail;
        compose(mail, WinSock, QString("127.0.0.1:%1").arg(MailServer::closedPort()));
        mail.setHost2(secondListens ? server->address() : QString("127.0.0.1:%1").arg(MailServer::closedPort()));
        const Outcome out = send(mail);
        VERIFY_DIALOGS(boxes);
        QCOMPARE(out.result, secondListens);
        QCOMPARE(out.errors, secondListens ? 0 : 1);
        QCOMPARE(mail.ErrorCount, qint16(secondListens ? 0 : 1));
        QCOMPARE(boxes.shown.size(), secondListens ? 0 : 1);
        QCOMPARE(server->count(), secondListens ? 1 : 0);
    }

    void bothFlagsGoToWinsock()
    {
        ScriptedDialogs boxes;
        QVMail mail;
        mail.UseWinsock = mail.UseOutlook = true;
        mail.NewMessage();
        mail.setRecipAddress("a@fabriek.nl,b@fabriek.nl");
        QVERIFY(mail.smtpComponent());
        QVERIFY(!mail.sendmailItem());
        QCOMPARE(mail.smtpComponent()->Recipients, QString("a@fabriek.nl;b@fabriek.nl"));
    }

    // Nothing goes out, on any path, with a bad own address, without its drawings, or to an address
    // that would not stay one address.
    void nothingLeavesOnBadInput_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("attachment");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("errors");     // EMailError events
        QTest::addColumn<int>("errorCount");
        for (int method : {int(Standaard), int(WinSock), int(Outlook)}) {
            const QByteArray path = method == Standaard ? "Standaard" : method == WinSock ? "WinSock" : "Outlook";
            for (const QString &bad : {QString(), QString("   "), QString("jan.devries.nl"), QString("jan de@devries.nl"),
                                       QString("jan>@devries.nl")})
                QTest::newRow(path + ", own address '" + bad.toLatin1() + "'")
                    << method << bad << Factory << Drawing << OwnAddressBox << 0 << 1;
            const QString missing = "Bestand niet gevonden: ontbreekt.TEK";
            const QString badRecipient = "Ongeldig e-mail adres: offerte@fabriek.nl>RCPT TO:<x@evil.nl";
            const QString to = "E-Mail naar " + Factory;
            if (method == Standaard) {
                QTest::newRow("Standaard, attachment missing") << method << Sender << Factory << "ontbreekt.TEK"
                    << "Er is een fout opgetreden tijdens het versturen van de " + to + "\r(Foutcode: 53 " + missing + ")" << 1 << 0;
                QTest::newRow("Standaard, recipient injection") << method << Sender << "offerte@fabriek.nl>\r\nRCPT TO:<x@evil.nl"
                    << Drawing << "Er is een fout opgetreden tijdens het versturen van de E-Mail naar offerte@fabriek.nl>\r\nRCPT TO:<x@evil.nl\r(Foutcode: 5 " + badRecipient + ")" << 1 << 0;
            } else if (method == WinSock) {
                QTest::newRow("WinSock, attachment missing") << method << Sender << Factory << "ontbreekt.TEK"
                    << "Er is een fout opgetreden tijdens het versturen van de " + to + "\rFoutcode: " + missing << 1 << 1;
            } else {
                QTest::newRow("Outlook, attachment missing") << method << Sender << Factory << "ontbreekt.TEK"
                    << "Er is een fout opgetreden tijdens het versturen van de e-mail naar " + Factory + "\r\n(Foutcode: 53: " + missing + ")" << 1 << 1;
            }
        }
    }
    void nothingLeavesOnBadInput()
    {
        QFETCH(int, method);
        QFETCH(QString, sender);
        QFETCH(QString, recipient);
        QFETCH(QString, attachment);
        QFETCH(QString, box);
        QFETCH(int, errors);
        QFETCH(int, errorCount);
        SendmailSetup sendmail(server->port());
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, box);
        QVMail mail;
        compose(mail, method, server->address(), sender, recipient, {attachment});
        const Outcome out = send(mail);
        VERIFY_DIALOGS(boxes);
        QVERIFY(!out.result);
        QCOMPARE(out.errors, errors);
        QCOMPARE(mail.ErrorCount, qint16(errorCount));
        QCOMPARE(boxes.shown[0].style, int(MsgStyle::Exclamation));
        QCOMPARE(server->count(), 0);
    }

    void sendWithoutMessage_data()
    {
        QTest::addColumn<int>("method");
        QTest::newRow("WinSock") << int(WinSock);
        QTest::newRow("Outlook") << int(Outlook);
    }
    void sendWithoutMessage()
    {
        QFETCH(int, method);
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, "Er is een fout opgetreden tijdens het versturen van de e-mail naar " + Factory
                                        + "\r\n(Foutcode: 91: Geen bericht aangemaakt)", "FOUTMELDING");
        QVMail mail;
        mail.UseWinsock = method == WinSock;
        mail.UseOutlook = method == Outlook;
        mail.setEMailAddress(Sender);
        mail.setRecipAddress(Factory.toUpper()); // the box writes it in lower case
        const Outcome out = send(mail);
        VERIFY_DIALOGS(boxes);
        QVERIFY(!out.result);
        QCOMPARE(out.errors, 1);
        QCOMPARE(mail.ErrorCount, qint16(1));
    }

    // Outlook's place is taken by the system's sendmail: msmtp relaying into the test server.
    void outlookThroughSendmail()
    {
        SendmailSetup sendmail(server->port());
        ScriptedDialogs boxes;
        QVMail mail;
        compose(mail, Outlook, "smtp.devries.nl", Sender, Factory, {Drawing}, "Regel 1\r\nRegel 2");
        QVERIFY(mail.sendmailItem());
        const Outcome out = send(mail);
        VERIFY_DIALOGS(boxes);
        QVERIFY(out.result);
        QCOMPARE(out.errors, 0);
        QCOMPARE(out.ready, 0); // this path raises no events
        QVERIFY(out.progress.isEmpty());
        QVERIFY(!mail.sendmailItem()); // released with the send

        QCOMPARE(server->count(), 1);
        QCOMPARE(server->envelope(0)["mail_from"].toString(), Sender);
        QCOMPARE(server->envelope(0)["rcpt_tos"].toArray(), QJsonArray({Factory}));
        QVERIFY(server->raw(0).contains("\r\nFrom: \"Bouwbedrijf De Vries\"<jan@devries.nl>\r\n"));
        const QJsonObject m = server->parsed(0);
        QCOMPARE(m["headers"].toObject()["Subject"].toString(), QString("Offerte aanvraag"));
        QCOMPARE(m["parts"].toArray()[0].toObject()["text"].toString(), QString("Regel 1\r\nRegel 2"));
        QCOMPARE(m["parts"].toArray()[1].toObject()["filename"].toString(), Drawing);
        QCOMPARE(partData(m, 1), DrawingBytes);
    }

    void outlookSendmailFails_data()
    {
        QTest::addColumn<bool>("ownScript");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a sendmail that fails") << true << "(Foutcode: 75: sendmail: cannot reach mail hub)";
        QTest::newRow("msmtp with no server") << false << "(Foutcode: ";
    }

    // sendmail that nobody set up: said in Dutch, with its own words after it.
    void outlookSendmailNotSetUp()
    {
        SendmailSetup sendmail(MailServer::closedPort());
        sendmail.noConfiguration();
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK);
        QVMail mail;
        compose(mail, Outlook, "smtp.devries.nl");
        QVERIFY(!send(mail).result);
        VERIFY_DIALOGS(boxes);
        const QString start = "Er is een fout opgetreden tijdens het versturen van de e-mail naar " + Factory
                              + "\r\n(Foutcode: 78: Het verzendprogramma (sendmail) is niet ingesteld (sendmail: ";
        QVERIFY2(boxes.shown[0].prompt.startsWith(start), qPrintable(boxes.shown[0].prompt));
        QVERIFY2(boxes.shown[0].prompt.endsWith("))"), qPrintable(boxes.shown[0].prompt));
    }

    // What a failing sendmail tells: at most its first ten lines, then "..."; a sendmail that kills
    // itself is "afgebroken", one that does not end is stopped at the limit.
    void sendmailFailures_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("submitMs");
        QTest::addColumn<QString>("reason"); // the box's text after "(Foutcode: "
        QTest::newRow("ten lines and more")
            << QByteArray("#!/bin/sh\ncat >/dev/null\nseq -f 'fout %g' 1 1000000 >&2\nexit 75\n")
            << 120000 << "75: fout 1\nfout 2\nfout 3\nfout 4\nfout 5\nfout 6\nfout 7\nfout 8\nfout 9\nfout 10...)";
        QTest::newRow("one long line")
            << QByteArray("#!/bin/sh\ncat >/dev/null\nhead -c 5000 /dev/zero | tr '\\0' x >&2\nexit 75\n")
            << 120000 << "75: " + QString(1000, 'x') + "...)";
        QTest::newRow("it kills itself") << QByteArray("#!/bin/sh\ncat >/dev/null\nkill -9 $$\n") << 120000
                                         << "1: <sendmail> is afgebroken)";
        QTest::newRow("it never ends") << QByteArray("#!/bin/sh\ncat >/dev/null\nexec sleep 30\n") << 200
                                       << "124: <sendmail> reageert niet)";
    }
    void sendmailFailures()
    {
        QFETCH(QByteArray, script);
        QFETCH(int, submitMs);
        QFETCH(QString, reason);
        SendmailSetup sendmail(MailServer::closedPort());
        sendmail.ownSendmail(script);
        reason.replace("<sendmail>", QStandardPaths::findExecutable("sendmail")); // ours, first on PATH
        const MailTimeouts saved = mailTimeouts();
        mailTimeouts().submitMs = submitMs;
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK);
        QVMail mail;
        compose(mail, Outlook, "smtp.devries.nl");
        QElapsedTimer clock;
        clock.start();
        const Outcome out = send(mail);
        mailTimeouts() = saved;
        VERIFY_DIALOGS(boxes);
        QVERIFY(!out.result);
        if (submitMs < 1000) QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed()) + " ms"));
        QCOMPARE(boxes.shown[0].prompt, "Er is een fout opgetreden tijdens het versturen van de e-mail naar " + Factory
                                            + "\r\n(Foutcode: " + reason);
    }
    void outlookSendmailFails()
    {
        QFETCH(bool, ownScript);
        QFETCH(QString, reason);
        SendmailSetup sendmail(MailServer::closedPort());
        if (ownScript) sendmail.failingSendmail();
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK);
        QVMail mail;
        compose(mail, Outlook, "smtp.devries.nl");
        const Outcome out = send(mail);
        VERIFY_DIALOGS(boxes);
        QVERIFY(!out.result);
        QCOMPARE(out.errors, 1);
        QCOMPARE(mail.ErrorCount, qint16(1));
        QCOMPARE(boxes.shown.size(), 1);
        const QString start = "Er is een fout opgetreden tijdens het versturen van de e-mail naar " + Factory + "\r\n" + reason;
        QVERIFY2(boxes.shown[0].prompt.startsWith(start), qPrintable(boxes.shown[0].prompt));
        QCOMPARE(boxes.shown[0].title, QString("FOUTMELDING"));
    }
};

QTEST_GUILESS_MAIN(TestQVMail)
#include "tst_qvmail.moc"
