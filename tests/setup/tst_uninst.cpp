#include "SetupSandbox.h"
#include "TestSupport.h"
#include "setup/Installed.h"
#include "setup/Registry.h"
#include "setup/ShellLink.h"
#include "setup/Uninstall.h"
#include "setup/Unpack.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace {
const QString Title = "Zandrel Tofmaar verwijderen";
const QString RunAgain = "Het verwijderprogramma blijft staan. Start het opnieuw zodra dit verwijderd kan worden.";
QString confirm(const QString &folder)
{
    return "Weet u zeker dat u Zandrel Tofmaar in " + folder + " en alle bijbehorende componenten wilt verwijderen ?";
}
QString done(const QString &folder) { return "Zandrel Tofmaar 2.0 in " + folder + " is met succes van deze computer verwijderd."; }
QString notDone(const QString &folder)
{
    return "Zandrel Tofmaar 2.0 in " + folder + " is niet volledig van deze computer verwijderd. Dit is blijven staan:\r\n\r\n";
}
QString folderQuestion(const QString &folder) { return "Weet u zeker dat u " + folder + " wilt verwijderen ?"; }

void menuEntry(const QString &file, const QString &program)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    cShellLink().CreateShellLink(file, program, QFileInfo(program).absolutePath(), "", "", 0, "", 5);
}

// An installation as setup leaves it, written by hand: program files, the shared components, the
// menu entries and the entry.
struct Installation {
    Sandbox box;
    QString app = box.home() + "/Zandrel Tofmaar";
    QString links = box.applications() + "/Zandrel Tofmaar";
    QStringList files = {"ZanTof", "uninst", "Basis.TXT", "Kleur.txt", "ICO/ZanTof.ico", "IMG/10.ico",
                         "SYS/libztshare.so", "SYS/libztshare.so.version", "Vormen/Kozijn1.bmp"};

    explicit Installation(bool withList = true)
    {
        for (const QString &f : files) writeFile(app + "/" + f, "x");
        if (withList) writeFileList(app + "/uninst.lst", files);
        writeFile(app + "/Project.tof", "mine");
        writeFile(app + "/EMail.log", "mine");
        writeFile(app + "/eigen.doc", "mine");
        writeFile(box.components() + "/libztshare.so", "x");
        writeFile(box.components() + "/libztshare.so.version", "2.0.0.0\n");
        writeFile(box.components() + "/installations.lst", (app + "\n").toUtf8());
        menuEntry(links + "/" + Installed::ProgramLink, app + "/ZanTof");
        menuEntry(links + "/" + Installed::UninstallerLink, app + "/uninst");
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

// Runs the uninstaller, answering Yes to it and to its menu folder: it says the installation is gone,
// and the user's files are left.
void removeWhole(const Installation &i)
{
    ScriptedDialogs d;
    d.answer(MsgAnswer::Yes, confirm(i.app), Title).answer(MsgAnswer::Yes, folderQuestion(i.links), "Verwijderen");
    d.answer(MsgAnswer::OK, done(i.app), Title);
    Uninst::Main(i.app);
    VERIFY_DIALOGS(d);
    QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
}

// Shows the uninstaller's boxes for real, answering each with Yes or OK; `look` sees every box first.
int runWithRealBoxes(const QString &folder, const std::function<void(QMessageBox *, int)> &look)
{
    useDutchInterface();
    QtDialogs real;
    DialogService *previous = setDialogService(&real);
    int shown = 0;
    QObject alive; // the timers end with this call
    std::function<void()> answerNext = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            QTimer::singleShot(20, &alive, answerNext);
            return;
        }
        look(box, shown++);
        box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
        QTimer::singleShot(20, &alive, answerNext);
    };
    QTimer::singleShot(20, &alive, answerNext);
    Uninst::Main(folder);
    setDialogService(previous);
    return shown;
}
}

