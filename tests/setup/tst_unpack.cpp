#include "Archive.h"
#include "SetupSandbox.h"
#include "setup/Unpack.h"

#include <QTest>

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
