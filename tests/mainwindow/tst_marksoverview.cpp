// The marks overview: its grid, the row it opens on, pick, Enter, Esc and its buttons, and the main
// screen waiting on it.
#include "MailServer.h"
#include "MarkBuilder.h"
#include "ProgramFixture.h"
#include "app/AppWindowOpener.h"
#include "app/ProjectFormLevels.h"
#include "mail/window/EMail.h"
#include "forms/RecordingWindowOpener.h"
#include "mainwindow/OvzMerken.h"
#include "model/GridModel.h"
#include "model/MarkOverview.h"
#include "platform/widgets/GridView.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace {
FrameRecord mark(const QString &label, const QString &description, int width, int height, int drawn, int mirrored)
{
    return MarkBuilder(label).description(description).size(width, height).counts(drawn, mirrored);
}

void fourMarks(ProjectState &s, int current)
{
    s.FrameRecords = {mark("A", "Voordeur met zijlicht", 950, 2400, 1, 0),
                      mark("B", "Keukenraam", 1800, 1200, 2, -1),
                      mark("a", "Slaapkamer achter", 1200, 1500, 3, 3),
                      mark("C", QString::fromUtf8("Dakkapel, twee ramen naast elkaar"), 2100, 1000, 1, 1)};
    s.MarkCount = 4;
    s.CurrentMarkIndex = int16(current);
}

QPoint rowPoint(GridView *g, int row) { return {20, g->rowViewportPosition(row) + 10}; }

// A window the test can close: it keeps MailLogOverviewOpen as the mail-log overview does.
class LogStandIn : public Form {
public:
    explicit LogStandIn(QWidget *owner) : Form(owner) {}

protected:
    void Form_Load() override
    {
        Project().MailLogOverviewOpen = true;
        RegisterFormLevel();
    }
    void Form_Unload(bool &) override
    {
        Project().MailLogOverviewOpen = false;
        ReleaseFormLevel();
    }
};

struct Overview {
    ScopedProject project;
    ScriptedDialogs dialogs;
    RecordingWindowOpener opener;
    QPointer<OvzMerken> w;

    explicit Overview(int current = 1)
    {
        fourMarks(project.state(), current);
        w = OvzMerken::Show(nullptr);
    }
    ~Overview()
    {
        if (w) w->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ProjectState &state() { return project.state(); }
};
}

