// Closing the program: the save question, the personal data written, Cancel keeping it open; and
// opening and saving a project from the menu.
#include "ProgramFixture.h"
#include "model/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString SaveQuestion = QStringLiteral("Wilt u de wijzigingen opslaan ?");
const QDateTime When(QDate(2026, 3, 5), QTime(14, 7, 30));

// A window opened above the main screen that keeps a record of its own unload.
class Above : public Form {
public:
    explicit Above(QStringList &log) : Form(nullptr), log(log) {}
    QStringList &log;

protected:
    void Form_Load() override { RegisterFormLevel(); }
    void Form_Unload(bool &) override { log << "above unloaded"; }
};

// A project file of one mark, written by hand: the magic, eleven personal fields, the highest mark
// index, the mark's 18 fields, its highest compartment index (none) and the 17 clear sizes.
QByteArray projectFile(const QString &mark, const QString &company)
{
    QStringList lines{"#QV ZANDREL-TOFMAAR#", "", company, "", "", "", "", "", "", "", "", "", "0",
                      mark, "Achterdeur", "1", "0", "900", "2300", "", "0", "", "", "", "Meranti",
                      "67", "114", "67", "67", "0", "", "-1"};
    for (int i = 0; i < 17; ++i) lines << "0";
    QByteArray out;
    for (const QString &l : lines) out += scrambled(l.toLatin1()) + "\r\n";
    return out;
}
}

