#include "SetupSandbox.h"
#include "TestSupport.h"
#include "setup/Installed.h"
#include "setup/Registry.h"
#include "setup/Uninstall.h"
#include "setup/Unpack.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {
const QString Title = "Zandrel Tofmaar verwijderen";
const QString Confirm = "Weet u zeker dat u Zandrel Tofmaar en alle bijbehorende componenten wilt verwijderen ?";
const QString Done = "Zandrel Tofmaar 2.0 is met succes van deze computer verwijderd.";
const QString NotDone = "Zandrel Tofmaar 2.0 is niet volledig van deze computer verwijderd. Dit is blijven staan:\r\n\r\n";

// An installation as setup leaves it, written by hand: program files, the menu entries and the entry.
struct Installation {
    Sandbox box;
    QString app = box.home() + "/Zandrel Tofmaar";
    QString links = box.applications() + "/Zandrel Tofmaar";
    QStringList files = {"ZanTof", "uninst", "Basis.TXT", "Kleur.txt", "ICO/ZanTof.ico", "img/10.ico",
                         "SYS/libztshare.so", "Vormen/K.bmp"};

    explicit Installation(bool withList = true)
    {
        for (const QString &f : files) writeFile(app + "/" + f, "x");
        if (withList) writeFileList(app + "/uninst.lst", files);
        writeFile(app + "/Project.tof", "mine");
        writeFile(app + "/EMail.log", "mine");
        writeFile(app + "/eigen.doc", "mine");
        writeFile(links + "/" + Installed::ProgramLink, "[Desktop Entry]\n");
        writeFile(links + "/" + Installed::UninstallerLink, "[Desktop Entry]\n");
        entry("DisplayName", Installed::DisplayName);
        entry("UninstallString", app + "/uninst");
        entry("AppPath", app);
        entry("ShellLnkPath", links);
    }
    static void entry(const QString &name, const QString &value)
    {
        RegWriteValue(HKEY_CURRENT_USER, Installed::UninstallKey, name, RegType::String, value);
    }
    QStringList left() const { return QDir(app).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name); }
};
}

