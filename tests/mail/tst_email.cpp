// The send window, offscreen, against the real SMTP server: the quotation request as the factory
// receives it, the bar at 100 % before the success box, one log line per attempt, and what the user
// sees when the server, the drawing file or the log fails.
#include "MailServer.h"
#include "MarkBuilder.h"
#include "QuotationText.h"
#include "SendWindowRun.h"
#include "TestSupport.h"
#include "mail/MailTransport.h"
#include "model/ProjectState.h"
#include "platform/Clock.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSocketNotifier>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace {
const QString Factory = "offerte@fabriek.nl";
const QString Drawing = "261207-0905.TEK";
const QString Sent = "De tekeningen zijn verzonden naar de timmerfabriek";
const QString NotSent = "De tekeningen zijn niet verzonden !";

const QString ExpectedBody = DeVriesQuotationBody;

const QByteArray logLine(const QString &status) { return ("3;" + Factory + ";07-12-2026;09:05;" + status + "\r\n").toLatin1(); }

EMail *loadedSendWindow()
{
    for (Form *f : Form::loadedForms())
        if (auto *e = qobject_cast<EMail *>(f)) return e;
    return nullptr;
}

// A send to a server that takes the connection and never greets. The send waits the greeting's
// limit; what a test does during the send starts when the connection has reached the server, so
// that a busy machine cannot put it before the send or after its end.
struct SilentSend {
    TestFolder folder{false};
    ScopedProject project;
    QuietPort silent{QuietPort::Silent};
    ShortTimeouts limits{3000, 3};
    QSocketNotifier connected{silent.listeningSocket(), QSocketNotifier::Read};

    explicit SilentSend(const std::function<void()> &duringTheSend)
    {
        connected.setEnabled(false);
        QObject::connect(&connected, &QSocketNotifier::activated, [this, duringTheSend] {
            connected.setEnabled(false); // once: the connection stays queued
            duringTheSend();
        });
        connected.setEnabled(silent.isListening());
    }
};
}

class TestEMail : public QObject {
    Q_OBJECT
    std::unique_ptr<MailServer> server;

    // Three marks, so that every log line begins with "3;".
    void project(ProjectState &s)
    {
        for (const char *mark : {"A", "B", "C"}) {
            s.FrameRecords << MarkBuilder(mark).counts(1).build();
        }
        s.MarkCount = 3;
        s.FactoryEMail = Factory;
    }

private slots:
    void initTestCase()
    {
        server = std::make_unique<MailServer>();
        QVERIFY2(server->isRunning(), "the test SMTP server did not start (python3-aiosmtpd)");
    }
    void init()
    {
        server->clear();
        setFixedNow(sendMoment());
    }
    void cleanup() { setFixedNow(QDateTime()); }

