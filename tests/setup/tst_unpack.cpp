#include "Archive.h"
#include "NotAFile.h"
#include "SetupSandbox.h"
#include "TreeState.h"
#include "setup/Unpack.h"

#include <QSemaphore>
#include <QProcess>
#include <QTest>
#include <thread>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QList<Item> Good = {
    {"Basis.TXT", "Timmerfabriek\r\n"},
    {"ICO/", {}, S_IFDIR | 0755},
    {"ICO/ZanTof.ico", "icon"},
    {"ZanTof", "#!/bin/sh\n", S_IFREG | 0755},
    {"SYS/libztshare.so", "lib", S_IFREG | 0644, false}, // from a system that keeps no modes
    {"Vormen/diep/K.bmp", "bmp"},                         // folders only implied
};
}

class TestUnpack : public QObject {
    Q_OBJECT
private slots:
    void unpacksEverythingWithItsModes()
    {
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip", target = box.home() + "/Zandrel Tofmaar";
        QVERIFY(makeArchive(archive, Good));
        QDir().mkpath(target);
        writeFile(target + "/ZanTof", "old program"); // an earlier installation is replaced
        QList<int> progress;
        const UnpackOutcome out = unpackArchive(archive, target, [&](int p) { progress << p; });
        QCOMPARE(out.result, 0);
        QCOMPARE(out.files, QStringList({"Basis.TXT", "ICO/ZanTof.ico", "ZanTof", "SYS/libztshare.so", "Vormen/diep/K.bmp"}));
        // The program was there already: it is replaced, not made.
        QCOMPARE(out.created, QStringList({"Basis.TXT", "ICO/ZanTof.ico", "SYS/libztshare.so", "Vormen/diep/K.bmp"}));
        QCOMPARE(out.createdFolders,
                 QStringList({target + "/ICO", target + "/SYS", target + "/Vormen", target + "/Vormen/diep"}));
        QCOMPARE(progress, QList<int>({16, 33, 50, 66, 83, 100}));
        QCOMPARE(readFile(target + "/Basis.TXT"), QByteArray("Timmerfabriek\r\n"));
        QCOMPARE(readFile(target + "/ZanTof"), QByteArray("#!/bin/sh\n"));
        QCOMPARE(readFile(target + "/Vormen/diep/K.bmp"), QByteArray("bmp"));
        QVERIFY(QFileInfo(target + "/ZanTof").isExecutable());
        QVERIFY(!QFileInfo(target + "/Basis.TXT").isExecutable());
        QVERIFY(!QFileInfo(target + "/SYS/libztshare.so").isExecutable());
        QVERIFY(QFileInfo(target + "/SYS/libztshare.so").isReadable());
    }

    void hostileArchivesWriteNothing_data()
    {
        QTest::addColumn<Item>("bad");
        QTest::newRow("parent folder") << Item{"../evil.txt", "x"};
        QTest::newRow("parent deeper") << Item{"ICO/../../evil.txt", "x"};
        QTest::newRow("absolute") << Item{"/tmp/evil.txt", "x"};
        QTest::newRow("backslash") << Item{"..\\evil.txt", "x"};
        QTest::newRow("symbolic link") << Item{"link", "../../..", S_IFLNK | 0777};
        QTest::newRow("device") << Item{"dev", "", S_IFCHR | 0666};
        QTest::newRow("fifo") << Item{"fifo", "", S_IFIFO | 0666};
        // Each would be a line or two of the file list that does not name it.
        QTest::newRow("line break") << Item{"Projecten\nPersGeg.Txt", "x"};
        QTest::newRow("carriage return") << Item{"ICO/a\r", "x"};
        QTest::newRow("tab") << Item{"a\tb.txt", "x"};
        QTest::newRow("delete") << Item{"a\x7f.txt", "x"};
    }
    void hostileArchivesWriteNothing()
    {
        QFETCH(Item, bad);
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip", target = box.home() + "/t/Zandrel Tofmaar";
        QList<Item> items = Good;
        items.insert(2, bad); // after entries that would already have been written
        QVERIFY(makeArchive(archive, items));
        QDir().mkpath(target);
        const QStringList before = box.everything();
        const UnpackOutcome out = unpackArchive(archive, target);
        QCOMPARE(out.result, int(UnpackResult::UnsafeEntry));
        QCOMPARE(box.everything(), before);
        QVERIFY(out.files.isEmpty());
    }