class TestUninst : public QObject {
    Q_OBJECT
private slots:
    void noChangesNothing()
    {
        Installation i;
        const QStringList before = i.box.everything();
        ScriptedDialogs d;
        d.answer(MsgAnswer::No, Confirm, Title);
        Uninst::Main();
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].style, 292);
        QCOMPARE(i.box.everything(), before);
    }

    void withoutTheListThePatternsServe()
    {
        Installation i(false);
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, Confirm).answer(MsgAnswer::Yes, "Weet u zeker dat u " + i.links + " wilt verwijderen ?", "Verwijderen");
        d.answer(MsgAnswer::OK, Done, Title);
        Uninst::Main();
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[1].style, 52);
        QCOMPARE(d.shown[2].style, 64);
        // Folders are matched without regard to case ("img"); uninst is no pattern's, and the folders stay.
        QCOMPARE(i.left(), QStringList({"EMail.log", "ICO", "Project.tof", "SYS", "Vormen", "eigen.doc", "img", "uninst"}));
        QVERIFY(QDir(i.app + "/ICO").isEmpty());
        QVERIFY(!RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
    }

    void theListNeverReachesOutside()
    {
        Installation i;
        writeFile(i.box.home() + "/buiten.txt", "x");
        writeFileList(i.app + "/uninst.lst", i.files + QStringList{"../buiten.txt", "/etc/hostname", "ICO/../../buiten.txt"});
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::No).answer(MsgAnswer::OK, Done, Title);
        Uninst::Main();
        VERIFY_DIALOGS(d);
        QVERIFY(QFile::exists(i.box.home() + "/buiten.txt"));
        QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QVERIFY(QDir(i.links).exists()); // No to the folder question: the emptied folder stays
    }

    void aFolderThatIsNoProgramFolderIsLeftAlone_data()
    {
        QTest::addColumn<QString>("appPath");
        QTest::newRow("root") << "/";
        QTest::newRow("home") << "@home";
        QTest::newRow("home with separator") << "@home/";
        QTest::newRow("relative") << "Zandrel Tofmaar";
        QTest::newRow("without the program") << "@home/Anders";
    }
    void aFolderThatIsNoProgramFolderIsLeftAlone()
    {
        QFETCH(QString, appPath);
        Installation i;
        appPath.replace("@home", i.box.home());
        writeFile(i.box.home() + "/Anders/Basis.TXT", "x");
        writeFile(i.box.home() + "/ZanTof", "x"); // even with a program in it, the home is refused
        writeFile(i.box.home() + "/uninst.lst", "ZanTof\n");
        Installation::entry("AppPath", appPath);
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
        d.answer(MsgAnswer::OK, NotDone + appPath + " (geen programmamap van Zandrel Tofmaar)", Title);
        const QStringList before = i.box.everything();
        Uninst::Main();
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[2].style, 48);
        QVERIFY(QFile::exists(i.box.home() + "/ZanTof"));
        QVERIFY(QFile::exists(i.box.home() + "/Anders/Basis.TXT"));
        QVERIFY(RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(!QFileInfo::exists(i.links)); // the menu entries went first
    }

    void onlyTheMenuEntriesWithoutAppPath()
    {
        Installation i;
        writeFile(i.links + "/ander.desktop", "[Desktop Entry]\n");
        RegRemoveKey(HKEY_CURRENT_USER, Installed::UninstallKey);
        Installation::entry("ShellLnkPath", i.links);
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::OK, Done, Title); // a folder with a foreign entry: no question
        Uninst::Main();
        VERIFY_DIALOGS(d);
        QCOMPARE(QDir(i.links).entryList(QDir::Files), QStringList{"ander.desktop"});
        QVERIFY(QFile::exists(i.app + "/ZanTof"));
        QVERIFY(RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
    }

    void whatCannotBeDeletedIsNamedAndTheEntryStays()
    {
        Installation i;
        if (!setFolderWritable(i.app + "/SYS", false)) QSKIP("cannot make a folder refuse changes here");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
        d.answer(MsgAnswer::OK, NotDone + i.app + "/SYS/libztshare.so", Title);
        Uninst::Main();
        setFolderWritable(i.app + "/SYS", true);
        VERIFY_DIALOGS(d);
        QVERIFY(RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(QFile::exists(i.app + "/uninst.lst")); // so that a second run can finish the work
        QVERIFY(!QFile::exists(i.app + "/ZanTof"));

        // Once the file can go, a second run finishes.
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::OK, Done, Title);
        Installation::entry("AppPath", i.app);
        writeFile(i.app + "/ZanTof", "x");
        Uninst::Main();
        VERIFY_DIALOGS(d);
        QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
    }

    void deleteFilesPatterns()
    {
        Sandbox box;
        const QString dir = box.home() + "/Map";
        for (const QString f : {"a.TXT", "b.txt", "c.Txt", "d.doc", "sub/e.txt"}) writeFile(dir + "/" + f, "x");
        ScriptedDialogs d;
        QVERIFY(DeleteFiles(box.home() + "/MAP/*.txt", false, false));
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"d.doc"});
        QVERIFY(!DeleteFiles(dir + "/*.txt", false, false)); // nothing left to match
        QVERIFY(!DeleteFiles(box.home() + "/Geen/*.*", false, false));
        QVERIFY(!DeleteFiles(dir + "/sub", false, false)); // not empty
        d.answer(MsgAnswer::No, "Weet u zeker dat u " + dir + "/d.doc wilt verwijderen ?", "Verwijderen");
        QVERIFY(!DeleteFiles(dir + "/d.doc", true, true));
        QVERIFY(QFile::exists(dir + "/d.doc"));
        VERIFY_DIALOGS(d);
    }

    // The uninstaller's boxes as the user sees them.
    void shots()
    {
        if (qEnvironmentVariable("ZANTOF_SHOTS").isEmpty()) QSKIP("no ZANTOF_SHOTS folder");
        Installation i;
        useDutchInterface();
        QtDialogs real;
        DialogService *previous = setDialogService(&real);
        const QStringList names = {"uninst-1-zeker", "uninst-2-map", "uninst-3-verwijderd"};
        int shown = 0;
        std::function<void()> answerNext = [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(20, answerNext);
                return;
            }
            saveShot(box, names.value(shown++));
            box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
            if (shown < names.size()) QTimer::singleShot(20, answerNext);
        };
        QTimer::singleShot(20, answerNext);
        Uninst::Main();
        setDialogService(previous);
        QCOMPARE(shown, 3);
    }
};

QTEST_MAIN(TestUninst)
#include "tst_uninst.moc"
