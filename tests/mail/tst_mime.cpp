// The MIME text of the quotation mail for fixed inputs, written out by hand, and the guards that keep
// user text out of the header and the multipart structure.
#include "MailServer.h"
#include "QuotationText.h"
#include "mail/MimeMessage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDateTime MondayMorning(QDate(2026, 12, 7), QTime(9, 5, 0), Qt::OffsetFromUTC, 3600);

const QString QuotationBody = DeVriesQuotationBody;

const QByteArray DrawingFile = "@;2.0\r\nMerk;A;Voordeur;1;0;1200;2400;EmOD-1;0;K;1;;\r\nEinde\r\n";

// The message as Python's email package reads it (see parsemail.py).
QJsonObject parsedByPython(const QByteArray &text)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("m.eml"));
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(text);
    f.close();
    QProcess parser;
    parser.start("/usr/bin/python3", {QString(ZANTOF_TEST_COMMON_DIR) + "/parsemail.py", f.fileName()});
    if (!parser.waitForFinished(10000)) return {};
    return QJsonDocument::fromJson(parser.readAllStandardOutput()).object();
}

MimeMessage quotation()
{
    MimeMessage m;
    m.from = Mime::fromHeader("Bouwbedrijf De Vries", "jan@devries.nl");
    m.fromAddress = "jan@devries.nl";
    m.to = {"offerte@fabriek.nl"};
    m.subject = "Offerte aanvraag";
    m.body = QuotationBody;
    m.stamp(MondayMorning, false, QString());
    m.multipart = true;
    m.boundaryNumber = 12345678901;
    m.attachments << MimeAttachment{"261207-0905.TEK", DrawingFile};
    return m;
}
}

class TestMime : public QObject {
    Q_OBJECT
private slots:
    void quotationMessage()
    {
        const QByteArray expected = "Date: Mon, 07 Dec 2026 09:05:00 +0100\r\n"
                                    "From: \"Bouwbedrijf De Vries\"<jan@devries.nl>\r\n"
                                    "To: offerte@fabriek.nl\r\n"
                                    "Subject: Offerte aanvraag\r\n"
                                    "Message-ID: <202612732700_QVMail@devries.nl>\r\n"
                                    "X-Mailer: Mabry\r\n"
                                    "MIME-Version: 1.0\r\n"
                                    "Content-Type: multipart/mixed; boundary=12345678901_boundary\r\n"
                                    "\r\n"
                                    "--12345678901_boundary\r\n"
                                    "Content-Type: text/plain; charset=UTF-8\r\n"
                                    "Content-Transfer-Encoding: quoted-printable\r\n"
                                    "\r\n"
                                    "Dit is een automatisch gegenereerde e-mail van een offerte aanvraag van:\r\n"
                                    "\r\n"
                                    "Bouwbedrijf De Vries\r\n"
                                    "Jan de Vries\r\n"
                                    "Dorpsstraat 1\r\n"
                                    "=20\r\n"
                                    "Tel: 0123-456789 Fax:=20\r\n"
                                    "jan@devries.nl\r\n"
                                    "\r\n"
                                    "zie bijlage voor de tekeningen\r\n"
                                    "--12345678901_boundary\r\n"
                                    "Content-Type: application/octet-stream\r\n"
                                    "Content-Transfer-Encoding: base64\r\n"
                                    "Content-Disposition: attachment; filename=\"261207-0905.TEK\"\r\n"
                                    "\r\n"
                                    "QDsyLjANCk1lcms7QTtWb29yZGV1cjsxOzA7MTIwMDsyNDAwO0VtT0QtMTswO0s7MTs7DQpFaW5k\r\n"
                                    "ZQ0K\r\n"
                                    "--12345678901_boundary--\r\n";
        MimeMessage m = quotation();
        QCOMPARE(m.render(), expected);
    }

