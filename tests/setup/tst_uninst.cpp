#include "NotAFile.h"
#include "SetupSandbox.h"
#include "TestSupport.h"
#include "Unprivileged.h"
#include "setup/FolderLock.h"
#include "setup/Installed.h"
#include "setup/Registry.h"
#include "setup/ShellLink.h"
#include "setup/Uninstall.h"
#include "setup/Unpack.h"
#include "setup/uninst/RemovalWindow.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
struct InstalledFolder {
    Sandbox box;
    QString app = box.home() + "/Zandrel Tofmaar";
    QString links = box.applications() + "/Zandrel Tofmaar";
    QStringList files = {"ZanTof", "uninst", "Basis.TXT", "Kleur.txt", "ICO/ZanTof.ico", "IMG/10.ico",
                         "SYS/libztshare.so", "SYS/libztshare.so.version", "Vormen/Kozijn1.bmp"};

    explicit InstalledFolder(bool withList = true)
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
void removeWhole(const InstalledFolder &i)
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
        InstalledFolder i;
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
        InstalledFolder i;
        const QString links = i.box.applications() + "/" + menu;
        QDir().rename(i.links, i.box.applications() + "/tmp");
        QDir().mkpath(QFileInfo(links).path());
        QDir().rename(i.box.applications() + "/tmp", links);
        InstalledFolder::entry("ShellLnkPath", links);
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
        QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        // The last installation takes the shared components and their folders along.
        QVERIFY(!QFileInfo::exists(i.box.home() + "/.local/share/ZanTof"));
        QVERIFY(QFileInfo(i.box.home() + "/.local/share").isDir());
    }

    // Without setup's list only files the package holds go: never the user's own, whatever they are called.
    void withoutTheListOnlyThePackagesFilesGo()
    {
        InstalledFolder i(false);
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
        QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(!QFileInfo::exists(i.box.components()));
    }

    void theListNeverReachesOutside()
    {
        InstalledFolder i;
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
        InstalledFolder i;
        folder.replace("@home", i.box.home());
        shown.replace("@home", i.box.home());
        writeFile(i.box.home() + "/Anders/Basis.TXT", "x");
        writeFile(i.box.home() + "/ZanTof", "x"); // even with a program in it, the home is refused
        writeFile(i.box.home() + "/uninst.lst", "ZanTof\n");
        InstalledFolder::entry("AppPath", folder);
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(shown));
        d.answer(MsgAnswer::OK, notDone(shown) + shown + " (geen programmamap van Zandrel Tofmaar)", Title);
        const QStringList before = i.box.everything();
        Uninst::Main(folder);
        VERIFY_DIALOGS(d);
        QCOMPARE(d.shown[1].style, 48);
        QVERIFY(QFile::exists(i.box.home() + "/ZanTof"));
        QVERIFY(QFile::exists(i.box.home() + "/Anders/Basis.TXT"));
        QVERIFY(regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
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
        InstalledFolder i;
        const QString other = i.box.home() + "/Tweede map", otherLinks = i.box.applications() + "/Tweede";
        writeFile(i.links + "/ander.desktop", "[Desktop Entry]\n");
        RegRemoveKey(HKEY_CURRENT_USER, Installed::UninstallKey);
        if (otherInstallation) {
            for (const QString &f : i.files) writeFile(other + "/" + f, "x");
            writeFileList(other + "/uninst.lst", i.files);
            writeFileList(i.box.components() + "/installations.lst", {i.app, other});
            menuEntry(otherLinks + "/" + Installed::ProgramLink, other + "/ZanTof");
            menuEntry(otherLinks + "/" + Installed::UninstallerLink, other + "/uninst");
            InstalledFolder::entry("AppPath", other);
        }
        InstalledFolder::entry("ShellLnkPath", otherInstallation ? otherLinks : i.links);
        const QList<RegValue> entry = regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey);
        const QStringList others = otherInstallation ? i.box.everything().filter(QRegularExpression("/(Tweede|Tweede map)(/|$)"))
                                                     : QStringList();
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::OK, done(i.app), Title); // a folder with a foreign entry: no question
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QCOMPARE(QDir(i.links).entryList(QDir::Files), QStringList{"ander.desktop"});
        QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QCOMPARE(regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey).size(), entry.size());
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
        InstalledFolder i;
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
        InstalledFolder i;
        const QByteArray damaged = readFile(registryFile()).left(40);
        writeFile(registryFile(), damaged);
        removeWhole(i);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(readFile(registryFile()), damaged);
    }

    void whatCannotBeDeletedIsNamedAndTheEntryStays()
    {
        InstalledFolder i;
        if (!setFolderWritable(i.app + "/SYS", false)) QSKIP("cannot make a folder refuse changes here");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes);
        d.answer(MsgAnswer::OK,
                 notDone(i.app) + "SYS/libztshare.so\r\nSYS/libztshare.so.version\r\n\r\n" + RunAgain, Title);
        Uninst::Main(i.app);
        setFolderWritable(i.app + "/SYS", true);
        VERIFY_DIALOGS(d);
        QVERIFY(regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
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
        QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(!QFileInfo::exists(i.links));
        QVERIFY(!QFileInfo::exists(i.box.components()));
    }

    // A long result names the first paths and counts the rest, so that its button stays on a small screen.
    void aLongResultFitsTheScreen()
    {
        InstalledFolder i;
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

    // A list with CR LF line ends names the same files as one with LF.
    void aListWithCrLfLineEnds()
    {
        InstalledFolder i;
        QByteArray crlf;
        for (const QString &f : i.files) crlf += (f + "\r\n").toUtf8();
        writeFile(i.app + "/uninst.lst", crlf);
        removeWhole(i);
        if (QTest::currentTestFailed()) return;
        QVERIFY(!QFileInfo::exists(i.box.components()));
        QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
    }

    // Whatever part of an installation is left stays removable: uninst beside the package's files, or
    // in the folder the entry names, removes by the package's list once the program and its list are
    // gone; a list that names itself or uninst is not trusted for those two.
    void whatIsLeftOfAnInstallationStaysRemovable_data()
    {
        QTest::addColumn<QString>("gone");   // files of the installation removed before the run
        QTest::addColumn<QString>("entry");  // what the entry's AppPath names: "app" or "other"
        QTest::addColumn<QString>("listed"); // extra lines of the list, when it is there
        QTest::newRow("list and program gone, the entry names it") << "uninst.lst,ZanTof" << "app" << "";
        QTest::newRow("list and program gone, the entry elsewhere") << "uninst.lst,ZanTof" << "other" << "";
        QTest::newRow("only uninst left, the entry names it")
            << "uninst.lst,ZanTof,Basis.TXT,Kleur.txt,ICO/ZanTof.ico,IMG/10.ico,SYS/libztshare.so,SYS/libztshare.so.version,"
               "Vormen/Kozijn1.bmp" << "app" << "";
        QTest::newRow("the list names itself") << "" << "app" << "uninst.lst,UNINST.LST";
        QTest::newRow("the list names itself first") << "" << "app" << "!uninst.lst,uninst";
    }
    void whatIsLeftOfAnInstallationStaysRemovable()
    {
        QFETCH(QString, gone);
        QFETCH(QString, entry);
        QFETCH(QString, listed);
        InstalledFolder i;
        if (!listed.isEmpty()) {
            QStringList lines = i.files;
            for (QString line : listed.split(',')) {
                if (line.startsWith('!')) lines.prepend(line.mid(1));
                else lines << line;
            }
            writeFileList(i.app + "/uninst.lst", lines);
        }
        for (const QString &name : gone.split(',', Qt::SkipEmptyParts)) QVERIFY(QFile::remove(i.app + "/" + name));
        if (entry == "other") InstalledFolder::entry("AppPath", i.box.home() + "/Elders");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title).answer(MsgAnswer::Yes, folderQuestion(i.links), "Verwijderen");
        d.answer(MsgAnswer::OK, done(i.app), Title);
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QVERIFY(!QFileInfo::exists(i.links));
        QCOMPARE(regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey), entry == "other");
        QVERIFY(!QFileInfo::exists(i.box.components()));
    }

    // The entry's menu folder counts only inside the applications folder: uninst neither asks about
    // nor walks a folder elsewhere, and the applications folder itself stays.
    void theMenuFolderOfTheEntryStaysInTheApplicationsFolder_data()
    {
        QTest::addColumn<QString>("links"); // what ShellLnkPath names
        QTest::newRow("a folder of the user's") << "@home/Documenten";
        QTest::newRow("an empty folder of the user's") << "@home/Documenten/Leeg";
        QTest::newRow("above the home folder") << "@root";
        QTest::newRow("the root") << "/";
        QTest::newRow("out through ..") << "@apps/../../../Documenten";
        QTest::newRow("the applications folder itself") << "@apps";
    }
    void theMenuFolderOfTheEntryStaysInTheApplicationsFolder()
    {
        QFETCH(QString, links);
        InstalledFolder i;
        links.replace("@home", i.box.home()).replace("@root", i.box.root()).replace("@apps", i.box.applications());
        QDir().mkpath(i.box.home() + "/Documenten");
        // A copy of our menu entry that the user keeps elsewhere is no entry of the menu.
        menuEntry(i.box.home() + "/Documenten/" + Installed::ProgramLink, i.app + "/ZanTof");
        menuEntry(i.box.home() + "/Documenten/Leeg/" + Installed::UninstallerLink, i.app + "/uninst");
        QVERIFY(QFile::remove(i.box.home() + "/Documenten/Leeg/" + Installed::UninstallerLink));
        if (links == i.box.applications()) { // our entries alone in it
            for (const QString &name : {Installed::ProgramLink, Installed::UninstallerLink})
                QVERIFY(QFile::rename(i.links + "/" + name, i.box.applications() + "/" + name));
            QVERIFY(QDir().rmdir(i.links));
        }
        InstalledFolder::entry("ShellLnkPath", links);
        const QStringList documents = TreeState(treeState(i.box.home() + "/Documenten")).keys();
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title);
        if (links != i.box.applications()) d.answer(MsgAnswer::Yes, folderQuestion(i.links), "Verwijderen");
        d.answer(MsgAnswer::OK, done(i.app), Title);
        QElapsedTimer took;
        took.start();
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QVERIFY2(took.elapsed() < 5000, "the file system was walked");
        QCOMPARE(TreeState(treeState(i.box.home() + "/Documenten")).keys(), documents);
        QVERIFY(QFileInfo(i.box.applications()).isDir());
        QCOMPARE(QDir(i.box.applications()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(!QFileInfo::exists(i.box.components()));
    }

    // The components stay while another folder holds the program and the entry or a menu entry names
    // it, though their list names only this one.
    void anInstallationOnNoListKeepsTheComponents_data()
    {
        QTest::addColumn<bool>("byTheEntry");
        QTest::newRow("the entry names it") << true;
        QTest::newRow("a menu entry names it") << false;
    }
    void anInstallationOnNoListKeepsTheComponents()
    {
        QFETCH(bool, byTheEntry);
        InstalledFolder i;
        const QString other = i.box.root() + "/elders/Zandrel Tofmaar";
        writeFile(other + "/ZanTof", "x");
        RegRemoveKey(HKEY_CURRENT_USER, Installed::UninstallKey);
        if (byTheEntry) InstalledFolder::entry("AppPath", other);
        else menuEntry(i.box.applications() + "/Elders/" + Installed::ProgramLink, other + "/ZanTof");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title).answer(MsgAnswer::Yes, folderQuestion(i.links), "Verwijderen");
        d.answer(MsgAnswer::OK, done(i.app), Title);
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QVERIFY(QFile::exists(i.box.components() + "/libztshare.so"));
        QVERIFY(QFile::exists(i.box.components() + "/libztshare.so.version"));
    }

    // A list that is there but cannot be read is never replaced by the package's list: nothing goes,
    // and the result names it. So for the components' list: it is named, and uninst stays.
    void aListThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("list"); // "own" or "components"
        QTest::addColumn<QString>("what"); // "folder", "fifo", "huge"
        for (const char *list : {"own", "components"})
            for (const char *what : {"folder", "fifo", "huge"})
                QTest::newRow(qPrintable(QString(list) + " list: " + what)) << list << what;
    }
    void aListThatCannotBeRead()
    {
        QFETCH(QString, list);
        QFETCH(QString, what);
        InstalledFolder i;
        const QString path = list == "own" ? i.app + "/uninst.lst" : i.box.components() + "/installations.lst";
        putInTheWay(path, what);
        const QStringList before = i.left();
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title);
        d.answer(MsgAnswer::OK, notDone(i.app) + (list == "own" ? "uninst.lst" : path) + "\r\n\r\n" + RunAgain, Title);
        QVERIFY(endsWithin(list == "own" ? 1000 : 30000, [&] { Uninst::Main(i.app); }));
        VERIFY_DIALOGS(d);
        if (list == "own") QCOMPARE(i.left(), before);
        else // the files went; the folders stay for the second run
            QCOMPARE(i.left(), QStringList({"EMail.log", "ICO", "IMG", "Project.tof", "SYS", "Vormen", "eigen.doc", "uninst", "uninst.lst"}));
        QCOMPARE(QDir(i.links).entryList(QDir::Files),
                 list == "own" ? QStringList({Installed::UninstallerLink, Installed::ProgramLink}) : QStringList{Installed::UninstallerLink});
        QVERIFY(regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(QFile::exists(i.box.components() + "/libztshare.so"));
    }

    // A registry file or a menu entry that is no regular file holds nothing up.
    void aRegistryOrMenuEntryThatIsNoFileHoldsNothingUp_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("registry") << "registry";
        QTest::newRow("menu entry") << "entry";
    }
    void aRegistryOrMenuEntryThatIsNoFileHoldsNothingUp()
    {
        QFETCH(QString, which);
        InstalledFolder i;
        const QString path = which == "registry" ? registryFile() : i.box.applications() + "/Ander/" + Installed::ProgramLink;
        QDir().mkpath(QFileInfo(path).path());
        putInTheWay(path, "fifo");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title).answer(MsgAnswer::Yes, folderQuestion(i.links), "Verwijderen");
        // A registry that cannot be read holds no entry of this installation's: there is none to remove.
        d.answer(MsgAnswer::OK, done(i.app), Title);
        QVERIFY(endsWithin(30000, [&] { Uninst::Main(i.app); }));
        VERIFY_DIALOGS(d);
        QCOMPARE(i.left(), QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QVERIFY(QFileInfo(path).exists());
    }

    // The program folder read-only, as a user whose rights count: the program stays, so both of its
    // menu entries stay.
    void aProgramThatStaysKeepsItsMenuEntries()
    {
        RUN_AS_UNPRIVILEGED_USER();
        InstalledFolder i;
        QVERIFY(setFolderWritable(i.app, false));
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title);
        d.answer(MsgAnswer::OK);
        Uninst::Main(i.app);
        setFolderWritable(i.app, true);
        VERIFY_DIALOGS(d);
        QVERIFY(d.shown.value(1).prompt.startsWith(notDone(i.app) + "ZanTof\r\n"));
        QVERIFY(QFile::exists(i.app + "/ZanTof"));
        QCOMPARE(QDir(i.links).entryList(QDir::Files), QStringList({Installed::UninstallerLink, Installed::ProgramLink}));
    }

    // Exactly one path more than a result names: the count line shows.
    void elevenPathsLeft()
    {
        InstalledFolder i;
        QStringList many = i.files;
        for (int n = 0; n < 10; ++n) many << QString("IMG/%1.ico").arg(20 + n);
        for (const QString &f : many) writeFile(i.app + "/" + f, "x");
        writeFileList(i.app + "/uninst.lst", many);
        if (!setFolderWritable(i.app + "/IMG", false)) QSKIP("cannot make a folder refuse changes here");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes).answer(MsgAnswer::OK);
        Uninst::Main(i.app);
        setFolderWritable(i.app + "/IMG", true);
        VERIFY_DIALOGS(d);
        QStringList shown{"IMG/10.ico"};
        for (int n = 20; n < 29; ++n) shown << QString("IMG/%1.ico").arg(n);
        QCOMPARE(d.shown.value(1).prompt, notDone(i.app) + shown.join("\r\n") + "\r\nen 1 andere\r\n\r\n" + RunAgain);
    }

    // What a killed setup left beside its files goes with the installation: only in the package's folders.
    void theTemporariesOfAKilledSetupGo()
    {
        InstalledFolder i;
        writeFile(i.app + "/IMG/.zantof-Ab12Cd", "half");
        writeFile(i.app + "/.zantof-Xy34Zw", "half");
        writeFile(i.app + "/Eigen/.zantof-Ab12Cd", "mine");
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title).answer(MsgAnswer::Yes, folderQuestion(i.links), "Verwijderen");
        d.answer(MsgAnswer::OK, done(i.app), Title);
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QCOMPARE(i.left(), QStringList({"EMail.log", "Eigen", "Project.tof", "eigen.doc"}));
        QCOMPARE(readFile(i.app + "/Eigen/.zantof-Ab12Cd"), QByteArray("mine"));
        QVERIFY(!QFileInfo::exists(i.app + "/IMG"));
    }

    // Another setup or uninst holds the folder (here a second process through flock): uninst says so
    // and writes nothing; once that one has let go it runs, and leaves no lock file behind.
    void aFolderInUseIsLeftAlone()
    {
        InstalledFolder i;
        QProcess holder;
        holder.setProgram("flock");
        holder.setArguments({"--exclusive", i.app + "/" + Installed::LockFile, "-c", "echo held; exec cat"});
        holder.start();
        QVERIFY(holder.waitForStarted(10000));
        QVERIFY(holder.waitForReadyRead(30000));
        QCOMPARE(holder.readLine(), QByteArray("held\n"));
        const QStringList before = i.box.everything();
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title);
        d.answer(MsgAnswer::OK, "Setup of het verwijderprogramma wordt al uitgevoerd voor deze map:\r\n      " + i.app
                                    + "\r\n\r\nWacht tot dat klaar is en probeer het dan opnieuw.", Title);
        Uninst::Main(i.app);
        VERIFY_DIALOGS(d);
        QCOMPARE(i.box.everything(), before);
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(30000));
        removeWhole(i);
    }

    // A list of 100,000 names: the removal grows with the list, and shows its window before it
    // removes the first file.
    void aLongListGoesInReasonableTime()
    {
        InstalledFolder i;
        QStringList many = i.files;
        // Two files a folder: what grows with the list is the files and the folders alike.
        for (int n = 0; n < 100000; ++n) many << QString("IMG/map%1/plaatje%2.ico").arg(n / 2).arg(n);
        writeFileList(i.app + "/uninst.lst", many);
        // Making the tree is linear work of the same kind as removing it: the yardstick, whatever the
        // machine's load.
        QElapsedTimer making;
        making.start();
        for (int n = 0; n < 100000; n += 2) {
            const QByteArray folder = QFile::encodeName(i.app + QString("/IMG/map%1").arg(n / 2));
            QCOMPARE(::mkdir(folder.constData(), 0755), 0);
            const int fd = ::open((folder + "/plaatje" + QByteArray::number(n) + ".ico").constData(), O_CREAT | O_WRONLY, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        const qint64 madeIn = making.elapsed();
        RemovalWindow window;
        bool shownBeforeRemoving = false, shotTaken = false;
        QList<qsizetype> reports;
        ScriptedDialogs d;
        d.answer(MsgAnswer::Yes, confirm(i.app), Title).answer(MsgAnswer::Yes, folderQuestion(i.links), "Verwijderen");
        d.answer(MsgAnswer::OK, done(i.app), Title);
        QElapsedTimer took;
        took.start();
        Uninst::Main(i.app, [&](qsizetype done, qsizetype total) {
            if (reports.isEmpty()) {
                QCOMPARE(total, many.size());
                shownBeforeRemoving = QFile::exists(i.app + "/ZanTof") && QFile::exists(i.app + "/IMG/map0/plaatje0.ico");
            }
            reports << done;
            window.report(done, total);
            if (done == total / 2 && !shotTaken) {
                shotTaken = true;
                QVERIFY(window.isVisible());
                QCOMPARE(window.bar()->value(), int(done * 100 / total));
                saveShot(&window, "uninst-5-bezig");
            }
        });
        const qint64 ms = took.elapsed();
        VERIFY_DIALOGS(d);
        QVERIFY(shownBeforeRemoving);
        QVERIFY(shotTaken);
        QCOMPARE(reports.first(), 0);
        QCOMPARE(reports.last(), many.size());
        QVERIFY(!window.isVisible());
        // Linear, the removal takes a few times as long as making the tree; the folders compared with
        // each other, a hundred times and more.
        QVERIFY2(ms < 20 * madeIn + 5000, qPrintable(QString("%1 ms, the tree made in %2 ms").arg(ms).arg(madeIn)));
        qInfo("100,000 names in %lld ms, made in %lld ms", ms, madeIn);
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
        InstalledFolder i;
        const QStringList names = {"uninst-1-zeker", "uninst-2-map", "uninst-3-verwijderd"};
        const int shown = runWithRealBoxes(i.app, [&](QMessageBox *box, int n) { saveShot(box, names.value(n)); });
        QCOMPARE(shown, 3);
    }
};

QTEST_MAIN(TestUninst)
#include "tst_uninst.moc"