    // The request as the factory gets it, on each mail path, with the bar full and the log line
    // written before the success box.
    void sendsTheQuotation_data()
    {
        QTest::addColumn<int>("method");
        QTest::newRow("Standaard") << 0;
        QTest::newRow("WinSock") << 1;
        QTest::newRow("Outlook") << 2;
    }
    void sendsTheQuotation()
    {
        QFETCH(int, method);
        TestFolder folder(false);
        ScopedProject project;
        this->project(project.state());
        SendmailSetup sendmail(server->port());
        ScriptedDialogs boxes;
        QPointer<EMail> w;
        bool checkedDuringBox = false;
        boxes.onNext([&] {
            QVERIFY(w);
            QCOMPARE(w->Label1->text(), QString("100%"));
            // The right end of the bar is light blue (the last shades depend on how often the
            // progress came in; see progressGradient).
            const QColor end = w->barPicture().image().pixelColor(359, 10);
            QVERIFY2(end.red() == 0 && end.green() >= 200 && end.blue() >= 254, qPrintable(end.name()));
            QCOMPARE(folder.read("EMail.log"), logLine("Verzonden"));
            saveShot(w, "email-sent");
            // Qt activates the window again under its box: the request still goes out once.
            Form::activated(w);
            checkedDuringBox = true;
        });
        boxes.answer(MsgAnswer::OK, Sent, "Zandrel tofmaar");
        QVERIFY(runSendWindow(devries(server->address()), method, &w));
        VERIFY_DIALOGS(boxes);
        QVERIFY(checkedDuringBox);
        QCOMPARE(boxes.shown[0].style, int(MsgStyle::Information));

        QCOMPARE(project->ProjectFileName, Drawing);
        QCOMPARE(folder.read("EMail.log"), logLine("Verzonden"));
        QCOMPARE(server->count(), 1);
        QCOMPARE(server->envelope(0)["rcpt_tos"].toArray(), QJsonArray({Factory}));
        const QJsonObject m = server->parsed(0);
        QCOMPARE(m["from_name"].toString(), QString("Bouwbedrijf De Vries"));
        QCOMPARE(m["from_addr"].toString(), QString("jan@devries.nl"));
        QCOMPARE(m["headers"].toObject()["Subject"].toString(), QString("Offerte aanvraag"));
        const QJsonArray parts = m["parts"].toArray();
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts[0].toObject()["text"].toString(), ExpectedBody);
        QCOMPARE(parts[1].toObject()["filename"].toString(), Drawing);
        QCOMPARE(partData(m, 1), folder.read(Drawing));
        QVERIFY(folder.read(Drawing).startsWith("@;2.0\r\n"));
    }

    // One "Mislukt" line, written before the outcome box, however many error reports the send made.
    void failedSendLogsOnce_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("ownAddress");
        QTest::addColumn<QString>("firstBox");
        const QString lost = "Er is een fout opgetreden tijdens het versturen van de E-Mail naar " + Factory;
        QTest::newRow("Standaard, nothing listening") << 0 << "jan@devries.nl" << lost + "\r(Foutcode: 7 ";
        QTest::newRow("WinSock, nothing listening") << 1 << "jan@devries.nl" << lost + "\rFoutcode: 7 ";
        QTest::newRow("own address without @") << 0 << "jan.devries.nl"
                                                << "U heeft geen of een ongeldig eigen e-mail adres opgegeven !";
    }
    void failedSendLogsOnce()
    {
        QFETCH(int, method);
        QFETCH(QString, ownAddress);
        QFETCH(QString, firstBox);
        TestFolder folder(false);
        ScopedProject project;
        this->project(project.state());
        PersonalData p = devries(QString("127.0.0.1:%1").arg(MailServer::closedPort()));
        p.EMail = ownAddress;
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK).answer(MsgAnswer::OK, NotSent, "Zandrel tofmaar");
        QByteArray logAtOutcome;
        boxes.onNext([&] { boxes.onNext([&] { logAtOutcome = folder.read("EMail.log"); }); });
        QVERIFY(runSendWindow(p, method));
        VERIFY_DIALOGS(boxes);
        QCOMPARE(boxes.shown.size(), 2);
        QVERIFY2(boxes.shown[0].prompt.startsWith(firstBox), qPrintable(boxes.shown[0].prompt));
        QCOMPARE(boxes.shown[1].style, int(MsgStyle::Exclamation));
        QCOMPARE(logAtOutcome, logLine("Mislukt"));
        QCOMPARE(folder.read("EMail.log"), logLine("Mislukt"));
        QCOMPARE(server->count(), 0);
    }

    // A server that takes the connection and never answers: while the send waits, the window has
    // painted its bar, timers fire, and a window closed meanwhile closes once the send is over. The
    // send ends at its (shortened) limit with the usual boxes and one "Mislukt" line.
    void silentServerKeepsTheProgramResponsive_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("reason");
        QTest::newRow("Standaard") << 0 << "\r(Foutcode: 28 ";
        QTest::newRow("WinSock") << 1 << "\rFoutcode: 28 ";
    }
    void silentServerKeepsTheProgramResponsive()
    {
        QFETCH(int, method);
        QFETCH(QString, reason);
        TestFolder folder(false);
        ScopedProject project;
        this->project(project.state());
        QuietPort silent(QuietPort::Silent);
        QVERIFY(silent.isListening());
        ShortTimeouts limits(2000, 2); // the greeting is part of making the connection

        // Paint passes of the bar, counted wherever it is.
        struct PaintCount : QObject {
            int bar = 0;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::Paint && o->objectName() == "Pic1") ++bar;
                return false;
            }
        } paints;
        qApp->installEventFilter(&paints);
        // Another window of the program, which the user closes during the send.
        struct Other : QWidget {
            int closes = 0;
            void closeEvent(QCloseEvent *e) override { ++closes, e->accept(); }
        } other;
        other.show();

        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK).answer(MsgAnswer::OK, NotSent, "Zandrel tofmaar");
        bool fired = false;
        int paintsWhenFired = 0;
        QImage grab;
        QString caption;
        QPoint bar;
        QTimer during;
        during.setSingleShot(true);
        connect(&during, &QTimer::timeout, [&] {
            fired = boxes.shown.isEmpty(); // before the send ended
            paintsWhenFired = paints.bar;
            if (EMail *w = loadedSendWindow()) {
                grab = w->grab().toImage();
                caption = w->Label1->text();
                bar = w->Pic1->pos();
                saveShot(w, QString("email-waiting-") + QTest::currentDataTag());
            }
            other.close();
        });
        during.start(300);
        QElapsedTimer clock;
        clock.start();
        const bool unloaded = runSendWindow(devries(silent.address()), method);
        const qint64 took = clock.elapsed();
        qApp->removeEventFilter(&paints);
        QVERIFY(unloaded);
        VERIFY_DIALOGS(boxes);

        QVERIFY(fired);
        QVERIFY(paintsWhenFired > 0);
        QCOMPARE(caption, QString("0%"));
        // The white strip of the bar inside the window's grey, 8 pixels into the bar.
        QVERIFY(!grab.isNull());
        QCOMPARE(grab.pixelColor(bar + QPoint(8, 8)), QColor(Qt::white));
        QVERIFY(grab.pixelColor(5, 5) != QColor(Qt::white));
        QCOMPARE(other.closes, 0); // not while the send ran
        QTRY_COMPARE(other.closes, 1);

        // One limit, not two, with room for a busy machine.
        QVERIFY2(took >= 1900 && took < 3900, qPrintable(QString::number(took) + " ms"));
        QCOMPARE(boxes.shown.size(), 2);
        const QString start = "Er is een fout opgetreden tijdens het versturen van de E-Mail naar " + Factory + reason;
        QVERIFY2(boxes.shown[0].prompt.startsWith(start), qPrintable(boxes.shown[0].prompt));
        QCOMPARE(folder.read("EMail.log"), logLine("Mislukt"));
    }

    // The window manager raises and focuses whatever the user clicks: during a send, a click on
    // another window of the program is not taken, and the send window comes back as the active
    // window, so that it does not stay hidden behind a window that answers nothing.
    void clickElsewhereBringsTheSendWindowBack()
    {
        QWidget other;
        QPushButton *button = new QPushButton("Nieuw", &other);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&] { ++clicks; });
        other.resize(300, 200);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));

        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK).answer(MsgAnswer::OK, NotSent, "Zandrel tofmaar");
        QWidget *sendWindow = nullptr;
        QString activeAfterClick;
        bool during = false;
        SilentSend run([&] {
            sendWindow = loadedSendWindow();
            // The user clicks the other window: the window manager makes it the active one.
            other.activateWindow();
            QTest::mouseClick(button, Qt::LeftButton);
            QTimer::singleShot(300, [&] {
                QWidget *active = QApplication::activeWindow();
                activeAfterClick = !active ? "none" : active == sendWindow ? "send window" : "another window";
                during = boxes.shown.isEmpty();
            });
        });
        this->project(run.project.state());
        QVERIFY(run.silent.isListening());
        const bool unloaded = runSendWindow(devries(run.silent.address()), 0);
        QVERIFY(unloaded);
        VERIFY_DIALOGS(boxes);
        QVERIFY(during);
        QVERIFY(sendWindow);
        QCOMPARE(clicks, 0);
        QCOMPARE(activeAfterClick, QString("send window"));
        QCOMPARE(run.folder.read("EMail.log"), logLine("Mislukt"));
    }

    // The send window belongs to the program's frame. The frame closed during the send (its unload
    // would take the send window along) waits for the send: the attempt is logged, the boxes come,
    // and the frame closes after.
    void ownerClosedDuringTheSend()
    {
        struct Frame : Form {
            int unloads = 0;
            Frame() : Form(nullptr, Kind::Frame) {}
            void Form_Unload(bool &) override { ++unloads; }
        };
        QPointer<Frame> frame = new Frame;
        frame->load();
        frame->show();
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK).answer(MsgAnswer::OK, NotSent, "Zandrel tofmaar");
        int unloadsDuring = -1;
        SilentSend run([&] {
            if (frame) frame->close();
            unloadsDuring = frame ? frame->unloads : -1;
        });
        this->project(run.project.state());
        QVERIFY(run.silent.isListening());
        run.project->Personal = devries(run.silent.address());
        QPointer<EMail> w = EMail::Show(frame);
        QVERIFY(w);
        if (w->isLoaded()) Form::activated(w);
        VERIFY_DIALOGS(boxes);
        QCOMPARE(unloadsDuring, 0);
        QCOMPARE(run.folder.read("EMail.log"), logLine("Mislukt"));
        QTRY_VERIFY(!frame);
        QVERIFY(!w);
    }

    // Two sends in the same minute: two lines with the same date and time, appended.
    void logAppends()
    {
        TestFolder folder(false);
        ScopedProject project;
        this->project(project.state());
        folder.write("EMail.log", "1;offerte@fabriek.nl;06-12-2026;17:00;Mislukt\r\n");
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, Sent).answer(MsgAnswer::OK, Sent);
        QVERIFY(runSendWindow(devries(server->address()), 0));
        QVERIFY(runSendWindow(devries(server->address()), 0));
        VERIFY_DIALOGS(boxes);
        QCOMPARE(folder.read("EMail.log"),
                 "1;offerte@fabriek.nl;06-12-2026;17:00;Mislukt\r\n" + logLine("Verzonden") + logLine("Verzonden"));
        QCOMPARE(server->count(), 2);
    }

    // A drawing file that cannot be written sends nothing; a log that cannot be written is reported
    // and the request still goes out.
    void fileFailures()
    {
        {
            TestFolder folder(false);
            ScopedProject project;
            this->project(project.state());
            if (!setFolderWritable(folder.path(), false)) QSKIP("this file system cannot refuse new files");
            ScriptedDialogs boxes;
            boxes.answer(MsgAnswer::OK).answer(MsgAnswer::OK);
            const bool unloaded = runSendWindow(devries(server->address()), 0);
            setFolderWritable(folder.path(), true);
            QVERIFY(unloaded);
            VERIFY_DIALOGS(boxes);
            // The attempt's "Mislukt" line cannot be written into that folder either: the user is told.
            QCOMPARE(boxes.shown.size(), 2);
            QVERIFY(boxes.shown[0].prompt.startsWith("Het tekeningenbestand kan niet worden geschreven !"));
            QVERIFY(boxes.shown[1].prompt.startsWith("Het logbestand EMail.log kan niet worden bijgewerkt !"));
            QCOMPARE(server->count(), 0);
            QVERIFY(!QFile::exists(folder.file("EMail.log")));
        }
        {
            TestFolder folder(false);
            ScopedProject project;
            this->project(project.state());
            QDir(folder.path()).mkdir("EMail.log"); // a folder in the log's place
            ScriptedDialogs boxes;
            boxes.answer(MsgAnswer::OK).answer(MsgAnswer::OK, Sent);
            QVERIFY(runSendWindow(devries(server->address()), 0));
            VERIFY_DIALOGS(boxes);
            QVERIFY2(boxes.shown[0].prompt.startsWith("Het logbestand EMail.log kan niet worden bijgewerkt !\r\n\r\n"),
                     qPrintable(boxes.shown[0].prompt));
            QCOMPARE(boxes.shown[0].title, QString("FOUTMELDING"));
            QCOMPARE(server->count(), 1);
        }
    }

    // The drawing file of this minute is read-only: nothing goes out, and the attempt is logged
    // "Mislukt" like every other that failed.
    void aDrawingFileThatCannotBeWrittenIsLogged()
    {
        TestFolder folder(false);
        ScopedProject project;
        this->project(project.state());
        folder.write(Drawing, "oud");
        QVERIFY(QFile::setPermissions(folder.file(Drawing), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK);
        QVERIFY(runSendWindow(devries(server->address()), 0));
        VERIFY_DIALOGS(boxes);
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(boxes.shown[0].prompt.startsWith("Het tekeningenbestand kan niet worden geschreven !"));
        QCOMPARE(folder.read("EMail.log"), logLine("Mislukt"));
        QCOMPARE(folder.read(Drawing), QByteArray("oud"));
        QCOMPARE(server->count(), 0);
    }

    // A log that is no regular file, or too large, is not appended to: the user is told why, the
    // request goes out all the same and the thing in the log's place stays as it is, at once.
    void anOddLogIsNotAppendedTo_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a FIFO") << "fifo" << "Dit is geen gewoon bestand";
        QTest::newRow("a link to /dev/zero") << "zero" << "Dit is geen gewoon bestand";
        QTest::newRow("over 64 MB") << "oversize" << "Het bestand is groter dan 64 MB";
    }
    void anOddLogIsNotAppendedTo()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TestFolder folder(false);
        ScopedProject project;
        this->project(project.state());
        QVERIFY(makeOddFile("EMail.log", kind));
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, "Het logbestand EMail.log kan niet worden bijgewerkt !\r\n\r\n" + reason, ErrorTitle)
            .answer(MsgAnswer::OK, Sent);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(runSendWindow(devries(server->address()), 0));
        VERIFY_DIALOGS(boxes);
        QCOMPARE(server->count(), 1);
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed()) + " ms"));
        struct stat st;
        QVERIFY(::lstat(QFile::encodeName(folder.file("EMail.log")).constData(), &st) == 0);
        QCOMPARE(S_ISFIFO(st.st_mode), kind == "fifo");
        QCOMPARE(S_ISLNK(st.st_mode), kind == "zero");
        QCOMPARE(qint64(st.st_size) > (qint64(64) << 20), kind == "oversize");
    }

    // A server that takes the data and then never says yes: the bar stays short of 100% until the
    // send has failed.
    void theBarStopsShortUntilTheServerAccepts_data()
    {
        QTest::addColumn<int>("method");
        QTest::newRow("Standaard") << 0;
        QTest::newRow("WinSock") << 1;
    }
    void theBarStopsShortUntilTheServerAccepts()
    {
        QFETCH(int, method);
        TestFolder folder(false);
        ScopedProject project;
        this->project(project.state());
        ShortTimeouts limits(30000, 1);
        PersonalData p = devries(server->address());
        p.EMail = "stall@devries.nl";
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK).answer(MsgAnswer::OK, NotSent);
        QPointer<EMail> w;
        QString captionAtFailure;
        boxes.onNext([&] {
            captionAtFailure = w ? w->Label1->text() : QString("gone");
            if (w) saveShot(w, QString("email-not-accepted-") + QTest::currentDataTag());
        });
        QVERIFY(runSendWindow(p, method, &w));
        VERIFY_DIALOGS(boxes);
        QVERIFY2(boxes.shown[0].prompt.contains("Foutcode: 28 "), qPrintable(boxes.shown[0].prompt));
        QCOMPARE(captionAtFailure, QString("99%"));
        QCOMPARE(folder.read("EMail.log"), logLine("Mislukt"));
    }

    // During the send the send window refuses its own close; it unloads itself after, with one log
    // line. A shortcut of another window does not run meanwhile.
    void noCloseAndNoShortcutDuringTheSend()
    {
        QWidget other;
        QAction save("Opslaan", &other);
        save.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        save.setShortcutContext(Qt::ApplicationShortcut);
        other.addAction(&save);
        int saves = 0;
        connect(&save, &QAction::triggered, [&] { ++saves; });
        other.show();

        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK).answer(MsgAnswer::OK, NotSent);
        QPointer<EMail> w;
        bool during = false, loadedAfterClose = false;
        SilentSend run([&] {
            w = loadedSendWindow();
            during = boxes.shown.isEmpty() && w;
            if (!w) return;
            w->close();
            loadedAfterClose = w && w->isLoaded();
            QTest::keyClick(&other, Qt::Key_S, Qt::ControlModifier);
        });
        this->project(run.project.state());
        QVERIFY(run.silent.isListening());
        QVERIFY(runSendWindow(devries(run.silent.address()), 0));
        VERIFY_DIALOGS(boxes);
        QVERIFY(during);
        QVERIFY(loadedAfterClose);
        QCOMPARE(saves, 0);
        QCOMPARE(run.folder.read("EMail.log"), logLine("Mislukt"));
    }

    // The gradient, one line per twip of the 5400-twip strip (15 to a pixel, the last one drawn shows):
    // green goes up at every multiple of 27 twips, blue at every multiple of 43, from 0 and 128.
    void progressGradient()
    {
        ScopedProject project;
        EMail *w = EMail::Show(nullptr);
        QVERIFY(w);
        const QImage &bar = w->barPicture().image();
        QCOMPARE(w->Label1->text(), QString("0%"));
        QCOMPARE(bar.pixelColor(0, 10), QColor(Qt::white));

        w->ShowProgress(50); // up to twip 2700
        QCOMPARE(w->Label1->text(), QString("50%"));
        QCOMPARE(bar.pixelColor(0, 10), QColor(0, 1, 129));      // twip 14
        QCOMPARE(bar.pixelColor(179, 0), QColor(0, 100, 191));   // twip 2699
        QCOMPARE(bar.pixelColor(180, 24), QColor(0, 101, 191));  // twip 2700 alone
        QCOMPARE(bar.pixelColor(181, 10), QColor(Qt::white));
        saveShot(w, "email-progress-50");

        // The next call starts at twip 2700 again, which counts for green once more.
        w->ShowProgress(100);
        QCOMPARE(w->Label1->text(), QString("100%"));
        QCOMPARE(bar.pixelColor(359, 10), QColor(0, 201, 254));

        // A lower percentage draws nothing and leaves the caption.
        w->ShowProgress(30);
        QCOMPARE(w->Label1->text(), QString("100%"));
        QCOMPARE(bar.pixelColor(359, 10), QColor(0, 201, 254));
        w->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The window manager draws the caption over the window's own width: the window is as wide as the
    // caption in bold in the system's face and in every face the program maps to, with 140 pixels
    // left for the title bar's icon and buttons; the bar keeps its width, in the middle.
    void wideEnoughForItsCaption()
    {
        ScopedProject project;
        EMail *w = EMail::Show(nullptr);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Versturen tekeningen naar de timmerfabriek"));
        int widest = 0;
        for (const QString &family : {QApplication::font().family(), QString("Liberation Sans"), QString("Comic Neue")}) {
            QFont face(family);
            face.setPointSizeF(QApplication::font().pointSizeF());
            face.setBold(true);
            const int caption = QFontMetrics(face).horizontalAdvance(w->windowTitle());
            QVERIFY2(w->width() >= caption + 140, qPrintable(family + ": " + QString::number(caption)));
            widest = std::max(widest, caption);
        }
        QCOMPARE(w->width(), std::max(5760 / 15, widest + 140));
        QCOMPARE(w->Pic1->width(), 360);
        QCOMPARE(w->Pic1->geometry(), QRect((w->width() - 360) / 2, 12, 360, 25));

        // What the user sees: the caption as a title bar in the mapped face, over the window.
        if (!qEnvironmentVariableIsEmpty("ZANTOF_SHOTS")) {
            QImage shot(w->width(), w->height() + 24, QImage::Format_RGB32);
            shot.fill(QColor(40, 70, 140));
            QPainter p(&shot);
            QFont title("MS Sans Serif");
            title.setPointSizeF(QApplication::font().pointSizeF());
            title.setBold(true);
            p.setFont(title);
            p.setPen(Qt::white);
            p.drawText(QRect(24, 0, w->width() - 140, 24), Qt::AlignVCenter | Qt::AlignLeft, w->windowTitle());
            p.drawPixmap(0, 24, w->grab());
            p.end();
            QDir().mkpath(qEnvironmentVariable("ZANTOF_SHOTS"));
            shot.save(qEnvironmentVariable("ZANTOF_SHOTS") + "/email-caption.png");
        }
        w->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestEMail)
#include "tst_email.moc"