    void plainMessageWithReadReceipt()
    {
        MimeMessage m;
        m.from = Mime::fromHeader("Timmer \"De Hoek\" \\ Zn", "info@dehoek.nl");
        m.fromAddress = "info@dehoek.nl";
        m.to = {"a@fabriek.nl", "b@fabriek.nl"};
        m.cc = {"c@fabriek.nl"};
        m.subject = "Vraag";
        m.body = "Regel één\r\n.\r\nlaatste";
        m.stamp(QDateTime(QDate(2027, 1, 2), QTime(23, 59, 59), Qt::OffsetFromUTC, -5 * 3600 - 1800), true,
                "a@fabriek.nl,b@fabriek.nl");
        const QByteArray expected = "Date: Sat, 02 Jan 2027 23:59:59 -0530\r\n"
                                    "From: \"Timmer \\\"De Hoek\\\" \\\\ Zn\"<info@dehoek.nl>\r\n"
                                    "To: a@fabriek.nl, b@fabriek.nl\r\n"
                                    "Cc: c@fabriek.nl\r\n"
                                    "Subject: Vraag\r\n"
                                    "Message-ID: <20271286399_QVMail@dehoek.nl>\r\n"
                                    "X-Mailer: Mabry\r\n"
                                    "X-Confirm-Reading-To: a@fabriek.nl,b@fabriek.nl\r\n"
                                    "Return-receipt-to: \"Timmer \\\"De Hoek\\\" \\\\ Zn\"<info@dehoek.nl>\r\n"
                                    "MIME-Version: 1.0\r\n"
                                    "Content-Type: text/plain; charset=UTF-8\r\n"
                                    "Content-Transfer-Encoding: quoted-printable\r\n"
                                    "\r\n"
                                    "Regel =C3=A9=C3=A9n\r\n"
                                    ".\r\n"
                                    "laatste\r\n";
        QCOMPARE(m.render(), expected);
    }

