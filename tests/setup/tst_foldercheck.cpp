#include "SetupSandbox.h"
#include "TestSupport.h"
#include "Unprivileged.h"
#include "setup/ZanSetup.h"

#include <QFileInfo>

#include <sys/stat.h>

namespace {
const QString Format = "U moet een volledig pad vanaf de hoofdmap opgeven bijv.: \r\n/home/gebruiker/APP\r\n\r\n"
                       "De hoofdmap / zelf kan niet gekozen worden.";
const QString Characters = "Mapnamen mogen geen van de volgende tekens bevatten:\r\n\r\n/ : * ? \" < > |";
const QString Segments = "De naam van de menu Start map mag niet leeg zijn en geen map . of .. bevatten.";
const QString NotEmpty = "De opgegeven map is niet leeg !\r\n\r\nWilt u deze map toch gebruiken ?";
}

class TestFolderCheck : public QObject {
    Q_OBJECT
private slots:
    void targetFolder_data()
    {
        QTest::addColumn<QString>("path"); // "@" stands for a fresh temporary folder
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "   " << false << Format;
        QTest::newRow("relative") << "Zandrel Tofmaar" << false << Format;
        QTest::newRow("home shorthand") << "~/Zandrel Tofmaar" << false << Format;
        QTest::newRow("root") << "/" << false << Format;
        QTest::newRow("root doubled") << "//" << false << Format;
        QTest::newRow("star in a name") << "@/a*b" << false << Characters;
        QTest::newRow("colon late in a name") << "@/abc:d" << false << Characters;
        QTest::newRow("three new levels") << "@/een/twee/drie" << true << "";
        QTest::newRow("blanks around") << "  @/met spatie  " << true << "";
        QTest::newRow("backslash is a character here") << "@/a\\b" << true << "";
    }
    void targetFolder()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        QTemporaryDir dir;
        path.replace("@", dir.path());
        ScriptedDialogs d;
        if (!message.isEmpty()) d.answer(MsgAnswer::OK, message, "Fout");
        QCOMPARE(ValidateTargetFolder(path), accepted);
        VERIFY_DIALOGS(d);
        if (!message.isEmpty()) QCOMPARE(d.shown[0].style, 48);
        if (accepted) QVERIFY(QFileInfo(path.trimmed()).isDir()); // made here, before the installation
    }

    // The home folder itself, however it is written, is refused before anything is made.
    void theHomeFolderItself_data()
    {
        QTest::addColumn<QString>("path"); // "~" stands for the sandbox home
        QTest::newRow("as it is") << "~";
        QTest::newRow("trailing slash") << "~/";
        QTest::newRow("through a folder not made yet") << "~/nieuw/..";
        QTest::newRow("a link to it") << "@/naar-huis";
    }
    void theHomeFolderItself()
    {
        QFETCH(QString, path);
        Sandbox box;
        QVERIFY(QFile::link(box.home(), box.root() + "/naar-huis"));
        path.replace("~", box.home()).replace("@", box.root());
        const QStringList before = box.everything();
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK,
                 "De persoonlijke map zelf kan niet gekozen worden:\r\n      " + box.home()
                     + "\r\n\r\nKies een map daarin, bijv.:\r\n      " + box.home() + "/Zandrel Tofmaar",
                 "Fout");
        QVERIFY(!ValidateTargetFolder(path, [](const QString &) { return true; }));
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].style, 48);
        QCOMPARE(box.everything(), before);
        // A folder in it is what the wizard offers.
        QVERIFY(ValidateTargetFolder(box.home() + "/Zandrel Tofmaar"));
    }

    // Where this user may not write: an existing read-only folder, with files or without, and a new
    // folder below one. The message names the folder that refuses; nothing is made, nothing asked.
    void aFolderThisUserCannotWrite_data()
    {
        QTest::addColumn<QString>("path");    // "@" the test's folder, in which "alleen-lezen" is read-only
        QTest::addColumn<QString>("refuses"); // "" when the path is accepted
        QTest::newRow("read-only, empty") << "@/alleen-lezen" << "@/alleen-lezen";
        QTest::newRow("read-only, with files") << "@/alleen-lezen/met-bestand" << "@/alleen-lezen/met-bestand";
        QTest::newRow("new, below read-only") << "@/alleen-lezen/nieuw" << "@/alleen-lezen";
        QTest::newRow("two new levels below read-only") << "@/alleen-lezen/nieuw/dieper" << "@/alleen-lezen";
        QTest::newRow("writable beside it") << "@/schrijfbaar/nieuw" << "";
        // Writing an entry takes the search right too: a folder 0600 of one's own refuses it.
        QTest::newRow("without the search right") << "@/zonder-zoekrecht" << "@/zonder-zoekrecht";
    }
    void aFolderThisUserCannotWrite()
    {
        RUN_AS_UNPRIVILEGED_USER();
        QFETCH(QString, path);
        QFETCH(QString, refuses);
        QTemporaryDir dir;
        const QString readOnly = dir.path() + "/alleen-lezen";
        writeFile(readOnly + "/met-bestand/Basis.TXT", "x");
        QDir().mkpath(dir.path() + "/schrijfbaar");
        const QString unsearchable = dir.path() + "/zonder-zoekrecht";
        QDir().mkpath(unsearchable);
        for (const QString &folder : {readOnly + "/met-bestand", readOnly})
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        QVERIFY(::chmod(QFile::encodeName(unsearchable).constData(), 0600) == 0);
        path.replace("@", dir.path());
        refuses.replace("@", dir.path());
        ScriptedDialogs d;
        if (!refuses.isEmpty())
            d.answer(MsgAnswer::OK,
                     "U heeft geen toestemming om te schrijven in de map:\r\n      " + refuses + "\r\n\r\nKies een andere map.",
                     "Fout");
        bool asked = false;
        QCOMPARE(ValidateTargetFolder(path, [&](const QString &) { return asked = true; }), refuses.isEmpty());
        VERIFY_DIALOGS(d);
        QCOMPARE(asked, refuses.isEmpty());
        QCOMPARE(QFileInfo(path).isDir(), refuses.isEmpty() || path == refuses);
        for (const QString &folder : {readOnly + "/met-bestand", readOnly, unsearchable})
            ::chmod(QFile::encodeName(folder).constData(), 0755);
    }

    // The caller's question comes after the checks and before the folder is made; No refuses.
    void theCallersQuestionComesBeforeTheFolderIsMade()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/nieuw";
        ScriptedDialogs d;
        QStringList asked;
        QVERIFY(!ValidateTargetFolder("  " + folder + " ", [&](const QString &f) {
            asked << f;
            return QFileInfo::exists(f);
        }));
        QCOMPARE(asked, QStringList{folder});
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(ValidateTargetFolder(folder, [&](const QString &f) { return !QFileInfo::exists(f); }));
        QVERIFY(QFileInfo(folder).isDir());
        // A refused path never reaches the question.
        d.answer(MsgAnswer::OK, Format, "Fout");
        QVERIFY(!ValidateTargetFolder("relatief", [&](const QString &) { return asked << "relatief", true; }));
        QCOMPARE(asked.size(), 1);
        VERIFY_DIALOGS(d);
    }

    void aFolderWithFilesAsksFirst()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/onlyfolders/sub");
        writeFile(dir.path() + "/withfile/.hidden", "x");
        ScriptedDialogs d;
        QVERIFY(ValidateTargetFolder(dir.path() + "/onlyfolders")); // sub-folders alone count as empty
        // What a killed setup leaves of its own, its lock file and a temporary file, is no file of the user's.
        writeFile(dir.path() + "/onlysetup/.zantof.lock", "");
        writeFile(dir.path() + "/onlysetup/.zantof-Ab12Cd", "half");
        QVERIFY(ValidateTargetFolder(dir.path() + "/onlysetup"));
        d.answer(MsgAnswer::No, NotEmpty, "Setup");
        QVERIFY(!ValidateTargetFolder(dir.path() + "/withfile"));
        d.answer(MsgAnswer::Yes, NotEmpty, "Setup");
        QVERIFY(ValidateTargetFolder(dir.path() + "/withfile"));
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].style, 52);
    }

    void aFolderThatCannotBeMade()
    {
        QTemporaryDir dir;
        writeFile(dir.path() + "/file", "x");
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK, "Kan directory " + dir.path() + "/file/sub niet aanmaken...\r\n(Error: 20 - Not a directory)",
                 "FOUTMELDING");
        QVERIFY(!ValidateTargetFolder(dir.path() + "/file/sub"));
        VERIFY_DIALOGS(d);
    }

    void folderName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "Zandrel Tofmaar" << true;
        QTest::newRow("sub-folders") << "Kantoor\\Zandrel Tofmaar" << true;
        QTest::newRow("colon second") << "C:\\Apps" << true;
        QTest::newRow("colon third") << "AB:" << false;
        QTest::newRow("slash") << "Kantoor/Zandrel" << false;
        for (const char *c : {"*", "?", "\"", "<", ">", "|"})
            QTest::newRow(c) << QString("Za") + c + "ndrel" << false;
    }
    void folderName()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        ScriptedDialogs d;
        if (!accepted) d.answer(MsgAnswer::OK, Characters, "Fout").answer(MsgAnswer::OK, Characters, "Fout");
        QCOMPARE(ValidateFolderName(name), accepted);
        QCOMPARE(validateStartMenuName(name), accepted); // the Start-menu check says the same
        VERIFY_DIALOGS(d);
    }

    // A folder name that could not be one line of setup's lists is refused, on both pages, and no
    // folder of such a name is made.
    void controlCharactersInAFolderName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("line break") << "Zandrel\nTofmaar";
        QTest::newRow("carriage return") << "Zandrel Tofmaar\r";
        QTest::newRow("tab") << "Zandrel\tTofmaar";
        QTest::newRow("delete") << "Zandrel\x7f";
    }
    void controlCharactersInAFolderName()
    {
        QFETCH(QString, name);
        Sandbox box;
        const QString control = "Mapnamen mogen geen stuurtekens bevatten, zoals een regeleinde of een tab.";
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK, control, "Fout").answer(MsgAnswer::OK, control, "Fout").answer(MsgAnswer::OK, control, "Fout");
        QVERIFY(!ValidateFolderName(name));
        QVERIFY(!validateStartMenuName("Kantoor\\" + name));
        const QStringList before = box.everything();
        QVERIFY(!ValidateTargetFolder(box.home() + "/" + name + "/Zandrel Tofmaar"));
        VERIFY_DIALOGS(d);
        QCOMPARE(box.everything(), before);
    }

    void startMenuSegments_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "  ";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("dot dot inside") << "Kantoor\\..\\..\\x";
        QTest::newRow("empty inside") << "Kantoor\\\\Zandrel";
        QTest::newRow("trailing separator") << "Kantoor\\";
    }
    void startMenuSegments()
    {
        QFETCH(QString, name);
        ScriptedDialogs d;
        d.answer(MsgAnswer::OK, Segments, "Fout");
        QVERIFY(!validateStartMenuName(name));
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].style, 48);
    }
};

QTEST_MAIN(TestFolderCheck)
#include "tst_foldercheck.moc"