class TestMarksOverview : public QObject {
    Q_OBJECT
    ProjectFormLevels levels; // the windows count their levels in the project
private slots:
    void rowsCellsAndTheRowItOpensOn()
    {
        Overview o(3);
        QVERIFY(o.w);
        QVERIFY(QTest::qWaitForWindowExposed(o.w));
        QCOMPARE(o.w->windowTitle(), QString("Overzicht van alle merken"));
        QVERIFY(o.state().MarkOverviewOpen);
        QCOMPARE(o.w->levelTag(), QString("0")); // the first level: nothing else is loaded here

        GridModel *m = o.w->gridModel;
        QCOMPARE(m->rowCount(), 4);
        QStringList headings, widths;
        for (int c = 0; c < m->columnCount(); ++c) {
            headings << m->headerData(c, Qt::Horizontal).toString();
            widths << QString::number(o.w->Grid1->columnWidth(c));
        }
        QCOMPARE(headings, (QStringList{"Merk\n", "Omschrijving\n", "Breedte\n", "Hoogte\n", "Aantal\ngetek.", "Aantal\ngesp."}));
        QCOMPARE(widths, (QStringList{"40", "320", "55", "55", "50", "50"}));
        QStringList row1;
        for (int c = 0; c < 6; ++c) row1 << m->cellText(1, c);
        QCOMPARE(row1, (QStringList{"B", "Keukenraam", "1800", "1200", "2", "-1"}));
        QCOMPARE(m->cellText(0, 2), QString("950"));
        QCOMPARE(m->data(m->index(0, 0), Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(m->data(m->index(0, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));

        QCOMPARE(o.w->Grid1->currentRow(), 3);
        saveShot(o.w, "marks_overview");
    }

    void openingRow_data()
    {
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("row");
        QTest::newRow("the current mark") << QStringList{"A", "B", "C"} << 1 << 1;
        QTest::newRow("same label twice: the later row") << QStringList{"A", "B", "A"} << 0 << 2;
        QTest::newRow("case counts") << QStringList{"a", "A", "b"} << 0 << 0;
        QTest::newRow("current out of range") << QStringList{"A", "B"} << 5 << 0;
    }
    void openingRow()
    {
        QFETCH(QStringList, labels);
        QFETCH(int, current);
        QFETCH(int, row);
        ProjectState s;
        for (const QString &l : labels) s.FrameRecords << mark(l, "", 0, 0, 1, 0);
        s.MarkCount = int16(labels.size());
        s.CurrentMarkIndex = int16(current);
        QCOMPARE(markGridSelectedRow(s), row);
    }

    void aPickSetsTheMarkAndEndsTheWaitWithoutClosing()
    {
        Overview o(0);
        QVERIFY(QTest::qWaitForWindowExposed(o.w));
        QTest::mouseClick(o.w->Grid1->viewport(), Qt::LeftButton, {}, rowPoint(o.w->Grid1, 2));
        QCOMPARE(o.state().CurrentMarkIndex, int16(2));
        QVERIFY(!o.state().MarkOverviewOpen);
        QVERIFY(o.w->isLoaded()); // the main screen closes it
        QTest::mouseClick(o.w->Grid1->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(o.state().CurrentMarkIndex, int16(2));
    }

    void keysAndTheCloseButton_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("index"); // CurrentMarkIndex afterwards
        QTest::newRow("Enter takes the current row") << "enter" << 3;
        QTest::newRow("Enter on a button too") << "enter on button" << 3;
        QTest::newRow("Esc keeps the mark") << "esc" << 1;
        QTest::newRow("close button keeps the mark") << "close" << 1;
    }
    void keysAndTheCloseButton()
    {
        QFETCH(QString, action);
        QFETCH(int, index);
        Overview o(1);
        QVERIFY(QTest::qWaitForWindowExposed(o.w));
        o.w->Grid1->setFocus();
        QTest::keyClick(o.w->Grid1, Qt::Key_Down);
        QTest::keyClick(o.w->Grid1, Qt::Key_Down);
        QCOMPARE(o.w->Grid1->currentRow(), 3);
        QCOMPARE(o.state().CurrentMarkIndex, int16(1)); // moving is no pick
        QVERIFY(o.state().MarkOverviewOpen);

        if (action == "enter") QTest::keyClick(o.w->Grid1, Qt::Key_Return);
        if (action == "enter on button") QTest::keyClick(o.w->Command1[1], Qt::Key_Enter);
        if (action == "esc") QTest::keyClick(o.w->Grid1, Qt::Key_Escape);
        if (action == "close") o.w->Command1[2]->click();
        QVERIFY(!o.w->isLoaded());
        QVERIFY(!o.state().MarkOverviewOpen);
        QCOMPARE(o.state().CurrentMarkIndex, int16(index));
        QCOMPARE(o.state().FormLevel, int16(0));
        VERIFY_DIALOGS(o.dialogs);
    }

    // Enter picks whichever row is current, the first and the last as well as one between.
    void enterPicksEveryRow_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < 4; ++row) QTest::newRow(QByteArray::number(row)) << row;
    }
    void enterPicksEveryRow()
    {
        QFETCH(int, row);
        Overview o(2);
        QVERIFY(QTest::qWaitForWindowExposed(o.w));
        o.w->Grid1->setFocus();
        for (int up = 0; up < 2 - row; ++up) QTest::keyClick(o.w->Grid1, Qt::Key_Up);
        for (int down = 0; down < row - 2; ++down) QTest::keyClick(o.w->Grid1, Qt::Key_Down);
        QCOMPARE(o.w->Grid1->currentRow(), row);
        QTest::keyClick(o.w->Grid1, Qt::Key_Return);
        QVERIFY(!o.w->isLoaded());
        QVERIFY(!o.state().MarkOverviewOpen);
        QCOMPARE(o.state().CurrentMarkIndex, int16(row));
        VERIFY_DIALOGS(o.dialogs);
    }

    void enterWithoutACurrentRowDoesNothing()
    {
        Overview o(0);
        o.w->Grid1->setCurrentIndex(QModelIndex());
        o.w->Form_KeyDown(13);
        QVERIFY(o.w->isLoaded());
        QCOMPARE(o.state().CurrentMarkIndex, int16(0));
    }

    void sendAsksForTheSendWindowAndStays()
    {
        Overview o;
        o.state().FrameRecords[0].ShapeCode = "K;;1;S"; // no compartments: no check stops it here
        o.w->Command1[0]->click();
        QCOMPARE(o.opener.openedFrom(WindowKind::Send), QList<Form *>{o.w.data()});
        QVERIFY(o.w->isLoaded());
        QVERIFY(o.state().MarkOverviewOpen);
        QCOMPARE(o.w->Command1[0]->toolTip(), QString("Verzend deze tekeningen naar de timmerfabriek"));
        QCOMPARE(o.w->Command1[1]->toolTip(), QString("Overzicht van alle verzonden tekeningen"));
        QVERIFY(o.w->Command1[2]->toolTip().isEmpty());
        VERIFY_DIALOGS(o.dialogs);
    }

    void theLogButtonWithoutALog_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder of that name") << "folder";
        // No log either: the overview would wait in the open, or read until the memory is gone.
        for (const char *kind : OddFileKinds) QTest::newRow(kind) << QString(kind);
    }
    void theLogButtonWithoutALog()
    {
        QFETCH(QString, kind);
        TestFolder folder(false);
        if (kind == "folder")
            QDir().mkdir("EMail.log"); // a folder of that name is no log
        else
            QVERIFY(makeOddFile("EMail.log", kind));
        Overview o;
        o.dialogs.answer(MsgAnswer::OK, "Geen gegevens gevonden !", "FOUTMELDING");
        o.w->Command1[1]->click();
        VERIFY_DIALOGS(o.dialogs);
        QCOMPARE(o.dialogs.shown[0].style, 48);
        QVERIFY(o.opener.opened.isEmpty());
        QVERIFY(o.w->isLoaded());
        QVERIFY(o.state().MarkOverviewOpen);
    }

