#include "NotAFile.h"
#include "SetupSandbox.h"
#include "TestSupport.h"
#include "setup/Registry.h"
#include "setup/ShellLink.h"
#include "setup/SystemTools.h"

#include <QFileInfo>
#include <QTest>

class TestRegistry : public QObject {
    Q_OBJECT
private slots:
    // A store that cannot be written leaves no empty folders of its own in the home folder.
    void aStoreThatCannotBeWrittenLeavesNoFolder()
    {
        Sandbox box;
        const QStringList before = box.everything();
        {
            WriteFault full("sync", box.config());
            QVERIFY(full.active());
            QVERIFY(!RegWriteValue(HKEY_CURRENT_USER, "Software\\ZanTof", "AppPath", RegType::String, "/x"));
        }
        QCOMPARE(box.everything(), before);
        // A folder that was there stays.
        QDir().mkpath(box.config() + "/ZanTof");
        {
            WriteFault full("sync", box.config());
            QVERIFY(!RegWriteValue(HKEY_CURRENT_USER, "Software\\ZanTof", "AppPath", RegType::String, "/x"));
        }
        QVERIFY(QFileInfo(box.config() + "/ZanTof").isDir());
        QVERIFY(!QFileInfo::exists(box.config() + "/ZanTof/registry.json"));
    }