    void aLinkAlreadyInTheTargetIsNotFollowed()
    {
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip", target = box.home() + "/t";
        QVERIFY(makeArchive(archive, Good));
        QDir().mkpath(target);
        QDir().mkpath(box.root() + "/elders");
        QVERIFY(QFile::link(box.root() + "/elders", target + "/ICO"));
        QCOMPARE(unpackArchive(archive, target).result, int(UnpackResult::UnsafeEntry));
        QVERIFY(QDir(box.root() + "/elders").isEmpty());
        QVERIFY(!QFile::exists(target + "/Basis.TXT"));
    }

    void aDamagedEntryIsFound()
    {
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip";
        const QByteArray content = "Dit is de inhoud van een catalogusbestand, groot genoeg om te vinden.";
        QVERIFY(makeArchive(archive, {{"Basis.TXT", content}}));
        QByteArray bytes = readFile(archive);
        const qsizetype at = bytes.indexOf(content);
        QVERIFY(at > 0);
        bytes[at + 10] = 'X'; // the stored bytes no longer match their CRC
        writeFile(archive, bytes);
        QCOMPARE(unpackArchive(archive, box.home() + "/t").result, int(UnpackResult::Damaged));
    }

    void whatIsNoArchive()
    {
        Sandbox box;
        writeFile(box.root() + "/text.zip", "no archive");
        QCOMPARE(unpackArchive(box.root() + "/text.zip", box.home()).result, int(UnpackResult::CannotOpen));
        QCOMPARE(unpackArchive(box.root() + "/missing.zip", box.home()).result, int(UnpackResult::CannotOpen));
    }

    void aTargetThatRefusesFiles()
    {
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip";
        QVERIFY(makeArchive(archive, Good));
        writeFile(box.home() + "/plainfile", "x");
        QCOMPARE(unpackArchive(archive, box.home() + "/plainfile/t").result, int(UnpackResult::CannotWrite));
    }