class TestShutdown : public QObject {
    Q_OBJECT
private slots:
    void closingWithoutMarksAsksNothing()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.state().ProjectDirty = true; // marks deleted: nothing left to save
        QTest::keyClick(p.s().Text1[0], Qt::Key_Escape);
        QCOMPARE(p.ended, 0);
        QVERIFY(QFile::exists(folder.file("PersGeg.Txt")));
        QCOMPARE(p.state().FormLevel, int16(0));
        QVERIFY(Form::loadedForms().isEmpty());
        VERIFY_DIALOGS(p.dialogs);
    }

    void yesSavesADateStampedProject()
    {
        TestFolder folder;
        setFixedNow(When);
        Program p;
        QVERIFY(p.start());
        p.newMark("A", 900, 2300);
        const QString saved = QDir(folder.path()).absoluteFilePath("260305-1407.TOF");
        p.dialogs.answer(MsgAnswer::Yes, SaveQuestion, "Zandrel tofmaar")
            .answer(MsgAnswer::OK, "De tekeningen zijn opgeslagen !\r\n\r\n" + saved, "Info");
        p.frame->Afsluiten->trigger();
        QCOMPARE(p.dialogs.shown[1].style, MsgStyle::YesNoCancel + MsgStyle::Question);
        QCOMPARE(p.ended, 0);
        const QByteArray file = folder.read("260305-1407.TOF");
        QVERIFY(file.startsWith(scrambled("#QV ZANDREL-TOFMAAR#") + "\r\n"));
        QVERIFY(file.contains("\r\n" + scrambled("900") + "\r\n" + scrambled("2300") + "\r\n"));
        QVERIFY(QFile::exists(folder.file("PersGeg.Txt")));
        VERIFY_DIALOGS(p.dialogs);
    }

    void noSavesNothingAndEnds()
    {
        TestFolder folder;
        setFixedNow(When);
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        p.dialogs.answer(MsgAnswer::No, SaveQuestion);
        p.frame->close(); // the frame window's own close runs the same shut-down
        QCOMPARE(p.ended, 0);
        QVERIFY(QDir(folder.path()).entryList({"*.TOF"}).isEmpty());
        QVERIFY(QFile::exists(folder.file("PersGeg.Txt")));
        VERIFY_DIALOGS(p.dialogs);
    }

    void cancelKeepsTheProgramRunning()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        p.dialogs.answer(MsgAnswer::Cancel, SaveQuestion);
        p.frame->close();
        QCOMPARE(p.ended, -1);
        QVERIFY(p.frame && p.frame->isLoaded() && p.frame->isVisible());
        QVERIFY(p.screen && p.screen->isLoaded());
        QCOMPARE(p.state().FormLevel, int16(1));
        QVERIFY(!QFile::exists(folder.file("PersGeg.Txt")));
        QCOMPARE(p.marks(), QStringList{"A"});

        // And Afsluiten, once more with Cancel.
        p.dialogs.answer(MsgAnswer::Cancel, SaveQuestion);
        p.frame->Afsluiten->trigger();
        QCOMPARE(p.ended, -1);
        VERIFY_DIALOGS(p.dialogs);
    }

    void aFailedSaveKeepsTheProgramRunning()
    {
        TestFolder folder;
        setFixedNow(When);
        QDir(folder.path()).mkdir("260305-1407.TOF"); // the date-stamped name cannot be written
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        p.dialogs.answer(MsgAnswer::Yes, SaveQuestion).answer(MsgAnswer::OK);
        p.frame->Afsluiten->trigger();
        QVERIFY(p.dialogs.shown.last().prompt.startsWith("De tekeningen zijn niet opgeslagen !"));
        QCOMPARE(p.ended, -1);
        QVERIFY(p.screen && p.screen->isLoaded());
        QVERIFY(!QFile::exists(folder.file("PersGeg.Txt")));
        VERIFY_DIALOGS(p.dialogs);
    }

    void browsingAnUnchangedProjectAsksNothing()
    {
        TestFolder folder;
        setFixedNow(When);
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        p.newMark("B");
        p.dialogs.answer(MsgAnswer::OK); // "De tekeningen zijn opgeslagen !"
        p.frame->Save->trigger();
        QVERIFY(!p.state().ProjectDirty);
        p.s().Command1[0]->click();
        p.s().Command1[3]->click();
        p.frame->Afsluiten->trigger();
        QCOMPARE(p.ended, 0);
        VERIFY_DIALOGS(p.dialogs);

        // A change typed on screen is found by the comparison with the saved project.
        Program q;
        QVERIFY(q.start());
        q.newMark("A");
        q.dialogs.answer(MsgAnswer::OK);
        q.frame->Save->trigger();
        q.s().Num1[0]->setValue(1250);
        q.dialogs.answer(MsgAnswer::No, SaveQuestion);
        q.frame->Afsluiten->trigger();
        QCOMPARE(q.ended, 0);
        VERIFY_DIALOGS(q.dialogs);
    }

    void leavingNeverRenamesAMark()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        p.s().Text1[0]->setFocus(Qt::MouseFocusReason);
        p.s().Text1[0]->setText("Q"); // typed, never looked up
        // Looked up as Tab would; refused, the close stops with the mark as it was.
        p.dialogs.answer(MsgAnswer::No, "Merk \"Q\" niet gevonden.\r\n\r\nWilt u een nieuw merk aanmaken ?");
        QTest::keyClick(p.s().Text1[0], Qt::Key_Escape);
        QCOMPARE(p.ended, -1);
        QCOMPARE(p.s().Text1[0]->text(), QString("A"));
        QString labelAtQuestion;
        p.dialogs.onNext([&] { labelAtQuestion = p.state().FrameRecords[0].Mark; }).answer(MsgAnswer::No, SaveQuestion);
        QTest::keyClick(p.s().Text1[0], Qt::Key_Escape);
        QCOMPARE(labelAtQuestion, QString("A"));
        QCOMPARE(p.ended, 0);
        VERIFY_DIALOGS(p.dialogs);
    }

    void theWindowsAboveCloseFirstWithTheirOwnWork()
    {
        TestFolder folder;
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        QStringList log;
        auto *above = new Above(log);
        above->load();
        QCOMPARE(above->levelTag(), QString("1"));
        p.dialogs.onNext([&] { log << "question"; }).answer(MsgAnswer::No, SaveQuestion);
        p.frame->Afsluiten->trigger();
        QCOMPARE(log, (QStringList{"above unloaded", "question"}));
        QCOMPARE(p.ended, 0);
        VERIFY_DIALOGS(p.dialogs);
    }

    void openAsksAboutUnsavedChangesFirst()
    {
        TestFolder folder;
        folder.write("Ander.tof", projectFile("K1", "Aannemer Bakker"));
        Program p;
        QVERIFY(p.start());
        p.newMark("A");

        // Cancel: no dialog, nothing changes.
        p.dialogs.answer(MsgAnswer::Cancel, SaveQuestion, "Zandrel tofmaar");
        p.frame->Openen->trigger();
        QCOMPARE(p.marks(), QStringList{"A"});
        QVERIFY(p.state().ProjectDirty);

        // No: the chosen file replaces the project.
        p.dialogs.answer(MsgAnswer::No, SaveQuestion).answerOpen({folder.file("Ander.tof")});
        p.frame->Openen->trigger();
        const FileDialogRequest &r = p.dialogs.shown.last().request;
        QCOMPARE(r.filter, (QStringList{"Zandrel Tofmaar bestand (*.tof)", "*.tof", "Alle bestanden(*.*)", "*.*"}));
        QCOMPARE(QDir(r.initialDir), QDir(folder.path()));
        QCOMPARE(p.marks(), QStringList{"K1"});
        QVERIFY(!p.state().ProjectDirty);
        QCOMPARE(p.s().Text1[0]->text(), QString("K1"));
        QCOMPARE(p.s().Text1[1]->text(), QString("Achterdeur"));
        QCOMPARE(p.s().Num1[1]->value(), 2300);
        QCOMPARE(p.s().Text1[3]->text(), QString("Aannemer Bakker"));
        QVERIFY(p.frame->Save->isEnabled());

        // An unchanged project is opened without a question.
        p.dialogs.answerOpen({folder.file("Ander.tof")});
        p.frame->Openen->trigger();
        VERIFY_DIALOGS(p.dialogs);
    }

    void aRefusedFileKeepsTheOpenProject()
    {
        TestFolder folder;
        folder.write("Kapot.tof", scrambled("#QV ZANDREL-TOFMAAR#") + "\r\n" + scrambled("rest") + "\r\n");
        Program p;
        QVERIFY(p.start());
        p.newMark("A", 1400, 1600);
        p.state().ProjectFileName = "eerder.TOF";
        p.dialogs.answer(MsgAnswer::No, SaveQuestion)
            .answerOpen({folder.file("Kapot.tof")})
            .answer(MsgAnswer::OK, "Ongeldig bestandsformaat !", "FOUTMELDING");
        p.frame->Openen->trigger();
        QCOMPARE(p.marks(), QStringList{"A"});
        QCOMPARE(p.state().FrameRecords[0].Width, int16(1400));
        QVERIFY(p.state().ProjectDirty);
        QCOMPARE(p.state().ProjectFileName, QString("eerder.TOF"));

        // A cancelled dialog changes nothing either.
        p.dialogs.answer(MsgAnswer::No, SaveQuestion).answerOpen({});
        p.frame->Openen->trigger();
        QCOMPARE(p.marks(), QStringList{"A"});
        VERIFY_DIALOGS(p.dialogs);
    }

    void saveAndSaveAsStoreTheScreenFirst()
    {
        TestFolder folder;
        setFixedNow(When);
        Program p;
        QVERIFY(p.start());
        p.newMark("A");
        p.s().Text1[1]->setText("Voordeur");
        p.dialogs.answer(MsgAnswer::OK, "De tekeningen zijn opgeslagen !\r\n\r\n"
                                            + QDir(folder.path()).absoluteFilePath("260305-1407.TOF"));
        p.frame->Save->trigger();
        QVERIFY(folder.read("260305-1407.TOF").contains("\r\n" + scrambled("Voordeur") + "\r\n"));
        QCOMPARE(p.state().SavedFrameRecords[0].Description, QString("Voordeur"));

        p.s().Text1[1]->setText("Achterdeur");
        const QString chosen = folder.file("Woning 3.tof");
        p.dialogs.answerSave(chosen).answer(MsgAnswer::OK, "De tekeningen zijn opgeslagen !\r\n\r\n" + chosen);
        p.frame->SaveAs->trigger();
        QVERIFY(folder.read("Woning 3.tof").contains("\r\n" + scrambled("Achterdeur") + "\r\n"));
        VERIFY_DIALOGS(p.dialogs);
    }

    // "Opslaan als..." onto a read-only project file in a folder the user may write: refused with the
    // reason, the file byte for byte as it was; for root as for an unprivileged user.
    void saveAsOntoAReadOnlyFileKeepsIt_data()
    {
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("root") << false;
        QTest::newRow("unprivileged user") << true;
    }
    void saveAsOntoAReadOnlyFileKeepsIt()
    {
        QFETCH(bool, asNobody);
        if (asNobody && ::geteuid() != 0) QSKIP("needs root to act as another user");
        TestFolder folder;
        const QByteArray old = projectFile("K1", "Aannemer Bakker");
        folder.write("Woning 3.tof", old);
        QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0777) == 0);
        if (asNobody) QVERIFY(::chown(QFile::encodeName(folder.file("Woning 3.tof")).constData(), 65534, 65534) == 0);
        QVERIFY(::chmod(QFile::encodeName(folder.file("Woning 3.tof")).constData(), 0444) == 0);
        {
            std::optional<AsNobody> nobody;
            if (asNobody) {
                nobody.emplace();
                if (!nobody->ok) QSKIP("cannot act as another user here");
            }
            Program p;
            QVERIFY(p.start());
            p.newMark("A");
            const QString chosen = folder.file("Woning 3.tof");
            p.dialogs.answerSave(chosen).answer(MsgAnswer::OK,
                                                "De tekeningen zijn niet opgeslagen !\r\n\r\n" + chosen
                                                    + "\r\n\r\nU heeft geen toestemming om hier te schrijven."
                                                      "\r\n(Permission denied)",
                                                "FOUTMELDING");
            p.frame->SaveAs->trigger();
            QCOMPARE(p.dialogs.shown.last().style, MsgStyle::Critical);
            QVERIFY(p.state().ProjectDirty);
            VERIFY_DIALOGS(p.dialogs);
        }
        QCOMPARE(folder.read("Woning 3.tof"), old);
        struct stat st;
        QVERIFY(::stat(QFile::encodeName(folder.file("Woning 3.tof")).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), 0444);
    }
};

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