class TestUninst : public QObject {
    Q_OBJECT
private slots:
    void noChangesNothing()
    {
        Installation i;
        const QStringList before = i.box.everything();
        ScriptedDialogs d;
        d.answer(MsgAnswer::No, confirm(i.app), Title);
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[0].style, 292);
        QCOMPARE(i.box.everything(), before);
    }

    // The menu folder goes when our entries were all it held, and so do its parents that are empty
    // now; the menu's own folder stays.
    void aWholeInstallationGoes_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<bool>("foreignEntry"); // another program's entry beside the menu folder
        QTest::newRow("menu folder") << "Zandrel Tofmaar" << false;
        QTest::newRow("below another folder") << "Kantoor/Zandrel Tofmaar" << false;
        QTest::newRow("below a folder in use") << "Kantoor/Zandrel Tofmaar" << true;
    }
    void aWholeInstallationGoes()
    {
        QFETCH(QString, menu);
        QFETCH(bool, foreignEntry);
        Installation i;
        const QString links = i.box.applications() + "/" + menu;
        QDir().rename(i.links, i.box.applications() + "/tmp");
        QDir().mkpath(QFileInfo(links).path());
        QDir().rename(i.box.applications() + "/tmp", links);
        Installation::entry("ShellLnkPath", links);
        if (foreignEntry) writeFile(i.box.applications() + "/Kantoor/ander.desktop", "[Desktop Entry]\n");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title).answer(MsgAnswer::Yes, folderQuestion(links), "Verwijderen");
        d.answer(MsgAnswer::OK, done(i.app), Title);
        Uninst::Main(i.app + "/");
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[1].style, 52);
        QCOMPARE(d.shown[2].style, 64);
        QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QVERIFY(!QFileInfo::exists(links));
        QCOMPARE(QDir(i.box.applications()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 foreignEntry ? QStringList{"Kantoor"} : QStringList());
        QVERIFY(!RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        // The last installation takes the shared components and their folders along.
        QVERIFY(!QFileInfo::exists(i.box.home() + "/.local/share/ZanTof"));
        QVERIFY(QFileInfo(i.box.home() + "/.local/share").isDir());
    }

    // Without setup's list only files the package holds go: never the user's own, whatever they are called.
    void withoutTheListOnlyThePackagesFilesGo()
    {
        Installation i(false);
        for (const QString mine : {"PersGeg.Txt", "Mijn notities.txt", "123456-1200.TEK", "IMG/eigen.ico", "basis.txt"})
            writeFile(i.app + "/" + mine, "mine");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app)).answer(MsgAnswer::Yes, folderQuestion(i.links), "Verwijderen");
        d.answer(MsgAnswer::OK, done(i.app), Title);
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[1].style, 52);
        QCOMPARE(d.shown[2].style, 64);
        QCOMPARE(i.left(), QStringList({"123456-1200.TEK", "EMail.log", "IMG", "Mijn notities.txt", "PersGeg.Txt",
                                        "Project.tof", "basis.txt", "eigen.doc"}));
        QCOMPARE(QDir(i.app + "/IMG").entryList(QDir::Files), QStringList{"eigen.ico"});
        QVERIFY(!RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(!QFileInfo::exists(i.box.components()));
    }

    void theListNeverReachesOutside()
    {
        Installation i;
        writeFile(i.box.home() + "/buiten.txt", "x");
        writeFile(i.box.home() + "/buiten/10.ico", "x");
        QFile::link(i.box.home() + "/buiten", i.app + "/Plaatjes");
        writeFileList(i.app + "/uninst.lst", i.files + QStringList{"../buiten.txt", "/etc/hostname", "ICO/../../buiten.txt",
                                                                   "Plaatjes/10.ico"});
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::No).answer(MsgAnswer::OK, done(i.app), Title);
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QVERIFY(QFile::exists(i.box.home() + "/buiten.txt"));
        QVERIFY(QFile::exists(i.box.home() + "/buiten/10.ico")); // not through a link in the program folder
        QCOMPARE(i.left(), QStringList({"EMail.log", "Plaatjes", "Project.tof", "eigen.doc"}));
        QVERIFY(QDir(i.links).exists()); // No to the folder question: the emptied folder stays
    }

    void aFolderThatIsNoProgramFolderIsLeftAlone_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("shown");
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("home") << "@home" << "@home";
        QTest::newRow("home with separator") << "@home/" << "@home";
        QTest::newRow("relative") << "Zandrel Tofmaar" << "Zandrel Tofmaar";
        QTest::newRow("without the program") << "@home/Anders" << "@home/Anders";
    }
    void aFolderThatIsNoProgramFolderIsLeftAlone()
    {
        QFETCH(QString, folder);
        QFETCH(QString, shown);
        Installation i;
        folder.replace("@home", i.box.home());
        shown.replace("@home", i.box.home());
        writeFile(i.box.home() + "/Anders/Basis.TXT", "x");
        writeFile(i.box.home() + "/ZanTof", "x"); // even with a program in it, the home is refused
        writeFile(i.box.home() + "/uninst.lst", "ZanTof\n");
        Installation::entry("AppPath", folder);
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(shown));
        d.answer(MsgAnswer::OK, notDone(shown) + shown + " (geen programmamap van Zandrel Tofmaar)", Title);
        const QStringList before = i.box.everything();
        Uninst::Main(folder);
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[1].style, 48);
        QVERIFY(QFile::exists(i.box.home() + "/ZanTof"));
        QVERIFY(QFile::exists(i.box.home() + "/Anders/Basis.TXT"));
        QVERIFY(RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QCOMPARE(i.box.everything(), before); // nothing at all: not even the menu entries
    }

    // The entry and the menu entries of another installation, or an entry that names no folder, are
    // not this uninstaller's: they stay while its own installation goes.
    void whatBelongsToAnotherInstallationStays_data()
    {
        QTest::addColumn<bool>("otherInstallation");
        QTest::newRow("the entry names another installation") << true;
        QTest::newRow("the entry without AppPath") << false;
    }
    void whatBelongsToAnotherInstallationStays()
    {
        QFETCH(bool, otherInstallation);
        Installation i;
        const QString other = i.box.home() + "/Tweede map", otherLinks = i.box.applications() + "/Tweede";
        writeFile(i.links + "/ander.desktop", "[Desktop Entry]\n");
        RegRemoveKey(HKEY_CURRENT_USER, Installed::UninstallKey);
        if (otherInstallation) {
            for (const QString &f : i.files) writeFile(other + "/" + f, "x");
            writeFileList(other + "/uninst.lst", i.files);
            writeFileList(i.box.components() + "/installations.lst", {i.app, other});
            menuEntry(otherLinks + "/" + Installed::ProgramLink, other + "/ZanTof");
            menuEntry(otherLinks + "/" + Installed::UninstallerLink, other + "/uninst");
            Installation::entry("AppPath", other);
        }
        Installation::entry("ShellLnkPath", otherInstallation ? otherLinks : i.links);
        const QList<RegValue> entry = RegKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey);
        const QStringList others = otherInstallation ? i.box.everything().filter(QRegularExpression("/(Tweede|Tweede map)(/|$)"))
                                                     : QStringList();
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::OK, done(i.app), Title); // a folder with a foreign entry: no question
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QCOMPARE(QDir(i.links).entryList(QDir::Files), QStringList{"ander.desktop"});
        QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QCOMPARE(RegKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey).size(), entry.size());
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "ShellLnkPath"), entry.last().data);
        QCOMPARE(i.box.everything().filter(QRegularExpression("/(Tweede|Tweede map)(/|$)")), others);
        // The shared components stay while another installation uses them.
        QCOMPARE(QFile::exists(i.box.components() + "/libztshare.so"), otherInstallation);
        if (otherInstallation) QCOMPARE(readFile(i.box.components() + "/installations.lst"), (other + "\n").toUtf8());
    }

    // The shared components go only with the last installation their list names, also when neither the
    // entry nor a menu entry knows of another; without the list an installation could be missed: they stay.
    void theComponentsGoWithTheLastListedInstallation_data()
    {
        QTest::addColumn<QString>("users");    // the list's lines, "@other" the other folder; "-" no list
        QTest::addColumn<bool>("otherThere");  // the other folder still holds an installation
        QTest::addColumn<bool>("componentsGo");
        QTest::addColumn<QString>("usersLeft"); // "-" when the list is gone
        QTest::newRow("only this one") << "@app" << false << true << "-";
        QTest::newRow("another one, unknown to the entry and the menu") << "@app\n@other" << true << false << "@other\n";
        QTest::newRow("another folder, emptied since") << "@other\n@app" << false << true << "-";
        QTest::newRow("this one not listed, another one is") << "@other" << true << false << "@other\n";
        QTest::newRow("no list") << "-" << false << false << "-";
    }
    void theComponentsGoWithTheLastListedInstallation()
    {
        QFETCH(QString, users);
        QFETCH(bool, otherThere);
        QFETCH(bool, componentsGo);
        QFETCH(QString, usersLeft);
        Installation i;
        const QString other = i.box.root() + "/elders/Zandrel Tofmaar", list = i.box.components() + "/installations.lst";
        QDir().mkpath(other);
        if (otherThere) writeFile(other + "/ZanTof", "x");
        const auto filled = [&](QString text) { return text.replace("@app", i.app).replace("@other", other); };
        if (users == "-") QFile::remove(list);
        else writeFile(list, (filled(users) + "\n").toUtf8());
        removeWhole(i);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(QFileInfo::exists(i.box.components() + "/libztshare.so"), !componentsGo);
        QCOMPARE(QFileInfo::exists(i.box.components() + "/libztshare.so.version"), !componentsGo);
        QCOMPARE(QFileInfo::exists(i.box.home() + "/.local/share/ZanTof"), !componentsGo);
        if (usersLeft == "-") QVERIFY(!QFileInfo::exists(list));
        else QCOMPARE(QString::fromUtf8(readFile(list)), filled(usersLeft));
        QCOMPARE(QFileInfo::exists(other + "/ZanTof"), otherThere);
    }

    // A registry file that cannot be read is no store of ours to write: it stays as it was, the
    // installation goes all the same.
    void anUnreadableRegistryStaysAsItWas()
    {
        Installation i;
        const QByteArray damaged = readFile(registryFile()).left(40);
        writeFile(registryFile(), damaged);
        removeWhole(i);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(readFile(registryFile()), damaged);
    }

    void whatCannotBeDeletedIsNamedAndTheEntryStays()
    {
        Installation i;
        if (!setFolderWritable(i.app + "/SYS", false)) QSKIP("cannot make a folder refuse changes here");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes);
        d.answer(MsgAnswer::OK,
                 notDone(i.app) + "SYS/libztshare.so\r\nSYS/libztshare.so.version\r\n\r\n" + RunAgain, Title);
        Uninst::Main(i.app);
        setFolderWritable(i.app + "/SYS", true);
        VERIFY_DIALOGS(d);
        QVERIFY(RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(QFile::exists(i.app + "/uninst.lst")); // so that a second run can finish the work
        QVERIFY(!QFile::exists(i.app + "/ZanTof"));
        // The uninstaller and its menu entry stay to be run again; the program's entry went with it.
        QVERIFY(QFile::exists(i.app + "/uninst"));
        QCOMPARE(QDir(i.links).entryList(QDir::Files), QStringList{Installed::UninstallerLink});
        QVERIFY(QFile::exists(i.box.components() + "/libztshare.so"));

        // Once the files can go, a second run finishes.
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes, folderQuestion(i.links)).answer(MsgAnswer::OK, done(i.app), Title);
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QVERIFY(!RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(!QFileInfo::exists(i.links));
        QVERIFY(!QFileInfo::exists(i.box.components()));
    }

    // A long result names the first paths and counts the rest, so that its button stays on a small screen.
    void aLongResultFitsTheScreen()
    {
        Installation i;
        QStringList many = i.files;
        for (int n = 0; n < 80; ++n) many << QString("IMG/plaatje met een lange naam %1.ico").arg(n, 2, 10, QChar('0'));
        for (const QString &f : many) writeFile(i.app + "/" + f, "x");
        writeFileList(i.app + "/uninst.lst", many);
        if (!setFolderWritable(i.app + "/IMG", false)) QSKIP("cannot make a folder refuse changes here");
        QStringList first;
        for (int n = 0; n < 10; ++n) first << QString("IMG/plaatje met een lange naam %1.ico").arg(n, 2, 10, QChar('0'));
        const QString expected = notDone(i.app) + "IMG/10.ico\r\n" + first.mid(0, 9).join("\r\n")
                               + "\r\nen 71 andere\r\n\r\n" + RunAgain;
        QString text;
        QSize size;
        const int boxes = runWithRealBoxes(i.app, [&](QMessageBox *box, int n) {
            if (n != 1) return;
            text = box->text();
            size = box->frameGeometry().size();
            saveShot(box, "uninst-4-lang");
        });
        setFolderWritable(i.app + "/IMG", true);
        QCOMPARE(boxes, 2);
        QCOMPARE(text, QString(expected).replace("\r\n", "\n"));
        QVERIFY2(size.height() < 900 && size.width() < 1440, qPrintable(QString("%1x%2").arg(size.width()).arg(size.height())));
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
        const QStringList names = {"uninst-1-zeker", "uninst-2-map", "uninst-3-verwijderd"};
        const int shown = runWithRealBoxes(i.app, [&](QMessageBox *box, int n) { saveShot(box, names.value(n)); });
        QCOMPARE(shown, 3);
    }
};

QTEST_MAIN(TestUninst)
#include "tst_uninst.moc"