    void valuesKeepOrderAndSize()
    {
        Sandbox box;
        const QString key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZanTof";
        RegWriteValue(HKEY_CURRENT_USER, key, "DisplayName", RegType::String, "Zandrel Tofmaar 2.0");
        RegWriteValue(HKEY_CURRENT_USER, key, "UninstallString", RegType::String, "/home/jan/Zandrel Tofmaar/uninst");
        RegWriteValue(HKEY_CURRENT_USER, key, "AppPath", RegType::String, "/home/jan/Zandrel Tofmaar");
        RegWriteValue(HKEY_CURRENT_USER, key, "ShellLnkPath", RegType::String, "");
        QVERIFY(QFileInfo(box.config() + "/ZanTof/registry.json").isFile());

        const QList<RegValue> values = regKeyValues(HKEY_CURRENT_USER, key);
        QCOMPARE(values.size(), 4);
        const QStringList names{"DisplayName", "UninstallString", "AppPath", "ShellLnkPath"};
        const QList<int> sizes{20, 33, 26, 1};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(values[i].name, names[i]);
            QCOMPARE(values[i].type, RegType::String);
            QCOMPARE(values[i].size, sizes[i]);
        }
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, key, "AppPath"), QString("/home/jan/Zandrel Tofmaar"));
        // Key and value names are found without regard to case, as the registry finds them.
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, key.toLower(), "apppath"), QString("/home/jan/Zandrel Tofmaar"));
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, key, "ShellLnkPath"), QString());
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, key, "Missing"), QString());
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, "Software\\Other", "AppPath"), QString());

        // Longer than the old 500-byte buffer, with characters beyond one byte, and written over in place.
        const QString longPath = "/home/jan/" + QString(600, QChar(0x00eb));
        RegWriteValue(HKEY_CURRENT_USER, key, "AppPath", RegType::String, longPath);
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, key, "AppPath"), longPath);
        QCOMPARE(regKeyValues(HKEY_CURRENT_USER, key)[2].size, int(longPath.size()) + 1);
        QCOMPARE(regKeyValues(HKEY_CURRENT_USER, key).size(), 4);
    }

    void removingAKeyLeavesTheOthers()
    {
        Sandbox box;
        RegWriteValue(HKEY_CURRENT_USER, "Software\\A", "x", RegType::String, "1");
        RegWriteValue(HKEY_CURRENT_USER, "Software\\B", "y", RegType::String, "2");
        RegRemoveKey(HKEY_CURRENT_USER, "software\\a");
        QVERIFY(!regKeyExists(HKEY_CURRENT_USER, "Software\\A"));
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, "Software\\B", "y"), QString("2"));
        RegRemoveKey(HKEY_CURRENT_USER, "Software\\A"); // gone already: nothing happens
        QVERIFY(regKeyExists(HKEY_CURRENT_USER, "Software\\B"));
        QVERIFY(QFile::exists(box.config() + "/ZanTof/registry.json"));

        // The last key takes the file and its emptied folder along; the configuration folder stays.
        RegRemoveKey(HKEY_CURRENT_USER, "Software\\B");
        QVERIFY(!QFileInfo::exists(box.config() + "/ZanTof"));
        QVERIFY(QFileInfo(box.config()).isDir());
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, "Software\\B", "y"), QString());
    }

    // A file that is there but is no store reads as empty, and is never written over: the keys of
    // other programs in it would be lost. An empty file holds nothing to lose.
    void aDamagedFileReadsAsEmptyAndIsLeftAsItIs_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("folder"); // a folder where the file goes: it cannot be read
        QTest::newRow("no JSON") << QByteArray("{ not json") << false;
        QTest::newRow("cut off") << QByteArray("[{\"root\": \"HKEY_CURRENT_USER\", \"key\": \"Software\\\\B\"") << false;
        QTest::newRow("no array") << QByteArray("{\"root\": \"HKEY_CURRENT_USER\"}") << false;
        QTest::newRow("unreadable") << QByteArray() << true;
    }
    void aDamagedFileReadsAsEmptyAndIsLeftAsItIs()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        Sandbox box;
        if (folder) QDir().mkpath(registryFile());
        else writeFile(registryFile(), content);
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, "Software\\A", "x"), QString());
        QCOMPARE(regKeyExists(HKEY_CURRENT_USER, "Software\\A"), false);
        QCOMPARE(RegWriteValue(HKEY_CURRENT_USER, "Software\\A", "x", RegType::String, "1"), false);
        QCOMPARE(RegRemoveKey(HKEY_CURRENT_USER, "Software\\A"), false);
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, "Software\\A", "x"), QString());
        if (folder) QVERIFY(QFileInfo(registryFile()).isDir());
        else QCOMPARE(readFile(registryFile()), content);
    }

    // A FIFO, a link to /dev/zero or a file over the bound as the store, a menu entry or a version
    // note: read as a file that cannot be read, at once; the store is not written over.
    void theStoreAndTheNotesAreReadOnlyAsRegularFiles_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("over the bound") << "huge";
    }
    void theStoreAndTheNotesAreReadOnlyAsRegularFiles()
    {
        QFETCH(QString, what);
        Sandbox box;
        QDir().mkpath(QFileInfo(registryFile()).path());
        const QString entry = box.home() + "/a.desktop", program = box.home() + "/libx.so";
        writeFile(program, "x");
        for (const QString &path : {registryFile(), entry, versionFileOf(program)}) putInTheWay(path, what);
        bool written = true;
        int found = 1;
        short major = 7, minor = 7, build = 7, revision = 7;
        QVERIFY(endsWithin(1000, [&] {
            QCOMPARE(RegReadString(HKEY_CURRENT_USER, "Software\\A", "x"), QString());
            written = RegWriteValue(HKEY_CURRENT_USER, "Software\\A", "x", RegType::String, "1");
            QString exe, dir, args, icon;
            int index = 0, show = 0;
            found = cShellLink().GetShellLinkInfo(entry, exe, dir, args, icon, index, show);
            GetFileVersionParts(program, major, minor, build, revision);
        }));
        QVERIFY(!written);
        QCOMPARE(found, 0);
        QCOMPARE(major + minor + build + revision, 28); // the caller's values stay
        QVERIFY(what == "huge" ? QFileInfo(registryFile()).size() > (qint64(64) << 20) : !QFileInfo(registryFile()).isFile());
    }

    void anEmptyFileIsAnEmptyStore()
    {
        Sandbox box;
        writeFile(registryFile(), "");
        QCOMPARE(RegRemoveKey(HKEY_CURRENT_USER, "Software\\A"), true);
        QVERIFY(RegWriteValue(HKEY_CURRENT_USER, "Software\\A", "x", RegType::String, "1"));
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, "Software\\A", "x"), QString("1"));
    }
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
