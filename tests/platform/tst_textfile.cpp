#include "TestSupport.h"

#include "platform/RegularFile.h"
#include "platform/TextFile.h"

#include <QElapsedTimer>

#include <QDir>
#include <QFileInfo>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {
int modeOf(const char *path)
{
    struct stat st;
    return ::stat(path, &st) == 0 ? int(st.st_mode & 07777) : -1;
}
}

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void cp1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QString("Kozijn A-1") << QByteArray("Kozijn A-1");
        QTest::newRow("latin") << QString::fromUtf8("é ò õ ÿ") << QByteArray("\xE9 \xF2 \xF5 \xFF");
        QTest::newRow("euro and quotes") << QString::fromUtf8("€ „x“ – Ÿ") << QByteArray("\x80 \x84x\x93 \x96 \x9F");
        QTest::newRow("undefined bytes keep their code") << QString(QChar(0x81)) + QChar(0x9D) << QByteArray("\x81\x9D");
        QTest::newRow("controls") << QString("a\r\nb\tc") << QByteArray("a\r\nb\tc");
    }
    void cp1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toCp1252(text), bytes);
        QCOMPARE(fromCp1252(bytes), text);
    }

    void unmappableBecomesQuestionMark()
    {
        QCOMPARE(toCp1252(QString::fromUtf8("a中b")), QByteArray("a?b"));
        QCOMPARE(toCp1252(QString::fromUtf8("x😀y")), QByteArray("x?y")); // one character, one "?"
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("no final end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\nb\r\n") << QStringList{"a", "", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("1252") << QByteArray("Caf\xE9\r\n") << QStringList{QString::fromUtf8("Café")};
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TestFolder folder(false);
        folder.write("x.txt", bytes);
        const auto read = readTextLines("x.txt");
        QVERIFY(read.has_value());
        QCOMPARE(*read, lines);
    }

    void missingFileReadsAsNothing()
    {
        TestFolder folder(false);
        QVERIFY(!readTextLines("nope.txt").has_value());
    }

    // What is no regular file, or is larger than any file of ours, is refused at once with a reason:
    // a FIFO would hold the open until someone writes, /dev/zero would fill the memory.
    void oddFilesAreRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : OddFileKinds) QTest::newRow(kind) << QString(kind);
    }
    void oddFilesAreRefusedAtOnce()
    {
        QFETCH(QString, kind);
        TestFolder folder(false);
        QVERIFY(makeOddFile("x.txt", kind));
        QElapsedTimer clock;
        clock.start();
        QString error;
        QVERIFY(!readTextLines("x.txt", &error).has_value());
        QVERIFY(!error.isEmpty());
        QVERIFY(!readRegularFile("x.txt").has_value());
        QVERIFY(!regularFileReadable("x.txt"));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed()) + " ms"));
    }

    // The bound is the file's size, not its kind: a file of exactly the bound reads whole.
    void aFileOfTheBoundIsRead()
    {
        TestFolder folder(false);
        folder.write("x.txt", QByteArray(1000, 'a'));
        QCOMPARE(readRegularFile("x.txt", nullptr, 1000)->size(), 1000);
        QString error;
        QVERIFY(!readRegularFile("x.txt", &error, 999).has_value());
        QVERIFY(!error.isEmpty());
    }

    void findsNamesInAnyCase()
    {
        TestFolder folder(false);
        folder.write("Vormen/LMM.bmp", "x");
        folder.write("KozHout.txt", "x");
        QCOMPARE(findFile("Kozhout.TXT"), QDir::current().filePath("KozHout.txt"));
        QCOMPARE(findFile("vormen/lmm.BMP"), QDir::current().filePath("Vormen/LMM.bmp"));
        QCOMPARE(findFile("Vormen\\LMM.bmp"), QDir::current().filePath("Vormen/LMM.bmp"));
        QVERIFY(fileExists("KOZHOUT.TXT"));
        QVERIFY(!fileExists("Vormen"));
        QVERIFY(folderExists("VORMEN"));
        QVERIFY(findFile("Kleur.txt").isEmpty());
        QVERIFY(findFile("Vormen/MM.bmp").isEmpty());
    }

    void writesCrLfAnd1252()
    {
        TestFolder folder(false);
        QVERIFY(writeTextLines("out.txt", {QString::fromUtf8("één"), "", "b"}));
        QCOMPARE(folder.read("out.txt"), QByteArray("\xE9\xE9n\r\n\r\nb\r\n"));
    }

    void replacingKeepsTheModeAndFollowsALink()
    {
        TestFolder folder(false);
        folder.write("old.txt", "old");
        QVERIFY(::chmod("old.txt", 0640) == 0);
        QVERIFY(QFile::link("old.txt", "link.txt"));
        QVERIFY(writeTextLines("link.txt", {"new"}));
        QCOMPARE(folder.read("old.txt"), QByteArray("new\r\n"));
        QVERIFY(QFileInfo("link.txt").isSymLink());
        QCOMPARE(modeOf("old.txt"), 0640);

        const mode_t mask = ::umask(022);
        QVERIFY(writeTextLines("fresh.txt", {"x"}));
        ::umask(mask);
        QCOMPARE(modeOf("fresh.txt"), 0644);
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"fresh.txt", "link.txt", "old.txt"}));
    }

    // Every way a write can fail leaves the old file as it was, no temporary file, and a reason
    // the user can read. Real kernel errors where a test can make them; an injected EIO or ENOSPC
    // for the device faults.
    void failedWritesKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("reason");
        const QString full = "De schijf is vol.\r\n(";
        for (int size : {2000, 200000}) { // below and above the buffers of a file class
            const QByteArray n = QByteArray::number(size);
            QTest::newRow("file-size limit " + n) << "limit" << size << full + "File too large)";
            QTest::newRow("read-only folder " + n)
                << "read-only" << size << "U heeft geen toestemming om hier te schrijven.\r\n(Operation not permitted)";
            QTest::newRow("vanished folder " + n)
                << "vanished" << size << "De map bestaat niet (meer).\r\n(No such file or directory)";
            QTest::newRow("target is a folder " + n)
                << "folder" << size << "Het bestand kan niet worden geschreven.\r\n(Is a directory)";
            QTest::newRow("write EIO " + n)
                << "write" << size << "Het bestand kan niet worden geschreven.\r\n(Input/output error)";
            QTest::newRow("write gives 0 without errno " + n)
                << "write nothing" << size << "Het bestand kan niet worden geschreven.\r\n(Input/output error)";
            QTest::newRow("sync ENOSPC " + n) << "sync" << size << full + "No space left on device)";
        }
    }
    void failedWritesKeepTheOldFile()
    {
        QFETCH(QString, fault);
        QFETCH(int, size);
        QFETCH(QString, reason);
        TestFolder folder(false);
        const QByteArray old = "old contents\r\n";
        if (fault == "folder")
            QDir().mkpath("data/old.txt/inside");
        else
            folder.write("data/old.txt", old);
        QStringList lines;
        for (int i = 0; lines.size() * 10 < size; ++i) lines << QString("regel %1").arg(i, 3, 10, QChar('0'));
        const QString target = fault == "vanished" ? "data/gone/old.txt" : "data/old.txt";

        QString error;
        bool written = true;
        {
            WriteFault made(fault, folder.file("data"));
            if (!made.active()) QSKIP("this fault cannot be made here");
            written = writeTextLines(target, lines, &error);
        }

        QVERIFY(!written);
        QCOMPARE(error, reason);
        if (fault == "folder")
            QVERIFY(QFileInfo("data/old.txt/inside").isDir());
        else
            QCOMPARE(folder.read("data/old.txt"), old);
        QCOMPARE(QDir("data").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList("old.txt"));
    }

    // A file the user may not change stays as it is, also where the folder would let a new file be
    // renamed over it; read-only counts for root too. As root and as an unprivileged user.
    void filesTheUserMayNotChangeAreLeftAlone_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("asNobody");
        QTest::addColumn<bool>("nobodysFile");
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<bool>("written");
        QTest::newRow("read-only, root") << 0444 << false << false << false << false;
        QTest::newRow("read-only, own file of a user") << 0444 << true << true << false << false;
        QTest::newRow("the group may write, root") << 0464 << false << false << false << true;
        QTest::newRow("another user's file") << 0644 << true << false << false << false;
        QTest::newRow("read-only behind a link") << 0444 << false << false << true << false;
        QTest::newRow("writable, root") << 0644 << false << false << false << true;
        QTest::newRow("writable, own file of a user") << 0644 << true << true << false << true;
    }
    void filesTheUserMayNotChangeAreLeftAlone()
    {
        QFETCH(int, mode);
        QFETCH(bool, asNobody);
        QFETCH(bool, nobodysFile);
        QFETCH(bool, throughLink);
        QFETCH(bool, written);
        if (asNobody && ::geteuid() != 0) QSKIP("needs root to act as another user");
        TestFolder folder(false);
        const QByteArray old = "oud\r\n";
        folder.write("old.txt", old);
        if (throughLink) QVERIFY(QFile::link("old.txt", "link.txt"));
        QVERIFY(::chmod(".", 0777) == 0); // a folder everyone may write in
        if (nobodysFile) QVERIFY(::chown("old.txt", 65534, 65534) == 0);
        QVERIFY(::chmod("old.txt", mode_t(mode)) == 0);
        QString error;
        bool done = false;
        {
            std::optional<AsNobody> nobody;
            if (asNobody) {
                nobody.emplace();
                if (!nobody->ok) QSKIP("cannot act as another user here");
            }
            done = writeTextLines(throughLink ? "link.txt" : "old.txt", {"nieuw"}, &error);
        }
        QCOMPARE(done, written);
        QCOMPARE(error, written ? QString() : QString("U heeft geen toestemming om hier te schrijven.\r\n(Permission denied)"));
        QCOMPARE(folder.read("old.txt"), written ? QByteArray("nieuw\r\n") : old);
        QCOMPARE(modeOf("old.txt"), mode);
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 throughLink ? QStringList({"link.txt", "old.txt"}) : QStringList("old.txt"));
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
