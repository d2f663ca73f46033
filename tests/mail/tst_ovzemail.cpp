// The mail-log overview: how log lines split into the five columns, the grid it shows, "Log wissen",
// and the keys and buttons that close it.
#include "TestSupport.h"
#include "app/ProjectFormLevels.h"
#include "mail/QuotationMail.h"
#include "mail/window/OvzEMail.h"
#include "model/GridModel.h"
#include "model/ProjectState.h"
#include "platform/widgets/GridView.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QPushButton>
#include <QStyle>
#include <QTest>

namespace {
const QByteArray ThreeLines = "3;offerte@fabriek.nl;07-12-2026;09:05;Verzonden\r\n"
                              "3;offerte@fabriek.nl;07-12-2026;09:06;Mislukt\r\n"
                              "12;offerte@fabriek.nl;08-12-2026;14:30;Verzonden\r\n";
}

class TestOvzEMail : public QObject {
    Q_OBJECT
    ProjectFormLevels levels; // the windows count their levels in the project
    QPointer<OvzEMail> open()
    {
        QPointer<OvzEMail> w = OvzEMail::Show(nullptr);
        if (w) Form::activated(w);
        return w;
    }
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    // Each line gives five cells, the next field taken off the front until no ";" is left.
    void fieldSplitting_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("well formed") << "3;offerte@fabriek.nl;07-12-2026;09:05;Verzonden"
                                     << QStringList{"3", "offerte@fabriek.nl", "07-12-2026", "09:05", "Verzonden"};
        QTest::newRow("no ;") << "Verzonden" << QStringList(5, "Verzonden");
        QTest::newRow("two fields") << "3;Verzonden" << QStringList{"3", "Verzonden", "Verzonden", "Verzonden", "Verzonden"};
        QTest::newRow("begins with ;") << ";a;b" << QStringList(5, ";a;b");
        // An empty field reads as an empty field, also the last one.
        QTest::newRow("ends with ;") << "a;b;" << QStringList{"a", "b", "", "", ""};
        QTest::newRow("empty field inside") << "3;;07-12-2026" << QStringList{"3", "", "07-12-2026", "07-12-2026", "07-12-2026"};
        QTest::newRow("two empty fields") << "3;;;09:05;Mislukt" << QStringList{"3", "", "", "09:05", "Mislukt"};
        QTest::newRow("six fields") << "1;2;3;4;5;6" << QStringList{"1", "2", "3", "4", "5"};
        QTest::newRow("empty line") << "" << QStringList(5, "");
    }
    void fieldSplitting()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, cells);
        TestFolder folder(false);
        folder.write("EMail.log", line.toLatin1() + "\r\n");
        QCOMPARE(readMailLogRows(), QList<QStringList>{cells});
    }

    // Whatever the record holds, the line the writer makes reads back into the same five columns:
    // an empty field stays empty, and a ";" or line break in a text cannot shift the fields.
    void writtenLinesReadBackIntoTheirColumns()
    {
        struct Case {
            int count;
            QString address, status;
            QByteArray line;
            QStringList cells;
        };
        const QList<Case> cases = {
            {3, "", "Mislukt", "3;;07-12-2026;09:05;Mislukt", {"3", "", "07-12-2026", "09:05", "Mislukt"}},
            {3, "offerte;info@fabriek.nl", "Verzonden", "3;offerte,info@fabriek.nl;07-12-2026;09:05;Verzonden",
             {"3", "offerte,info@fabriek.nl", "07-12-2026", "09:05", "Verzonden"}},
            {12, ";", "Mislukt", "12;,;07-12-2026;09:05;Mislukt", {"12", ",", "07-12-2026", "09:05", "Mislukt"}},
            {1, "offerte@fabriek.nl\r\nx;y", "Mislukt", "1;offerte@fabriek.nlx,y;07-12-2026;09:05;Mislukt",
             {"1", "offerte@fabriek.nlx,y", "07-12-2026", "09:05", "Mislukt"}},
            {0, "", "", "0;;07-12-2026;09:05;", {"0", "", "07-12-2026", "09:05", ""}},
            {3, "offerte@fabriek.nl", "Mis;lukt", "3;offerte@fabriek.nl;07-12-2026;09:05;Mis,lukt",
             {"3", "offerte@fabriek.nl", "07-12-2026", "09:05", "Mis,lukt"}},
        };
        TestFolder folder(false);
        ScopedProject project;
        const QDateTime when(QDate(2026, 12, 7), QTime(9, 5, 0));
        QByteArray log;
        for (const Case &c : cases) {
            QString error;
            QVERIFY2(WriteMailLog({c.count, c.address, when, c.status}, &error), qPrintable(error));
            log += c.line + "\r\n";
        }
        QCOMPARE(folder.read("EMail.log"), log);

        QPointer<OvzEMail> w = open();
        QVERIFY(w);
        QCOMPARE(w->grid->rowCount(), int(cases.size()));
        for (int row = 0; row < cases.size(); ++row) {
            QStringList cells;
            for (int column = 0; column < 5; ++column) cells << w->grid->cellText(row, column);
            QCOMPARE(cells, cases[row].cells);
        }
        saveShot(w, "ovzemail_fields");
        w->unload();
        settle();
    }

    void showsTheLog()
    {
        TestFolder folder(false);
        ScopedProject project;
        folder.write("email.LOG", ThreeLines); // found whatever its case
        QPointer<OvzEMail> w = open();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Overzicht verzonden tekeningen"));
        QVERIFY(project->MailLogOverviewOpen);
        QCOMPARE(w->levelTag(), QString("0"));
        GridModel *g = w->grid;
        QCOMPARE(g->rowCount(), 3);
        QCOMPARE(g->columnCount(), 5);
        QCOMPARE(g->cellText(2, 0), QString("12"));
        QCOMPARE(g->cellText(1, 4), QString("Mislukt"));
        const QStringList headings{"Aantal\ntekeningen", "Verstuurd naar\n", "Datum\n", "Tijd\n", "Status\n"};
        const QList<int> widths{70, 175, 75, 45, 75};
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(g->headerData(c, Qt::Horizontal).toString(), headings[c]);
            QCOMPARE(w->Grid1->columnWidth(c), widths[c]);
            const auto align = Qt::Alignment(g->index(0, c).data(Qt::TextAlignmentRole).toInt());
            QCOMPARE(align & Qt::AlignHorizontal_Mask, (c == 1 || c == 4) ? Qt::AlignLeft : Qt::AlignRight);
        }
        // Rows 0 and 2 light blue, row 1 not; row 0 current.
        QCOMPARE(g->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 200, 255));
        QVERIFY(!g->index(1, 0).data(Qt::BackgroundRole).isValid());
        QCOMPARE(g->index(2, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 200, 255));
        QCOMPARE(w->Grid1->currentRow(), 0);
        saveShot(w, "ovzemail");
        w->Command1[1]->click(); // "Sluiten"
        settle();
        QVERIFY(!w);
        QVERIFY(!project->MailLogOverviewOpen);
        QCOMPARE(project->FormLevel, int16(0));
    }

    // Every cell and heading shows whole in the fonts the program maps (a factory address as long
    // as "offerte@voorbeeld-timmerfabriek.nl" too), every column without scrolling, on a screen
    // 1024 wide.
    void everyTextShowsWhole_data() { addFontRows(); }
    void everyTextShowsWhole()
    {
        QFETCH(QString, family);
        QFETCH(qreal, points);
        const ScopedAppFont font(family, points);
        TestFolder folder(false);
        ScopedProject project;
        folder.write("EMail.log", "3;offerte@voorbeeld-timmerfabriek.nl;07-12-2026;09:05;Verzonden\r\n"
                                  "12;offerte@fabriek.nl;28-12-2026;23:48;Mislukt\r\n");
        QPointer<OvzEMail> w = open();
        QVERIFY(w);
        GridView *g = w->Grid1;
        QCOMPARE(g->model()->rowCount(), 2);
        // Qt's item text stands a margin inside its cell, the cell a grid line inside its column.
        const int cellRoom = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1) + 1;
        const int headingRoom = 2 * g->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, g->horizontalHeader());
        const QFontMetrics cells(g->font()), headings(g->horizontalHeader()->font());
        for (int c = 0; c < 5; ++c) {
            for (int r = 0; r < 2; ++r) {
                const QString text = w->grid->cellText(r, c);
                QVERIFY2(cells.horizontalAdvance(text) + cellRoom <= g->columnWidth(c), qPrintable(text));
            }
            for (const QString &line : g->model()->headerData(c, Qt::Horizontal).toString().split('\n'))
                QVERIFY2(headings.horizontalAdvance(line) + headingRoom <= g->columnWidth(c), qPrintable(line));
        }
        QVERIFY(g->horizontalHeader()->length() <= g->viewport()->width());
        QVERIFY(w->frameGeometry().width() <= 1024);
        saveShot(w, QString("ovzemail-") + QTest::currentDataTag());
        w->unload();
        settle();
    }

    // A log that is missing, empty or unreadable shows no rows and no box.
    void emptyGrid_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("missing") << 0;
        QTest::newRow("empty") << 1;
        QTest::newRow("a folder in its place") << 2;
        // Read at once as no log at all.
        QTest::newRow("a FIFO") << 3;
        QTest::newRow("a link to /dev/zero") << 4;
        QTest::newRow("over 64 MB") << 5;
    }
    void emptyGrid()
    {
        QFETCH(int, kind);
        TestFolder folder(false);
        ScopedProject project;
        if (kind == 1) folder.write("EMail.log", "");
        if (kind == 2) QDir(folder.path()).mkdir("EMail.log");
        if (kind >= 3) QVERIFY(makeOddFile("EMail.log", OddFileKinds[kind - 3]));
        ScriptedDialogs boxes;
        QElapsedTimer clock;
        clock.start();
        QPointer<OvzEMail> w = open();
        QVERIFY2(clock.elapsed() < 1000 || kind < 3, qPrintable(QString::number(clock.elapsed()) + " ms"));
        QVERIFY(w);
        QCOMPARE(w->grid->rowCount(), 0);
        QCOMPARE(w->Grid1->currentRow(), -1);
        w->unload();
        settle();
        VERIFY_DIALOGS(boxes);
    }

    // Two programs in one folder, each appending 100 lines at once: every line is kept, each whole.
    void twoProgramsLoseNoLine()
    {
        TestFolder folder(false);
        QProcess writers[2];
        for (int i = 0; i < 2; ++i) {
            writers[i].setWorkingDirectory(folder.path());
            writers[i].start(MAIL_LOG_WRITER, {QString::number(i + 1), "100"});
        }
        for (QProcess &w : writers) {
            QVERIFY(w.waitForFinished(120000));
            QCOMPARE(w.exitStatus(), QProcess::NormalExit);
            QVERIFY2(w.exitCode() == 0, w.readAllStandardError().constData());
        }
        const QList<QByteArray> lines = folder.read("EMail.log").split('\n');
        QCOMPARE(lines.size(), 201);
        QVERIFY(lines.last().isEmpty());
        static const QRegularExpression form("^[12];([0-9]+);[0-9]{2}-[0-9]{2}-[0-9]{4};[0-9]{2}:[0-9]{2};Verzonden\r$");
        QSet<QString> seen;
        for (int i = 0; i < 200; ++i) {
            const QString line = QString::fromLatin1(lines[i]);
            QVERIFY2(form.match(line).hasMatch(), qPrintable(line));
            seen << line.section(';', 0, 1);
        }
        QCOMPARE(seen.size(), 200);
    }

    void logWissen()
    {
        TestFolder folder(false);
        ScopedProject project;
        folder.write("EMail.log", ThreeLines);
        ScriptedDialogs boxes;
        QPointer<OvzEMail> w = open();
        w->Command1[0]->click();
        QVERIFY(!QFile::exists(folder.file("EMail.log")));
        QCOMPARE(w->grid->rowCount(), 0);
        w->Command1[0]->click(); // nothing left to delete: nothing to say
        QCOMPARE(w->grid->rowCount(), 0);
        QVERIFY(w->isLoaded());
        VERIFY_DIALOGS(boxes);
        QCOMPARE(boxes.shown.size(), 0);
        w->unload();
        settle();
    }

    // A log that cannot be deleted stays in the grid, and the user is told.
    void logWissenRefused()
    {
        TestFolder folder(false);
        ScopedProject project;
        folder.write("EMail.log", ThreeLines);
        QPointer<OvzEMail> w = open();
        if (!setFolderWritable(folder.path(), false)) QSKIP("this file system cannot refuse a deletion");
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, "Het logbestand EMail.log kan niet worden verwijderd !", "FOUTMELDING");
        w->Command1[0]->click();
        setFolderWritable(folder.path(), true);
        VERIFY_DIALOGS(boxes);
        QVERIFY(QFile::exists(folder.file("EMail.log")));
        QCOMPARE(w->grid->rowCount(), 3);
        w->unload();
        settle();
    }

    // Another program between its read of the log and its rename holds the lock: the log is not
    // deleted under it (its rename would bring the lines back), and the user is told.
    void logWissenWhileAnotherProgramWrites()
    {
        TestFolder folder(false);
        ScopedProject project;
        folder.write("EMail.log", ThreeLines);
        QPointer<OvzEMail> w = open();
        QProcess holder; // holds the lock until its input ends
        holder.setWorkingDirectory(folder.path());
        holder.start("flock", {"--no-fork", MailLogLockName, "sh", "-c", "echo held; exec cat"});
        QVERIFY(holder.waitForReadyRead(60000));
        QCOMPARE(holder.readAllStandardOutput(), QByteArray("held\n"));
        ScriptedDialogs boxes;
        boxes.answer(MsgAnswer::OK, "Het logbestand EMail.log kan niet worden verwijderd !", "FOUTMELDING");
        w->Command1[0]->click();
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(60000));
        VERIFY_DIALOGS(boxes);
        QVERIFY(QFile::exists(folder.file("EMail.log")));
        QCOMPARE(w->grid->rowCount(), 3);
        w->unload();
        settle();
    }

    void keysClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void keysClose()
    {
        QFETCH(int, key);
        TestFolder folder(false);
        ScopedProject project;
        folder.write("EMail.log", ThreeLines);
        QPointer<OvzEMail> w = open();
        // With the grid holding the focus, as it does when the window opens.
        QTest::keyClick(w->Grid1, Qt::Key(key));
        settle();
        QVERIFY(!w);
        QVERIFY(!project->MailLogOverviewOpen);
    }
};

QTEST_MAIN(TestOvzEMail)
#include "tst_ovzemail.moc"