    void quotedPrintable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("plain") << "Dorpsstraat 1" << QByteArray("Dorpsstraat 1");
        QTest::newRow("blank line end") << "Fax: " << QByteArray("Fax:=20");
        QTest::newRow("tab line end") << "a\t\r\nb" << QByteArray("a=09\r\nb");
        QTest::newRow("lone blank") << " " << QByteArray("=20");
        QTest::newRow("equals sign") << "a=b" << QByteArray("a=3Db");
        QTest::newRow("non-ASCII") << "Müller €" << QByteArray("M=C3=BCller =E2=82=AC");
        QTest::newRow("lone LF and CR break lines") << "a\nb\rc" << QByteArray("a\r\nb\r\nc");
        // 80 letters: 75 and the soft break, then the rest.
        QTest::newRow("long line") << QString(80, 'x') << QByteArray(75, 'x') + "=\r\n" + QByteArray(5, 'x');
        // An escape is never split by a soft break.
        QTest::newRow("escape at the edge") << QString(74, 'x') + "é"
                                            << QByteArray(74, 'x') + "=\r\n=C3=A9";
    }
    void quotedPrintable()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, encoded);
        QCOMPARE(Mime::quotedPrintable(text), encoded);
        for (const QByteArray &line : encoded.split('\n')) QVERIFY(line.size() <= 77); // 76 and the CR
    }

    void base64LinesOf76()
    {
        const QByteArray data(200, '\xff');
        const QByteArray lines = Mime::base64Lines(data);
        const QList<QByteArray> split = lines.split('\n');
        QCOMPARE(split.size(), 5); // 268 characters: 76, 76, 76, 40, and the end
        QCOMPARE(split[0], QByteArray(76, '/') + "\r");
        QCOMPARE(split[3].size(), 41);
        QVERIFY(split[4].isEmpty());
        QCOMPARE(QByteArray::fromBase64(lines), data);
    }

    // Whatever the user typed stays inside its own header line.
    void headerInjection_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("fromLine");
        QTest::addColumn<QByteArray>("subjectLine");
        QTest::addColumn<QByteArray>("dispositionLine");
        QTest::newRow("line breaks")
            << "Jan\r\nBcc: x@evil.nl" << "Offerte\nBcc: y@evil.nl" << "a\r\nb.TEK"
            << QByteArray("From: \"JanBcc: x@evil.nl\"<jan@devries.nl>")
            << QByteArray("Subject: OfferteBcc: y@evil.nl")
            << QByteArray("Content-Disposition: attachment; filename=\"ab.TEK\"");
        QTest::newRow("NUL and quotes") << QString::fromLatin1("Ja\0n \"x\"", 9) << QString::fromLatin1("a\0b", 3) << "\"x\".TEK"
                                        << QByteArray("From: \"Jan \\\"x\\\"\"<jan@devries.nl>")
                                        << QByteArray("Subject: ab")
                                        << QByteArray("Content-Disposition: attachment; filename=\"\\\"x\\\".TEK\"");
        QTest::newRow("non-ASCII") << "Bouwbedrijf Müller" << "Offerte één" << "A.TEK"
                                   << QByteArray("From: =?UTF-8?B?Qm91d2JlZHJpamYgTcO8bGxlcg==?=<jan@devries.nl>")
                                   << QByteArray("Subject: =?UTF-8?B?T2ZmZXJ0ZSDDqcOpbg==?=")
                                   << QByteArray("Content-Disposition: attachment; filename=\"A.TEK\"");
    }
    void headerInjection()
    {
        QFETCH(QString, name);
        QFETCH(QString, subject);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, fromLine);
        QFETCH(QByteArray, subjectLine);
        QFETCH(QByteArray, dispositionLine);
        MimeMessage m = quotation();
        m.from = Mime::fromHeader(name, "jan@devries.nl");
        m.subject = subject;
        m.attachments[0].fileName = fileName;
        const QByteArray text = m.render();
        const QList<QByteArray> lines = text.split('\n');
        QVERIFY2(lines.contains(fromLine + "\r"), text.constData());
        QVERIFY2(lines.contains(subjectLine + "\r"), text.constData());
        QVERIFY2(lines.contains(dispositionLine + "\r"), text.constData());
        QVERIFY(!text.contains("\nBcc"));
        QVERIFY(!text.contains('\0'));
        // Every line ends in CR LF.
        QCOMPARE(text.count('\n'), text.count("\r\n"));
    }

    void addresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "jan@devries.nl" << true;
        QTest::newRow("plus and dots") << "jan.de+offerte@mail.devries.nl" << true;
        QTest::newRow("no at") << "jan.devries.nl" << false;
        QTest::newRow("two at") << "jan@x@devries.nl" << false;
        QTest::newRow("nothing before") << "@devries.nl" << false;
        QTest::newRow("nothing after") << "jan@" << false;
        QTest::newRow("blank inside") << "jan de@devries.nl" << false;
        QTest::newRow("angle brackets") << "jan>@devries.nl" << false;
        QTest::newRow("smtp injection") << "jan@devries.nl>\r\nRCPT TO:<x@evil.nl" << false;
        QTest::newRow("control") << "jan\t@devries.nl" << false;
        QTest::newRow("non-ASCII") << "jän@devries.nl" << false;
    }
    void addresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, safe);
        QCOMPARE(Mime::isSafeAddress(address), safe);
    }

    // Body text that holds the boundary gets another one, and another as long as the text holds
    // that one too; the message still reads as two parts.
    void boundaryNeverInText_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("boundary");
        QTest::newRow("the given one") << "zie 12345678901_boundary\r\n--12345678901_boundary--"
                                       << "70554751157_boundary"; // the first number of the sequence
        QTest::newRow("the given and the first drawn") << "zie 12345678901_boundary\r\nen 70554751157_boundary"
                                                       << "53342401981_boundary"; // the second
    }
    void boundaryNeverInText()
    {
        QFETCH(QString, body);
        QFETCH(QString, boundary);
        Mime::restartBoundaryNumbers();
        MimeMessage m = quotation();
        m.body = body;
        const QByteArray text = m.render();
        QCOMPARE(m.boundary(), boundary);
        QVERIFY(text.contains("boundary=" + boundary.toLatin1() + "\r\n"));

        const QJsonObject parsed = parsedByPython(text);
        QVERIFY(!parsed.isEmpty());
        QCOMPARE(parsed["boundary"].toString(), boundary);
        const QJsonArray parts = parsed["parts"].toArray();
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts[0].toObject()["text"].toString(), body);
        QCOMPARE(partData(parsed, 1), DrawingFile);
    }

    // A long sender name outside ASCII: every encoded-word at most 75 characters and whole UTF-8 on
    // its own (no character cut between two words), and the name reads back whole.
    void longNameInEncodedWords_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("two-byte letters after ASCII") << "Bouwbedrijf " + QString(40, u'é');
        QTest::newRow("three-byte signs") << "ab" + QString(30, u'€');
        QTest::newRow("four-byte signs") << "x" + QString::fromUtf8("🏠").repeated(25);
        QTest::newRow("mixed") << QString::fromUtf8("Aannemersbedrijf Ĳsselmonde & Zonen — Ørsted, Çelik, Šťastný en Łódź B.V.");
    }
    void longNameInEncodedWords()
    {
        QFETCH(QString, name);
        MimeMessage m = quotation();
        m.from = Mime::fromHeader(name, "jan@devries.nl");
        const QByteArray text = m.render();
        const qsizetype start = text.indexOf("\r\nFrom: ") + 8;
        const QByteArray value = text.mid(start, text.indexOf("<jan@devries.nl>\r\n", start) - start);
        const QList<QByteArray> words = value.simplified().split(' '); // encoded-words hold no blank
        QVERIFY2(words.size() > 1, value.constData());
        const QRegularExpression word("^=\\?UTF-8\\?B\\?([A-Za-z0-9+/]*=*)\\?=$");
        QByteArray joined;
        for (const QByteArray &w : words) {
            QVERIFY2(w.size() <= 75, w.constData());
            const QRegularExpressionMatch match = word.match(QString::fromLatin1(w));
            QVERIFY2(match.hasMatch(), w.constData());
            const QByteArray bytes = QByteArray::fromBase64(match.captured(1).toLatin1());
            QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString decoded = strict.decode(bytes);
            QVERIFY2(!strict.hasError() && !decoded.isEmpty(), w.constData());
            joined += bytes;
        }
        QCOMPARE(QString::fromUtf8(joined), name);
        const QJsonObject parsed = parsedByPython(text);
        QCOMPARE(parsed["from_name_words"].toString(), name);
        QCOMPARE(parsed["from_addr"].toString(), QString("jan@devries.nl"));
    }

    // Every program start draws the same numbers; each has at most 11 digits.
    void boundaryNumbers()
    {
        Mime::restartBoundaryNumbers();
        QCOMPARE(Mime::boundaryNumber(), 70554751157ull);
        QCOMPARE(Mime::boundaryNumber(), 53342401981ull);
        QCOMPARE(Mime::boundaryNumber(), 57951861619ull);
        for (int i = 0; i < 1000; ++i) QVERIFY(Mime::boundaryNumber() < 100000000000ull);
        Mime::restartBoundaryNumbers();
        QCOMPARE(Mime::boundaryNumber(), 70554751157ull);
    }

    void bareFileNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("bare");
        QTest::newRow("bare") << "261207-0905.TEK" << "261207-0905.TEK";
        QTest::newRow("backslashes") << "C:\\Zandrel\\261207-0905.TEK" << "261207-0905.TEK";
        QTest::newRow("slashes") << "/home/jan/261207-0905.TEK" << "261207-0905.TEK";
        QTest::newRow("trailing separator") << "C:\\Zandrel\\" << "";
    }
    void bareFileNames()
    {
        QFETCH(QString, path);
        QFETCH(QString, bare);
        QCOMPARE(Mime::bareFileName(path), bare);
    }
};

QTEST_GUILESS_MAIN(TestMime)
#include "tst_mime.moc"
