#include "SetupSandbox.h"
#include "TestSupport.h"
#include "setup/ZanSetup.h"

#include <QFileInfo>

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

    void aFolderWithFilesAsksFirst()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/onlyfolders/sub");
        writeFile(dir.path() + "/withfile/.hidden", "x");
        ScriptedDialogs d;
        QVERIFY(ValidateTargetFolder(dir.path() + "/onlyfolders")); // sub-folders alone count as empty
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
        QCOMPARE(ValidateStartMenuName(name), accepted); // the Start-menu check says the same
        VERIFY_DIALOGS(d);
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
        QVERIFY(!ValidateStartMenuName(name));
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].style, 48);
    }
};

QTEST_MAIN(TestFolderCheck)
#include "tst_foldercheck.moc"
