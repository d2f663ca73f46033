// PersGeg.Txt, the user's personal data: a file the program could not read whole is never
// overwritten, and a write that fails at the shut-down says so and leaves the old file whole.
#include "ProgramFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray Fields = "12345\r\nBouwbedrijf De Vries\r\nJan de Vries\r\nDorpsstraat 12\r\n1234 AB\r\n"
                          "Ergenshuizen\r\n0123-111222\r\n0123-111223\r\nNieuwbouw 8 woningen\r\n"
                          "jan@devries-bouw.example\r\nsmtp.devries-bouw.example\r\n";
const QString Keeping = "\r\n\r\nHet bestand wordt bij het afsluiten niet overschreven.";

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}
}

class TestPersonalData : public QObject {
    Q_OBJECT
private slots:
    void anUnreadableFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder of that name") << "folder" << "Is a directory";
        QTest::newRow("no read permission") << "mode 000" << "Permission denied";
        // Each of these held the start (in the open) or filled the memory.
        QTest::newRow("a FIFO") << "fifo" << "Dit is geen gewoon bestand";
        QTest::newRow("a link to /dev/zero") << "zero" << "Dit is geen gewoon bestand";
        QTest::newRow("over 64 MB") << "oversize" << "Het bestand is groter dan 64 MB";
    }
    void anUnreadableFileIsLeftAlone()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        if (kind == "mode 000" && ::geteuid() != 0) QSKIP("needs root to act as another user");
        TestFolder folder;
        const bool odd = kind == "fifo" || kind == "zero" || kind == "oversize";
        if (kind == "folder") {
            folder.write("PersGeg.Txt/binnen.txt", "x");
        } else if (odd) {
            QVERIFY(makeOddFile("PersGeg.Txt", kind));
        } else {
            folder.write("PersGeg.Txt", Fields + " 1\r\n");
            QVERIFY(::chmod(QFile::encodeName(folder.file("PersGeg.Txt")).constData(), 0) == 0);
            // Open to everyone: a shut-down that wrote anyway would replace the file.
            QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0777) == 0);
        }
        const QStringList before = entries(folder.path());
        {
            std::optional<AsNobody> nobody;
            if (kind == "mode 000") {
                nobody.emplace();
                if (!nobody->ok) QSKIP("cannot act as another user here");
            }
            Program p;
            p.dialogs.answer(MsgAnswer::OK, "PersGeg.Txt kan niet worden gelezen.\r\n(" + reason + ")" + Keeping,
                             "FOUTMELDING");
            QElapsedTimer clock;
            clock.start();
            QVERIFY(p.start());
            QVERIFY2(clock.elapsed() < 1000 || !odd, qPrintable(QString::number(clock.elapsed()) + " ms"));
            QCOMPARE(p.dialogs.shown.first().style, MsgStyle::Exclamation);
            for (int i = 2; i <= 12; ++i) QCOMPARE(p.s().Text1[i]->text(), QString());
            p.s().Text1[3]->setText("Nieuw bedrijf");
            QVERIFY(p.s().unload());
            QCOMPARE(p.ended, 0);
            VERIFY_DIALOGS(p.dialogs); // said once, at start
        }
        QCOMPARE(entries(folder.path()), before);
        struct stat st;
        if (kind == "folder") {
            QCOMPARE(folder.read("PersGeg.Txt/binnen.txt"), QByteArray("x"));
        } else if (odd) {
            QVERIFY(::lstat(QFile::encodeName(folder.file("PersGeg.Txt")).constData(), &st) == 0);
            QCOMPARE(S_ISFIFO(st.st_mode), kind == "fifo");
            QCOMPARE(S_ISLNK(st.st_mode), kind == "zero");
            QCOMPARE(qint64(st.st_size) > (qint64(64) << 20), kind == "oversize");
        } else {
            QVERIFY(::stat(QFile::encodeName(folder.file("PersGeg.Txt")).constData(), &st) == 0);
            QCOMPARE(int(st.st_mode & 07777), 0);
            QCOMPARE(folder.read("PersGeg.Txt"), Fields + " 1\r\n");
        }
    }

    // The project holds the personal data: a field goes in as it is left, the mail method as it is
    // chosen, and an opened project's data come onto the screen.
    void theScreenShowsAndEditsTheProjectsData()
    {
        TestFolder folder;
        folder.write("PersGeg.Txt", Fields + " 1\r\n");
        Program p;
        QVERIFY(p.start());
        QCOMPARE(p.state().Personal.Company, QString("Bouwbedrijf De Vries"));
        QCOMPARE(p.state().Personal.MailServer, QString("smtp.devries-bouw.example"));
        QCOMPARE(p.state().MailMethod, MailMethodKind::WinSock);

        p.newMark("A");
        p.s().Text1[3]->setFocus(Qt::MouseFocusReason);
        p.s().Text1[3]->setText("Bouw BV");
        QCOMPARE(p.state().Personal.Company, QString("Bouwbedrijf De Vries")); // not left yet
        p.s().Text1[4]->setFocus(Qt::TabFocusReason);
        QCOMPARE(p.state().Personal.Company, QString("Bouw BV"));
        p.s().Combo1[1]->setListIndex(2);
        QCOMPARE(p.state().MailMethod, MailMethodKind::Outlook);

        // A save takes what is typed but not yet left.
        p.s().Text1[4]->setText("Piet Bouw");
        const QString saved = p.saveThroughMenu();
        QCOMPARE(p.state().Personal.Contact, QString("Piet Bouw"));

        p.s().Text1[3]->setFocus(Qt::MouseFocusReason);
        p.s().Text1[3]->setText("Ander bedrijf");
        p.openThroughMenu(saved); // no save question: the marks are as saved
        QCOMPARE(p.s().Text1[3]->text(), QString("Bouw BV"));
        QCOMPARE(p.s().Text1[4]->text(), QString("Piet Bouw"));
        QCOMPARE(p.state().Personal.Company, QString("Bouw BV"));
        QCOMPARE(p.s().Combo1[1]->listIndex(), 2); // the mail method is no part of a project
        VERIFY_DIALOGS(p.dialogs);
    }

    void aFieldLongerThanItsInputIsNotCutAndWrittenBack()
    {
        TestFolder folder;
        QByteArray file = Fields + " 1\r\n";
        file.replace("Bouwbedrijf De Vries", QByteArray(32768, 'b'));
        folder.write("PersGeg.Txt", file);
        Program p;
        p.dialogs.answer(MsgAnswer::OK,
                         "Regel 2 van PersGeg.Txt is langer dan het invoerveld toelaat (32767 tekens)." + Keeping,
                         "FOUTMELDING");
        QVERIFY(p.start());
        QCOMPARE(p.s().Text1[4]->text(), QString("Jan de Vries"));
        QVERIFY(p.s().unload());
        VERIFY_DIALOGS(p.dialogs);
        QCOMPARE(folder.read("PersGeg.Txt"), file);

        // One character less fits, and is written back whole.
        file.replace(QByteArray(32768, 'b'), QByteArray(32767, 'b'));
        folder.write("PersGeg.Txt", file);
        Program again;
        QVERIFY(again.start());
        QVERIFY(again.s().unload());
        VERIFY_DIALOGS(again.dialogs);
        QCOMPARE(folder.read("PersGeg.Txt"), file);
    }

    // The shut-down still ends the program, but says that the data were not saved.
    void aFailedWriteAtShutDownKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("size"); // of the project description, to make the file small or large
        QTest::addColumn<QString>("reason");
        QTest::newRow("file-size limit") << "limit" << 3000 << "De schijf is vol.\r\n(File too large)";
        QTest::newRow("read-only folder")
            << "read-only" << 20 << "U heeft geen toestemming om hier te schrijven.\r\n(Operation not permitted)";
        QTest::newRow("write EIO") << "write" << 20 << "Het bestand kan niet worden geschreven.\r\n(Input/output error)";
        QTest::newRow("sync ENOSPC") << "sync" << 3000 << "De schijf is vol.\r\n(No space left on device)";
    }
    void aFailedWriteAtShutDownKeepsTheOldFile()
    {
        QFETCH(QString, fault);
        QFETCH(int, size);
        QFETCH(QString, reason);
        TestFolder folder;
        QByteArray file = Fields + " 1\r\n";
        file.replace("Nieuwbouw 8 woningen", QByteArray(size, 'n'));
        folder.write("PersGeg.Txt", file);
        Program p;
        QVERIFY(p.start());
        p.s().Text1[3]->setText("Nieuw bedrijf");
        p.dialogs.answer(MsgAnswer::OK,
                         "De persoonlijke gegevens zijn niet opgeslagen !\r\n\r\n" + folder.file("PersGeg.Txt") + "\r\n\r\n"
                             + reason,
                         "FOUTMELDING");
        const QStringList before = entries(folder.path());
        {
            WriteFault made(fault, folder.path());
            if (!made.active()) QSKIP("this fault cannot be made here");
            QVERIFY(p.s().unload());
        }
        VERIFY_DIALOGS(p.dialogs);
        QCOMPARE(p.dialogs.shown.last().style, MsgStyle::Exclamation);
        QCOMPARE(p.ended, 0);
        QCOMPARE(folder.read("PersGeg.Txt"), file);
        QCOMPARE(entries(folder.path()), before);
    }
};

QTEST_MAIN(TestPersonalData)
#include "tst_personaldata.moc"