    // The overview waits on the mail-log overview; a pick meanwhile ends the main screen's wait only after.
    void theLogButtonWaitsForTheMailLogOverview()
    {
        TestFolder folder(false);
        folder.write("email.LOG", "1;fabriek@hout.example;05-03-2026;14:07;Verzonden\r\n");
        Overview o(0);
        QVERIFY(QTest::qWaitForWindowExposed(o.w));
        QPointer<Form> log;
        o.opener.onOpen = [&](WindowKind kind, Form *from) -> Form * {
            if (kind != WindowKind::MailLogOverview) return nullptr;
            log = new LogStandIn(from);
            log->load();
            log->show();
            return log;
        };
        bool waitedWhileOpen = false;
        QTimer::singleShot(0, [&] {
            waitedWhileOpen = log && log->isLoaded() && o.state().MailLogOverviewOpen;
            QTest::mouseClick(o.w->Grid1->viewport(), Qt::LeftButton, {}, rowPoint(o.w->Grid1, 1));
            QTimer::singleShot(0, [&] { log->unload(); });
        });
        o.w->Command1[1]->click();

        QVERIFY(waitedWhileOpen);
        QCOMPARE(o.opener.openedFrom(WindowKind::MailLogOverview), QList<Form *>{o.w.data()});
        QVERIFY(!o.state().MailLogOverviewOpen);
        QVERIFY(!log || !log->isLoaded());
        QCOMPARE(o.state().CurrentMarkIndex, int16(1));
        QVERIFY(!o.state().MarkOverviewOpen);
        VERIFY_DIALOGS(o.dialogs);
    }

    void theMainScreenContinuesWithThePickedMark()
    {
        TestFolder folder;
        Program p;
        AppWindowOpener windows;
        ScopedWindowOpener installed(&windows);
        QVERIFY(p.start());
        p.newMark("A", 950, 2400);
        p.newMark("B", 1800, 1200);
        p.newMark("C", 2100, 1000);
        p.s().Text1[1]->setText("Dakkapel"); // an edit of the mark on screen is stored before the overview opens
        VERIFY_DIALOGS(p.dialogs);

        QPointer<OvzMerken> seen;
        int openRow = -1;
        QTimer::singleShot(0, [&] {
            seen = qobject_cast<OvzMerken *>(Form::loadedForms().last());
            QVERIFY(seen);
            openRow = seen->Grid1->currentRow();
            QCOMPARE(seen->gridModel->cellText(2, 1), QString("Dakkapel"));
            QTest::mouseClick(seen->Grid1->viewport(), Qt::LeftButton, {}, rowPoint(seen->Grid1, 0));
        });
        p.s().Command1[5]->click();

        QCOMPARE(openRow, 2);
        QVERIFY(!seen || !seen->isLoaded());
        QCOMPARE(p.state().CurrentMarkIndex, int16(0));
        QCOMPARE(p.s().Text1[0]->text(), QString("A"));
        QCOMPARE(p.s().Num1[0]->value(), 950);

        // Esc ends the wait as well and leaves the mark on screen.
        QTimer::singleShot(0, [&] {
            seen = qobject_cast<OvzMerken *>(Form::loadedForms().last());
            QTest::keyClick(seen->Grid1, Qt::Key_Down);
            QTest::keyClick(seen->Grid1, Qt::Key_Escape);
        });
        p.s().Command1[5]->click();
        QVERIFY(!seen || !seen->isLoaded());
        QCOMPARE(p.s().Text1[0]->text(), QString("A"));
        QCOMPARE(p.state().FormLevel, int16(1)); // only the main screen's level is left
        VERIFY_DIALOGS(p.dialogs);
    }

