#include "SetupSandbox.h"
#include "TestSupport.h"
#include "setup/SystemTools.h"

#include <QFileInfo>
#include <QTemporaryDir>

class TestSystemTools : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setSystemVersionSource(nullptr); }

    void newerFileVersion_data()
    {
        QTest::addColumn<QString>("newVersion"); // "" for a file without a version, "-" for no file
        QTest::addColumn<QString>("oldVersion");
        QTest::addColumn<bool>("newer");
        QTest::newRow("1.0.0.0 always") << "1.0.0.0" << "9.9.9.9" << true;
        QTest::newRow("equal") << "2.0.3.4" << "2.0.3.4" << false;
        QTest::newRow("higher build") << "2.0.4.0" << "2.0.3.9" << true;
        QTest::newRow("lower revision") << "2.0.3.3" << "2.0.3.4" << false;
        QTest::newRow("1.2 against 1.10") << "1.2.0.0" << "1.10.0.0" << false;
        QTest::newRow("1.10 against 1.2") << "1.10.0.0" << "1.2.0.0" << true;
        QTest::newRow("40000 reads negative") << "1.40000.0.0" << "1.1.0.0" << false;
        QTest::newRow("40000 below 40001") << "1.40001.0.0" << "1.40000.0.0" << true;
        QTest::newRow("no old file") << "0.0.0.1" << "-" << true;
        QTest::newRow("old file unversioned") << "0.0.0.1" << "" << true;
        QTest::newRow("new file unversioned") << "" << "0.0.0.1" << false;
        QTest::newRow("note not four parts") << "3.1.2" << "0.0.0.1" << false;
        QTest::newRow("part above 65535") << "70000.0.0.0" << "0.0.0.1" << false;
        QTest::newRow("no new file") << "-" << "0.0.0.1" << false;
    }
    void newerFileVersion()
    {
        QFETCH(QString, newVersion);
        QFETCH(QString, oldVersion);
        QFETCH(bool, newer);
        QTemporaryDir dir;
        auto make = [&](const QString &name, const QString &version) {
            if (version == "-") return;
            writeFile(dir.filePath(name), "library");
            if (!version.isEmpty()) writeFile(versionFileOf(dir.filePath(name)), version.toLatin1() + "\n");
        };
        make("new.so", newVersion);
        make("old.so", oldVersion);
        QCOMPARE(IsNewerFileVersion(dir.filePath("new.so"), dir.filePath("old.so")), newer);
    }

    void versionPartsKeepTheCallersValuesWithoutANote()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("plain.so"), "x");
        short a = 7, b = 8, c = 9, d = 10;
        GetFileVersionParts(dir.filePath("plain.so"), a, b, c, d);
        QCOMPARE(QList<short>({a, b, c, d}), QList<short>({7, 8, 9, 10}));
        writeFile(versionFileOf(dir.filePath("plain.so")), "65535.32768.1.0");
        GetFileVersionParts(dir.filePath("plain.so"), a, b, c, d);
        QCOMPARE(QList<short>({a, b, c, d}), QList<short>({-1, -32768, 1, 0}));
    }

    void versionFlags_data()
    {
        QTest::addColumn<int>("platform");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("flags"); // N(T), 2(000), X(P), V(ista or later)
        QTest::newRow("old family") << 1 << 4 << 10 << "";
        QTest::newRow("unknown platform") << 3 << 6 << 0 << "";
        QTest::newRow("NT 4.0") << 2 << 4 << 0 << "N";
        QTest::newRow("5.0") << 2 << 5 << 0 << "N2";
        QTest::newRow("5.1") << 2 << 5 << 1 << "NX";
        QTest::newRow("5.2") << 2 << 5 << 2 << "NX";
        QTest::newRow("6.0") << 2 << 6 << 0 << "NV";
        QTest::newRow("10.0") << 2 << 10 << 0 << "NV";
    }
    void versionFlags()
    {
        QFETCH(int, platform);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, flags);
        setSystemVersionSource([=] { return SystemVersion{platform, major, minor}; });
        DetectWindowsVersion();
        const SystemInfo &i = systemInfo();
        QString got;
        if (i.IsWinNT) got += 'N';
        if (i.IsWin2000) got += '2';
        if (i.IsWinXP) got += 'X';
        if (i.IsWinVistaOrLater) got += 'V';
        QCOMPARE(got, flags);
        QCOMPARE(i.WindowsVersion, float(major) + float(minor) / 10);
    }

    void thisSystemCountsAsNT()
    {
        DetectWindowsVersion();
        QVERIFY(systemInfo().IsWinNT);
    }

    void foldersFollowTheUsersHome()
    {
        Sandbox box;
        InitSystemInfo();
        QCOMPARE(systemInfo().SystemDir, box.components());
        QCOMPARE(GetSpecialFolderPath(SpecialFolder::Programs), box.applications());
        QCOMPARE(GetSpecialFolderPath(SpecialFolder::CommonPrograms), box.applications());
        QCOMPARE(GetSpecialFolderPath(5), QString());
        // Unset or relative base folders fall back to the home's.
        qunsetenv("XDG_DATA_HOME");
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(GetSpecialFolderPath(SpecialFolder::Programs), box.home() + "/.local/share/applications");
        QCOMPARE(configHome(), box.home() + "/.config");
    }

    void createFolderPath()
    {
        ScriptedDialogs d;
        QTemporaryDir dir;
        QVERIFY(CreateFolderPath("/", false, false));
        const QString deep = dir.path() + "/one/two/three";
        QVERIFY(CreateFolderPath("  " + deep + "  ", false, false));
        QVERIFY(QFileInfo(deep).isDir());
        QVERIFY(CreateFolderPath(deep, false, false)); // already there

        const QString previous = QDir::currentPath();
        QVERIFY(CreateFolderPath(dir.path() + "/four", true, false));
        QCOMPARE(QDir::currentPath(), QFileInfo(dir.path() + "/four").canonicalFilePath());
        QDir::setCurrent(previous);

        // A level that is a file cannot become a folder: the message names the path and the error.
        writeFile(dir.path() + "/file", "x");
        const QString below = dir.path() + "/file/sub";
        d.answer(MsgAnswer::OK, "Kan directory " + below + " niet aanmaken...\r\n(Error: 20 - Not a directory)", "FOUTMELDING");
        QVERIFY(!CreateFolderPath(below, false, false));
        QVERIFY(!CreateFolderPath(below, false, true)); // silent: no second box
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown.size(), 1);
        QCOMPARE(d.shown[0].style, 48);
    }

    // Only the levels CreateFolderPath made are on the record; of those, the empty ones go again,
    // deepest first, and a folder that holds something, or a link, stays.
    void theFoldersMadeAreRecordedAndGoWhenEmpty()
    {
        QTemporaryDir dir;
        createdFolders().clear();
        QVERIFY(QDir().mkpath(dir.path() + "/er"));
        QVERIFY(CreateFolderPath(dir.path() + "/er/a/b/c", false, true));
        QVERIFY(CreateFolderPath(dir.path() + "/er/a/x/", false, true));
        QVERIFY(CreateFolderPath(dir.path() + "/er/a/b", false, true)); // there already: nothing new
        QCOMPARE(createdFolders(), QStringList({dir.path() + "/er/a", dir.path() + "/er/a/b", dir.path() + "/er/a/b/c",
                                                dir.path() + "/er/a/x"}));
        QFile(dir.path() + "/er/a/x/eigen.txt").open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(dir.path() + "/er", dir.path() + "/link"));
        removeEmptyFolders(createdFolders() + QStringList{dir.path() + "/link"});
        QVERIFY(!QFileInfo::exists(dir.path() + "/er/a/b"));
        QVERIFY(QFileInfo::exists(dir.path() + "/er/a/x/eigen.txt"));
        QVERIFY(QFileInfo(dir.path() + "/link").isSymLink());
        QVERIFY(QFileInfo(dir.path() + "/er").isDir()); // it was there before
        createdFolders().clear();
    }

    void createFolderPathInAFolderThatRefusesEntries()
    {
        ScriptedDialogs d;
        QTemporaryDir dir;
        const QString locked = dir.path() + "/locked";
        QDir().mkpath(locked);
        if (!setFolderWritable(locked, false)) QSKIP("cannot make a folder refuse entries here");
        d.answer(MsgAnswer::OK);
        const bool made = CreateFolderPath(locked + "/new", false, false);
        setFolderWritable(locked, true);
        QVERIFY(!made);
        QVERIFY(d.shown.value(0).prompt.startsWith("Kan directory " + locked + "/new niet aanmaken...\r\n(Error: "));
        VERIFY_DIALOGS(d);
    }

    void copyFileTo()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("new.so"), dst = dir.filePath("sys/old.so");
        writeFile(src, "new");
        writeFile(versionFileOf(src), "2.0.0.0");
        writeFile(dst, "old");
        writeFile(versionFileOf(dst), "1.5.0.0");
        QVERIFY(!CopyFileTo(src, dst, false));
        QCOMPARE(readFile(dst), QByteArray("old"));
        QVERIFY(CopyFileTo(src, dst, true));
        QCOMPARE(readFile(dst), QByteArray("new"));
        QCOMPARE(readFile(versionFileOf(dst)), QByteArray("2.0.0.0"));
        // A file without a version replaces one with: the old note must not stay behind.
        QFile::remove(versionFileOf(src));
        QVERIFY(CopyFileTo(src, dst, true));
        QVERIFY(!QFile::exists(versionFileOf(dst)));
        QVERIFY(!CopyFileTo(dir.filePath("missing.so"), dst, true));
        QVERIFY(!CopyFileTo(src, dir.filePath("no/such/folder/x.so"), true));
    }

    void browseForFolderEx()
    {
        ScriptedDialogs d;
        QTemporaryDir dir;
        QString start = dir.path() + "/";
        d.answerFolder(dir.path() + "/picked");
        QCOMPARE(BrowseForFolderEx(nullptr, start, "  ", false, false), dir.path() + "/picked");
        QCOMPARE(start, dir.path()); // the caller's folder without its separator
        QCOMPARE(d.shown[0].folderRequest.startFolder, dir.path());
        QCOMPARE(d.shown[0].title, QString("Selecteer een map uit de onderstaande lijst"));

        QString empty;
        d.answerFolder("");
        QCOMPARE(BrowseForFolderEx(nullptr, empty, "Titel", false, false), QString());
        QCOMPARE(empty, QDir::currentPath());
        QCOMPARE(d.shown[1].title, QString("Titel"));

        // With files included, a chosen file gives the folder that holds it.
        writeFile(dir.path() + "/sub/file.txt", "x");
        QString root = "/";
        d.answerFolder(dir.path() + "/sub/file.txt");
        QCOMPARE(BrowseForFolderEx(nullptr, root, "", false, true), dir.path() + "/sub");
        QCOMPARE(root, QString("/"));
        VERIFY_DIALOGS(d);
    }

    void browseForFolderStartsAtTheProgramsFolder()
    {
        Sandbox box;
        ScriptedDialogs d;
        d.answerFolder(box.applications() + "/Office");
        QCOMPARE(BrowseForFolder(nullptr, "Kies"), box.applications() + "/Office");
        QCOMPARE(d.shown[0].folderRequest.root, box.applications());
        QCOMPARE(d.shown[0].folderRequest.startFolder, QString());
        VERIFY_DIALOGS(d);
    }

    void userRights()
    {
        Sandbox box;
        QVERIFY(IsUserAdmin()); // the configuration folder does not exist yet: its parent counts
        QDir().mkpath(box.config());
        QVERIFY(IsUserAdmin());
        if (!setFolderWritable(box.config(), false)) QSKIP("cannot make a folder refuse entries here");
        const bool admin = IsUserAdmin();
        setFolderWritable(box.config(), true);
        QVERIFY(!admin);
    }

    void rootFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("root");
        QTest::newRow("root") << "/" << true;
        QTest::newRow("doubled") << "//" << true;
        QTest::newRow("dotted") << "/./" << true;
        QTest::newRow("below") << "/home" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("relative") << "home" << false;
    }
    void rootFolder()
    {
        QFETCH(QString, path);
        QFETCH(bool, root);
        QCOMPARE(IsRootFolder(path), root);
    }

    // One folder however it is written; an empty path names none, not even another empty one.
    void sameFolder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("trailing slash") << "/real" << "/real/" << true;
        QTest::newRow("dot-dot") << "/real/sub/.." << "/real" << true;
        QTest::newRow("through a link") << "/link/sub" << "/real/sub" << true;
        QTest::newRow("beside") << "/real" << "/real/sub" << false;
        QTest::newRow("both empty") << "" << "" << false;
        QTest::newRow("blank") << "  " << "  " << false;
        QTest::newRow("one empty") << "" << "/real" << false;
    }
    void sameFolder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.path() + "/real/sub"));
        QVERIFY(QFile::link(dir.path() + "/real", dir.path() + "/link"));
        const auto at = [&](const QString &p) { return p.trimmed().isEmpty() ? p : dir.path() + p; };
        QCOMPARE(isSameFolder(at(a), at(b)), same);
        QCOMPARE(isSameFolder(at(b), at(a)), same);
    }
};

QTEST_MAIN(TestSystemTools)
#include "tst_systemtools.moc"