    // An existing link where an entry goes, or a name Qt would read as a resource path: refused before
    // anything is written, and nothing anywhere changes, the current folder included.
    void neverWritesOutsideTheTarget_data()
    {
        QTest::addColumn<QString>("link");  // what the target holds beforehand
        QTest::addColumn<QString>("extra"); // an entry added to a good archive
        QTest::addColumn<QString>("entry"); // the entry named in the refusal
        QTest::addColumn<int>("problem");
        const int inTarget = int(UnpackProblem::LinkInTarget), outside = int(UnpackProblem::OutsidePath);
        QTest::newRow("a file link to a file elsewhere") << "file" << "" << "Basis.TXT" << inTarget;
        QTest::newRow("a dangling link") << "dangling" << "" << "ZanTof" << inTarget;
        QTest::newRow(":evil.txt") << "" << ":evil.txt" << ":evil.txt" << outside;
        QTest::newRow(":dir/inner.txt") << "" << ":dir/inner.txt" << ":dir/inner.txt" << outside;
        QTest::newRow(":/outside.txt") << "" << ":/outside.txt" << ":/outside.txt" << outside;
    }
    void neverWritesOutsideTheTarget()
    {
        QFETCH(QString, link);
        QFETCH(QString, extra);
        QFETCH(QString, entry);
        QFETCH(int, problem);
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip", target = box.home() + "/t";
        QList<Item> items = Good;
        if (!extra.isEmpty()) items.insert(3, Item{extra, "kwaad"});
        QVERIFY(makeArchive(archive, items));
        QDir().mkpath(target);
        writeFile(box.root() + "/elders/victim.txt", "van de gebruiker");
        if (link == "file") QVERIFY(QFile::link(box.root() + "/elders/victim.txt", target + "/Basis.TXT"));
        if (link == "dangling") QVERIFY(QFile::link("../planted", target + "/ZanTof"));
        const QString cwd = box.root() + "/cwd", previous = QDir::currentPath();
        QDir().mkpath(cwd);
        QVERIFY(QDir::setCurrent(cwd));
        const TreeState before = treeState(box.root());

        const UnpackOutcome checked = checkArchive(archive);
        const UnpackOutcome out = unpackArchive(archive, target);
        QDir::setCurrent(previous);
        // Only the link depends on the target: the name is refused by the archive check already.
        QCOMPARE(checked.result, int(link.isEmpty() ? UnpackResult::UnsafeEntry : UnpackResult::Done));
        QCOMPARE(out.result, int(UnpackResult::UnsafeEntry));
        QCOMPARE(out.entry, entry);
        QCOMPARE(int(out.problem), problem);
        QVERIFY(out.files.isEmpty());
        QCOMPARE(treeState(box.root()), before);
        QVERIFY(QDir(cwd).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System));
        QVERIFY(!QFileInfo::exists(box.home() + "/planted"));
        QCOMPARE(readFile(box.root() + "/elders/victim.txt"), QByteArray("van de gebruiker"));
        QVERIFY(!QFileInfo(box.root() + "/elders/victim.txt").isExecutable());
    }

    // The check at start reads every entry back and names the first one that fails, with the reason.
    void theCheckNamesTheEntryAndTheReason_data()
    {
        QTest::addColumn<QList<Item>>("items");
        QTest::addColumn<QString>("damage"); // stored bytes to spoil, so that their CRC fails
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        const QByteArray long1 = "Kozijnhout, meranti, 67 x 114, de standaard voor dit werk.";
        QTest::newRow("whole") << Good << "" << 0 << "";
        QTest::newRow("damaged") << QList<Item>{{"Basis.TXT", "Timmerfabriek"}, {"ICO/Kozhout.TXT", long1}} << QString(long1)
                                 << 3 << "het onderdeel \"ICO/Kozhout.TXT\" kan niet worden gelezen";
        QTest::newRow("parent folder") << QList<Item>{{"Basis.TXT", "x"}, {"../buiten.txt", "x"}} << "" << 2
                                       << "het onderdeel \"../buiten.txt\" zou buiten de doelmap terechtkomen";
        QTest::newRow("link") << QList<Item>{{"ICO", "/etc", S_IFLNK | 0777}} << "" << 2
                              << "het onderdeel \"ICO\" is een symbolische koppeling";
        QTest::newRow("device") << QList<Item>{{"dev", "", S_IFBLK | 0666}} << "" << 2
                                << "het onderdeel \"dev\" is geen gewoon bestand of map";
        QTest::newRow("no archive") << QList<Item>{} << "" << 1 << "het is geen zip-archief of het kan niet worden gelezen";
        QTest::newRow("line break") << QList<Item>{{"Basis.TXT", "x"}, {"Projecten\nPersGeg.Txt", "x"}} << "" << 2
                                    << "het onderdeel \"Projecten?PersGeg.Txt\" heeft een stuurteken (zoals een regeleinde) in zijn naam";
    }
    void theCheckNamesTheEntryAndTheReason()
    {
        QFETCH(QList<Item>, items);
        QFETCH(QString, damage);
        QFETCH(int, result);
        QFETCH(QString, text);
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip";
        if (items.isEmpty()) writeFile(archive, "PK\x03\x04 but no archive");
        else QVERIFY(makeArchive(archive, items));
        if (!damage.isEmpty()) {
            QByteArray bytes = readFile(archive);
            const qsizetype at = bytes.indexOf(damage.toUtf8());
            QVERIFY(at > 0);
            bytes[at + 5] = '#';
            writeFile(archive, bytes);
        }
        const TreeState before = treeState(box.root());
        const UnpackOutcome checked = checkArchive(archive);
        QCOMPARE(checked.result, result);
        QCOMPARE(unpackProblemText(checked), text);
        QCOMPARE(treeState(box.root()), before); // a check writes nothing
    }

    // What is in the way in the target stops the unpack at that entry; what came before stays listed,
    // and no half-written file is left.
    void whatIsInTheWayStopsAtItsEntry_data()
    {
        QTest::addColumn<QString>("inTheWay");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("a file where a folder belongs")
            << "ICO" << "ICO/" << "het onderdeel \"ICO/\" kan niet worden geschreven: op de plaats van een map staat een bestand"
            << QStringList{"Basis.TXT"};
        QTest::newRow("a folder where a file belongs")
            << "ZanTof/" << "ZanTof"
            << "het onderdeel \"ZanTof\" kan niet worden geschreven: op de plaats van het bestand staat een map"
            << QStringList{"Basis.TXT", "ICO/ZanTof.ico"};
    }
    void whatIsInTheWayStopsAtItsEntry()
    {
        QFETCH(QString, inTheWay);
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(QStringList, written);
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip", target = box.home() + "/nieuw/t";
        QVERIFY(makeArchive(archive, Good));
        if (inTheWay.endsWith('/')) QDir().mkpath(target + "/" + inTheWay);
        else writeFile(target + "/" + inTheWay, "in de weg");
        const UnpackOutcome out = unpackArchive(archive, target);
        QCOMPARE(out.result, int(UnpackResult::CannotWrite));
        QCOMPARE(out.entry, entry);
        QCOMPARE(unpackProblemText(out), text);
        QCOMPARE(out.files, written);
        QCOMPARE(out.created, written);
        QStringList present{QString(inTheWay).remove('/')};
        for (const QString &name : written) present << name.section('/', 0, 0);
        present.removeDuplicates();
        present.sort();
        QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name), present);
    }

    // A paused unpack writes nothing until it resumes; a stopped one ends between files and leaves
    // what it wrote on its list, and no part of a file.
    void pauseAndStop()
    {
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip", target = box.home() + "/t";
        QVERIFY(makeArchive(archive, Good));
        QDir().mkpath(target);
        UnpackControl paused;
        paused.pause();
        UnpackOutcome out;
        // The worker says when the pause holds it; no file is synced while it is held (a wait that is
        // cut short by a busy machine can only miss a fault, never invent one).
        QSemaphore held, synced;
        setUnpackHeldHook([&] { held.release(); });
        setUnpackSyncHook([&](int fd) {
            synced.release();
            return ::fdatasync(fd);
        });
        std::thread worker([&] { out = unpackArchive(archive, target, {}, &paused); });
        const bool wasHeld = held.tryAcquire(1, 60000);
        const bool syncedWhileHeld = synced.tryAcquire(1, 200);
        const bool empty = QDir(target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        paused.resume();
        worker.join();
        setUnpackHeldHook(nullptr);
        setUnpackSyncHook(nullptr);
        QVERIFY(wasHeld);
        QVERIFY(!syncedWhileHeld);
        QVERIFY(empty);
        QCOMPARE(out.result, 0);
        QCOMPARE(out.files.size(), 5);

        const QString second = box.home() + "/t2";
        UnpackControl control;
        QStringList told;
        out = unpackArchive(archive, second, {}, &control, [&](const QString &name) {
            told << name;
            if (told.size() == 2) control.stop();
        });
        QCOMPARE(out.result, int(UnpackResult::Stopped));
        QCOMPARE(out.files, QStringList({"Basis.TXT", "ICO/ZanTof.ico"}));
        QCOMPARE(told, out.files);
        QCOMPARE(out.createdFolders, QStringList({second, second + "/ICO"}));
        QCOMPARE(QDir(second).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
                 QStringList({"Basis.TXT", "ICO"}));
    }

    void theFileListGrowsOneNameAtATime()
    {
        Sandbox box;
        const QString list = box.home() + "/uninst.lst";
        QVERIFY(appendToFileList(list, "ZanTof"));
        QVERIFY(appendToFileList(list, "Vormen/K;;1;S.bmp"));
        QCOMPARE(readFile(list), QByteArray("ZanTof\nVormen/K;;1;S.bmp\n"));
        QVERIFY(QFile::link(box.root() + "/elders.lst", box.home() + "/link.lst"));
        QVERIFY(!appendToFileList(box.home() + "/link.lst", "ZanTof")); // not written through a link
        QVERIFY(!QFileInfo::exists(box.root() + "/elders.lst"));
    }

    // A link counts on the way to a name, and as the name itself only when that is asked; a plain
    // folder or a name not there yet is no link.
    void linksOnTheWay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("itself");
        QTest::addColumn<bool>("link");
        QTest::newRow("plain folder") << "echt/a.txt" << true << false;
        QTest::newRow("not there yet") << "nieuw/diep/a.txt" << true << false;
        QTest::newRow("folder is a link") << "koppeling/a.txt" << false << true;
        QTest::newRow("deeper folder is a link") << "echt/binnen/a.txt" << false << true;
        QTest::newRow("the name is a link, not asked") << "echt/bestand" << false << false;
        QTest::newRow("the name is a link, asked") << "echt/bestand" << true << true;
        QTest::newRow("a folder entry that is a link") << "koppeling/" << true << true;
    }
    void linksOnTheWay()
    {
        QFETCH(QString, name);
        QFETCH(bool, itself);
        QFETCH(bool, link);
        Sandbox box;
        const QString target = box.home() + "/doel";
        QVERIFY(QDir().mkpath(target + "/echt"));
        QVERIFY(QDir().mkpath(box.root() + "/elders"));
        QVERIFY(QFile::link(box.root() + "/elders", target + "/koppeling"));
        QVERIFY(QFile::link(box.root() + "/elders", target + "/echt/binnen"));
        QVERIFY(QFile::link(box.root() + "/elders/x", target + "/echt/bestand"));
        QCOMPARE(linkOnTheWay(target, name, itself), link);
    }

    // The lists are read as setup writes them: LF or CR LF, and a line no name of setup's could be is
    // left out; a name that could not be one line is never written.
    void theFileListReadsAsSetupWritesIt()
    {
        Sandbox box;
        const QString list = box.home() + "/uninst.lst";
        writeFile(list, "ZanTof\r\nIMG/10.ico\r\n\r\nPlaat\x01je\nICO/ZanTof.ico\nlaatste");
        QCOMPARE(readFileList(list).value(), QStringList({"ZanTof", "IMG/10.ico", "ICO/ZanTof.ico", "laatste"}));
        QVERIFY(!writeFileList(list, {"ZanTof", "Projecten\nPersGeg.Txt"}));
        QVERIFY(!appendToFileList(list, "Projecten\nPersGeg.Txt"));
        QVERIFY(!appendToFileList(list, "tab\t"));
        QCOMPARE(readFileList(list).value(), QStringList({"ZanTof", "IMG/10.ico", "ICO/ZanTof.ico", "laatste"}));
    }

    // A FIFO, a link to /dev/zero or a file over the bound where a list or the archive should be: no
    // list and no archive, at once; an append to such a list fails and leaves it as it is.
    void whatIsNoRegularFileIsNotReadAndNothingWaits_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("over the bound") << "huge";
    }
    void whatIsNoRegularFileIsNotReadAndNothingWaits()
    {
        QFETCH(QString, what);
        Sandbox box;
        const QString list = box.home() + "/uninst.lst", archive = box.home() + "/ZanTof.zip";
        putInTheWay(list, what);
        putInTheWay(archive, what);
        bool listRead = true;
        int checked = -1, unpacked = -1;
        QVERIFY(endsWithin(1000, [&] {
            listRead = readFileList(list).has_value();
            checked = checkArchive(archive).result;
            unpacked = unpackArchive(archive, box.home() + "/doel").result;
        }));
        QVERIFY(!listRead);
        QCOMPARE(checked, int(UnpackResult::CannotOpen));
        QCOMPARE(unpacked, int(UnpackResult::CannotOpen));
        bool appended = true;
        QVERIFY(endsWithin(1000, [&] { appended = appendToFileList(list, "ZanTof"); }));
        QCOMPARE(appended, what == "huge"); // that one is a regular file all the same
    }

    // Every unpacked file's data reaches the disk before it is renamed into place: one sync each.
    void everyUnpackedFileIsSynced()
    {
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip", target = box.home() + "/doel";
        QVERIFY(makeArchive(archive, Good));
        QStringList synced;
        setUnpackSyncHook([&](int fd) {
            char link[4096];
            const ssize_t n = ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), link, sizeof link);
            synced << QFileInfo(QString::fromLocal8Bit(link, int(qMax(ssize_t(0), n)))).fileName();
            return ::fdatasync(fd);
        });
        const UnpackOutcome out = unpackArchive(archive, target);
        setUnpackSyncHook(nullptr);
        QCOMPARE(out.result, 0);
        QCOMPARE(synced.size(), out.files.size());
        for (const QString &name : synced) QVERIFY2(isSetupTemporary(name), qPrintable(name)); // before the rename
    }

    // What a killed setup leaves is one pattern, and only that goes, only in the package's folders.
    void theTemporariesOfAKilledSetupGo()
    {
        Sandbox box;
        const QString target = box.home() + "/doel", elsewhere = box.root() + "/elders";
        const QStringList leftovers = {".zantof-Ab12Cd", "IMG/.zantof-XXXXXX", "Vormen/diep/.zantof-000000"};
        const QStringList kept = {".zantof-abc", ".zantof-Ab12Cd7", "zantof-Ab12Cd", "Eigen/.zantof-Ab12Cd", "IMG/eigen.ico",
                                  "ICO/.zantof-Ab12Cd/x"};
        for (const QString &name : leftovers + kept) writeFile(target + "/" + name, "x");
        writeFile(elsewhere + "/.zantof-Ab12Cd", "x");
        QVERIFY(QFile::link(elsewhere, target + "/SYS"));                             // not through a link
        QVERIFY(QFile::link(elsewhere + "/.zantof-Ab12Cd", target + "/IMG/.zantof-Link12")); // a link is not one
        removeSetupTemporaries(target, {"ZanTof", "IMG/10.ico", "ICO/", "Vormen/diep/K.bmp", "SYS/libztshare.so", "../elders/x"});
        for (const QString &name : leftovers) QVERIFY2(!QFileInfo::exists(target + "/" + name), qPrintable(name));
        for (const QString &name : kept) QVERIFY2(QFileInfo::exists(target + "/" + name), qPrintable(name));
        QVERIFY(QFileInfo::exists(elsewhere + "/.zantof-Ab12Cd"));
        QVERIFY(QFileInfo(target + "/IMG/.zantof-Link12").isSymLink());
    }

    // A setup killed (SIGKILL) as it syncs an entry leaves its temporary file; the next unpack into that
    // folder removes it, and only that.
    void aKilledUnpackLeavesNothingAfterTheNext()
    {
        Sandbox box;
        const QString archive = box.root() + "/ZanTof.zip", target = box.home() + "/doel";
        QVERIFY(makeArchive(archive, {{"Basis.TXT", "x"}, {"IMG/groot.ico", QByteArray(300000, 'i')}}));
        writeFile(target + "/IMG/eigen.ico", "mine");
        QProcess setup;
        setup.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        setup.start(UNPACK_PAUSED, {archive, target});
        QVERIFY(setup.waitForStarted(10000));
        // It says when it stops for good, its temporary file in place.
        QVERIFY(setup.waitForReadyRead(60000));
        QCOMPARE(setup.readLine().trimmed(), QByteArray("held"));
        const QStringList left = QDir(target + "/IMG").entryList({".zantof-*"}, QDir::Files | QDir::Hidden);
        QCOMPARE(left.size(), 1);
        ::kill(pid_t(setup.processId()), SIGKILL);
        QVERIFY(setup.waitForFinished(10000));
        QCOMPARE(setup.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFileInfo::exists(target + "/IMG/" + left[0]));
        QVERIFY(isSetupTemporary(left[0]));

        const UnpackOutcome again = unpackArchive(archive, target);
        QCOMPARE(again.result, 0);
        QCOMPARE(QDir(target + "/IMG").entryList(QDir::Files | QDir::Hidden), QStringList({"eigen.ico", "groot.ico"}));
    }

    // A setup killed as it puts one of its lists in place leaves a temporary file of setup's one
    // pattern, which the next setup into that folder removes.
    void aKilledListWriteLeavesOnlyWhatTheNextRemoves()
    {
        Sandbox box;
        const QString target = box.home() + "/doel";
        QDir().mkpath(target);
        QProcess writer;
        writer.start(LIST_PAUSED, {target + "/uninst.lst"});
        QVERIFY(writer.waitForStarted(10000));
        QVERIFY(writer.waitForReadyRead(60000)); // it is in the rename now
        const QString temporary = QString::fromLocal8Bit(writer.readLine()).trimmed();
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(10000));
        const QStringList left = QDir(target).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left.size(), 1);
        QCOMPARE(target + "/" + left[0], temporary);
        QVERIFY2(isSetupTemporary(left[0]), qPrintable(left[0]));
        removeSetupTemporaries(target, {"ZanTof"});
        QVERIFY(QDir(target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    void theFileList()
    {
        Sandbox box;
        const QString list = box.home() + "/uninst.lst";
        QVERIFY(writeFileList(list, {"ZanTof", "Vormen/K;;1;S.bmp", "IMG/één.ico"}));
        QCOMPARE(readFileList(list).value(), QStringList({"ZanTof", "Vormen/K;;1;S.bmp", "IMG/één.ico"}));
        QVERIFY(!readFileList(box.home() + "/none.lst").has_value());
    }
};

QTEST_MAIN(TestUnpack)
#include "tst_unpack.moc"