    // "Overzicht", its send button, and a click on the main screen during the send: the window manager
    // raises and activates the window clicked, and the send window comes back over it. When the send
    // window closes, the overview it was sent from is above the main screen again, and active.
    void afterASendTheOverviewIsAboveTheMainScreenAgain()
    {
        TestFolder folder;
        QuietPort silent(QuietPort::Silent);
        QVERIFY(silent.isListening());
        ShortTimeouts limits(1000, 1);
        Program p;
        AppWindowOpener windows;
        ScopedWindowOpener installed(&windows);
        QVERIFY(p.start());
        p.newMark("A", 1200, 2100);
        makeSendable(p.state().FrameRecords[0]);
        p.state().Personal.EMail = "jan@devries.example";
        p.state().Personal.MailServer = silent.address();
        const qsizetype boxesBefore = p.dialogs.shown.size();
        p.dialogs.answer(MsgAnswer::OK).answer(MsgAnswer::OK, "De tekeningen zijn niet verzonden !");

        // The windows raised, in order.
        struct Raises : QObject {
            QList<QPointer<QWidget>> order;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::ZOrderChange && o->isWidgetType() && static_cast<QWidget *>(o)->isWindow())
                    order << static_cast<QWidget *>(o);
                return false;
            }
        } raises;
        qApp->installEventFilter(&raises);

        QPointer<OvzMerken> overview;
        QPointer<EMail> sending;
        QString clickedDuring, aboveAfter, activeAfter;
        int phase = 0;
        QTimer steps;
        QElapsedTimer clock;
        clock.start();
        connect(&steps, &QTimer::timeout, [&] {
            if (clock.elapsed() > 60000 && overview) { // a safety net only: the send ends within seconds
                qWarning() << "phase" << phase << "boxes" << p.dialogs.prompts();
                overview->unload();
                return;
            }
            if (phase == 0) { // the overview is up: its send button
                for (Form *f : Form::loadedForms())
                    if (auto *o = qobject_cast<OvzMerken *>(f)) overview = o;
                if (!overview || !overview->windowHandle() || !overview->windowHandle()->isExposed()) return;
                phase = 1;
                QTest::mouseClick(overview->Command1[0], Qt::LeftButton);
            } else if (phase == 1) { // the send runs: the user clicks the main screen
                sending = qobject_cast<EMail *>(Form::activeForm());
                if (!sending) return;
                phase = 2;
                p.frame->raise();
                p.frame->activateWindow();
                QTest::mouseClick(p.s().Command1[6], Qt::LeftButton);
                clickedDuring = p.dialogs.shown.size() == boxesBefore ? "during" : "after";
            } else if (phase == 2) { // the send window is gone
                if (sending) return;
                phase = 3;
                for (qsizetype i = raises.order.size() - 1; i >= 0 && aboveAfter.isEmpty(); --i)
                    if (raises.order[i] == p.frame || raises.order[i] == overview)
                        aboveAfter = raises.order[i]->objectName();
                activeAfter = QApplication::activeWindow() ? QApplication::activeWindow()->objectName() : "none";
                if (overview) overview->unload(); // ends the main screen's wait
            }
        });
        steps.start(10);
        QApplication::setActiveWindow(p.frame);
        p.s().Command1[5]->click();
        steps.stop();
        qApp->removeEventFilter(&raises);

        QCOMPARE(phase, 3);
        QCOMPARE(clickedDuring, QString("during"));
        QCOMPARE(aboveAfter, QString("OvzMerken"));
        QCOMPARE(activeAfter, QString("OvzMerken"));
        QCOMPARE(p.marks(), QStringList{"A"}); // the click on "Nieuw" was not taken
        QCOMPARE(folder.read("EMail.log").count(";Mislukt"), 1);
        VERIFY_DIALOGS(p.dialogs);
    }
};

QTEST_MAIN(TestMarksOverview)
#include "tst_marksoverview.moc"
