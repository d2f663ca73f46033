#include "Archive.h"
#include "InstalledPrograms.h"
#include "WizardFixture.h"
#include "setup/FolderLock.h"
#include "setup/Installed.h"
#include "setup/Registry.h"
#include "setup/ShellLink.h"
#include "setup/Unpack.h"

#include <QProcess>

namespace {
// The uninstaller's boxes as the box spy records them: "title|text", line ends as "\\n".
QString confirm(const QString &folder)
{
    return "Zandrel Tofmaar verwijderen|Weet u zeker dat u Zandrel Tofmaar in " + folder
         + " en alle bijbehorende componenten wilt verwijderen ?";
}
QString done(const QString &folder)
{
    return "Zandrel Tofmaar verwijderen|Zandrel Tofmaar 2.0 in " + folder + " is met succes van deze computer verwijderd.";
}
QString notDone(const QString &folder, const QStringList &remains)
{
    return "Zandrel Tofmaar verwijderen|Zandrel Tofmaar 2.0 in " + folder
         + " is niet volledig van deze computer verwijderd. Dit is blijven staan:\\n\\n" + remains.join("\\n");
}
QString folderQuestion(const QString &folder) { return "Verwijderen|Weet u zeker dat u " + folder + " wilt verwijderen ?"; }

const QString RunAgain = "Het verwijderprogramma blijft staan. Start het opnieuw zodra dit verwijderd kan worden.";

// Installs the package the build makes through the wizard: with its defaults, or into another
// target with another Start-menu folder. True when it got to the last page without a box.
// `other`: the folder of an installation that stands elsewhere, which setup asks about.
bool installPackage(Wizard &z, const QString &target = {}, const QString &menu = {}, const QString &other = {})
{
    if (z.w) {
        delete z.w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (!z.start(PACKAGE_DIR)) return false;
    z.next();
    if (!target.isEmpty()) z.s().Text1[0]->setText(target);
    if (!other.isEmpty()) z.dialogs.answer(MsgAnswer::Yes, otherInstallationQuestion(other, target), "Setup");
    z.next();
    if (!menu.isEmpty()) z.s().Text1[1]->setText(menu);
    z.next();
    z.s().CmdInstall->click();
    if (!z.waitForInstall() || !z.alive()) return false;
    const bool installed = z.dialogs.verify().isEmpty() && z.s().CurrentStep == 5;
    z.s().CmdFinish->click();
    return installed;
}

// The program a menu entry starts.
QString entryProgram(const QString &entry)
{
    QString exe, dir, args, icon;
    int index = 0, show = 0;
    cShellLink().GetShellLinkInfo(entry, exe, dir, args, icon, index, show);
    return exe;
}

// A sandbox with no trace of an installation: the folders a desktop keeps anyway, and what the user keeps.
QStringList clean(const Sandbox &box, const QStringList &kept = {})
{
    QStringList out{box.home(), box.config(), box.home() + "/.local", box.home() + "/.local/share", box.applications()};
    out += kept;
    out.sort();
    return out;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList below(const QStringList &paths, const QString &folder)
{
    QStringList out;
    for (const QString &p : paths)
        if (p == folder || p.startsWith(folder + "/")) out << p;
    return out;
}

// What `file` says of a program.
QString fileType(const QString &path)
{
    QProcess p;
    p.start("file", {"-b", path});
    return p.waitForFinished(20000) ? QString::fromUtf8(p.readAllStandardOutput()).trimmed() : QString();
}
}

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    // The package's setup itself: it shows its wizard, and without an archive it says so and ends.
    void thePackagesSetupStarts()
    {
        Sandbox box;
        const QString setup = QString(PACKAGE_DIR) + "/setup";
        const Run shown = runInstalled(setup, box.root(), {}, 3000, {PACKAGE_DIR});
        QCOMPARE(shown.boxes, QStringList());
        QCOMPARE(shown.exitCode, -1);
        const Run refused = runInstalled(setup, box.root(), {"OK"}, 20000, {box.root()});
        QCOMPARE(refused.boxes, QStringList{"FOUTMELDING|\"ZanTof.zip\" niet gevonden."});
        QCOMPARE(refused.exitCode, 1);
    }

    // Without an argument the package's setup takes the archive beside itself, wherever it is started
    // from, and else the one in the current folder; with neither it says so.
    void withoutAnArgumentTheArchiveBesideSetupComesFirst()
    {
        Sandbox box;
        const QString elsewhere = box.root() + "/elders", alone = box.root() + "/los";
        QDir().mkpath(elsewhere);
        QDir().mkpath(alone);
        QVERIFY(QFile::copy(QString(PACKAGE_DIR) + "/setup", alone + "/setup"));
        QFile(alone + "/setup").setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const Run beside = runInstalled(QString(PACKAGE_DIR) + "/setup", elsewhere, {}, 3000);
        QCOMPARE(beside.boxes, QStringList());
        QCOMPARE(beside.exitCode, -1);
        const Run nowhere = runInstalled(alone + "/setup", elsewhere, {"OK"}, 20000);
        QCOMPARE(nowhere.boxes, QStringList{"FOUTMELDING|\"ZanTof.zip\" niet gevonden."});
        QCOMPARE(nowhere.exitCode, 1);
        QVERIFY(QFile::copy(QString(PACKAGE_DIR) + "/ZanTof.zip", elsewhere + "/ZanTof.zip"));
        const Run current = runInstalled(alone + "/setup", elsewhere, {}, 3000);
        QCOMPARE(current.boxes, QStringList());
        QCOMPARE(current.exitCode, -1);
    }

    // The package's setup given a hostile archive: refused before the first page, the entry named,
    // and nothing written anywhere in the sandbox.
    void thePackagesSetupRefusesAHostileArchive()
    {
        Sandbox box;
        const QString folder = box.root() + "/bron";
        QDir().mkpath(folder);
        QVERIFY(makeArchive(folder + "/ZanTof.zip", {{"ZanTof", "#!/bin/sh\n", S_IFREG | 0755}, {":/outside.txt", "kwaad"}}));
        QDir().mkpath(box.root() + "/elders");
        const QStringList before = box.everything();
        const Run refused = runInstalled(QString(PACKAGE_DIR) + "/setup", box.root() + "/elders", {"OK"}, 20000, {folder});
        QCOMPARE(refused.boxes, QStringList{"FOUTMELDING|Het installatiebestand ZanTof.zip is onveilig: het onderdeel "
                                            "\":/outside.txt\" zou buiten de doelmap terechtkomen. (foutcode 2)"});
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(box.everything(), before);
    }

    // The package the build makes, installed into a sandbox home, started, and removed again.
    void installStartAndRemove()
    {
        Wizard z;
        const QString archive = QString(PACKAGE_DIR) + "/ZanTof.zip";
        QVERIFY(QFileInfo(QString(PACKAGE_DIR) + "/setup").isExecutable());
        QVERIFY(z.start(PACKAGE_DIR));
        QVERIFY(z.install());
        QVERIFY(z.alive());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.s().CurrentStep, 5);
        z.s().CmdFinish->click();
        QCOMPARE(QDir::currentPath(), z.startFolder);

        // The files: the archive's, with the programs executable, and the list of them for uninst.
        const QString target = z.target();
        QStringList files;
        for (const QString &name : archiveNames(archive))
            if (!name.endsWith('/')) files << name;
        for (const QString name : {"ZanTof", "uninst", "Basis.TXT", "Kozhout.TXT", "ICO/ZanTof.ico", "SYS/libztshare.so"})
            QVERIFY2(files.contains(name), qPrintable(name));
        QVERIFY(files.contains("Vormen/Kozijn1.bmp"));
        // uninst knows the package's files without any list of the installation's.
        QCOMPARE(Installed::packageFiles(), files);
        QCOMPARE(readFileList(target + "/uninst.lst").value(), files);
        for (const QString &name : files) QCOMPARE(readFile(target + "/" + name).isEmpty(), false);
        QVERIFY(QFileInfo(target + "/ZanTof").isExecutable());
        QVERIFY(QFileInfo(target + "/uninst").isExecutable());
        QVERIFY(!QFileInfo(target + "/Basis.TXT").isExecutable());
        // The package's programs are stripped.
        for (const QString &program : {QString(PACKAGE_DIR) + "/setup", target + "/ZanTof", target + "/uninst",
                                       z.box.components() + "/libztshare.so"}) {
            const QString type = fileType(program);
            QVERIFY2(type.startsWith("ELF") && type.endsWith(", stripped"), qPrintable(program + ": " + type));
        }
        QVERIFY(QFile::exists(z.box.components() + "/libztshare.so"));
        QCOMPARE(readFile(z.box.components() + "/libztshare.so.version"), QByteArray("2.0.0.0\n"));

        // The uninstall entry: exactly four values, in order.
        const QString links = z.box.applications() + "/Zandrel Tofmaar";
        const QList<RegValue> values = regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey);
        QCOMPARE(values.size(), 4);
        const QStringList names{"DisplayName", "UninstallString", "AppPath", "ShellLnkPath"};
        const QStringList data{"Zandrel Tofmaar 2.0", target + "/uninst", target, links};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(values[i].name, names[i]);
            QCOMPARE(values[i].data, data[i]);
            QCOMPARE(values[i].size, int(data[i].size()) + 1);
        }

        // Two menu entries that Debian's validator accepts, starting the programs in the target.
        QCOMPARE(QDir(links).entryList(QDir::Files, QDir::Name),
                 QStringList({"Verwijder Zandrel tofmaar.desktop", "Zandrel tofmaar.desktop"}));
        QString programs[2];
        for (int i = 0; i < 2; ++i) {
            const QString entry = links + "/" + (i == 0 ? Installed::ProgramLink : Installed::UninstallerLink);
            QCOMPARE(validateDesktopEntry(entry), QString());
            QString exe, dir, args, icon;
            int index = 0, show = 0;
            QCOMPARE(cShellLink().GetShellLinkInfo(entry, exe, dir, args, icon, index, show), -1);
            QCOMPARE(dir, target);
            programs[i] = exe;
        }
        QCOMPARE(programs[0], target + "/ZanTof");
        QCOMPARE(programs[1], target + "/uninst");

        // The installed program starts on the installed catalogue and stays up: no box, no end.
        const Run started = runInstalled(programs[0], target, {}, 4000);
        QCOMPARE(started.boxes, QStringList());
        QCOMPARE(started.exitCode, -1);
        // The same program without its catalogue says so at once: the spy does see what it shows.
        QTemporaryDir empty;
        const Run bare = runInstalled(programs[0], empty.path(), {}, 20000);
        QCOMPARE(bare.exitCode, 70);
        QVERIFY2(bare.boxes.value(0).contains("Vraag uw timmerbedrijf voor dit bestand."), qPrintable(bare.boxes.join('\n')));

        // The user's own files in the program folder.
        writeFile(target + "/Project.tof", "project");
        writeFile(target + "/EMail.log", "log");
        writeFile(target + "/eigen.doc", "someone else's");
        writeFile(z.box.applications() + "/ander.desktop", "[Desktop Entry]\n");

        const QStringList before = z.box.everything();
        const Run no = runInstalled(programs[1], target, {"No"}, 20000);
        QCOMPARE(no.exitCode, 0);
        QCOMPARE(no.boxes, QStringList{confirm(target)});
        QCOMPARE(z.box.everything(), before);
        QCOMPARE(regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey).size(), 4);

        const Run yes = runInstalled(programs[1], target, {"Yes", "Yes", "OK"}, 20000);
        QCOMPARE(yes.exitCode, 0);
        QCOMPARE(yes.boxes, QStringList({confirm(target), folderQuestion(links), done(target)}));
        QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
                 QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QVERIFY(!QFileInfo::exists(links));
        QVERIFY(QFile::exists(z.box.applications() + "/ander.desktop"));
        QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        // The last installation takes the shared components, the registry store and their folders along.
        QVERIFY(!QFileInfo::exists(z.box.home() + "/.local/share/ZanTof"));
        QVERIFY(!QFileInfo::exists(z.box.config() + "/ZanTof"));

        // An uninstaller outside an installation removes nothing.
        QFile::copy(QString(PACKAGE_DIR) + "/../uninst", z.box.root() + "/uninst");
        const QStringList after = z.box.everything();
        const Run again = runInstalled(z.box.root() + "/uninst", z.box.root(), {"Yes", "OK"}, 20000);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.boxes, QStringList({confirm(z.box.root()),
                                           notDone(z.box.root(), {z.box.root() + " (geen programmamap van Zandrel Tofmaar)"})}));
        QCOMPARE(z.box.everything(), after);
    }

    // A target below folders that setup made: uninst removes those too once they are empty, and
    // leaves the home folder with nothing of the two programs in it.
    void aNestedTargetLeavesNoFoldersBehind()
    {
        Wizard z;
        const QString target = z.box.home() + "/A/B/Zandrel Tofmaar";
        QDir().mkpath(z.box.home() + "/eigen");
        QVERIFY(installPackage(z, target));
        QCOMPARE(readFileList(target + "/uninst.dir").value_or(QStringList()), QStringList({z.box.home() + "/A", z.box.home() + "/A/B"}));
        const QString links = z.box.applications() + "/Zandrel Tofmaar";
        const Run yes = runInstalled(target + "/uninst", target, {"Yes", "Yes", "OK"}, 20000);
        QCOMPARE(yes.exitCode, 0);
        QCOMPARE(yes.boxes, QStringList({confirm(target), folderQuestion(links), done(target)}));
        // The desktop's own base folders stay, empty of ours.
        QCOMPARE(QDir(z.box.home()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
                 QStringList({".config", ".local", "eigen"}));
        QCOMPARE(QDir(z.box.config()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QCOMPARE(QDir(z.box.home() + "/.local/share").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"applications"}));

        // A folder the user made, or one he put something in, stays.
        writeFile(z.box.home() + "/A/notitie.txt", "van de gebruiker");
        QVERIFY(installPackage(z, target));
        QCOMPARE(readFileList(target + "/uninst.dir").value_or(QStringList()), QStringList({z.box.home() + "/A/B"}));
        QCOMPARE(runInstalled(target + "/uninst", target, {"Yes", "Yes", "OK"}, 20000).boxes.value(2), done(target));
        QVERIFY(!QFileInfo::exists(z.box.home() + "/A/B"));
        QVERIFY(QFileInfo::exists(z.box.home() + "/A/notitie.txt"));
    }

    // Two installations, each with its own menu folder: each uninstaller removes only its own, in
    // either order, and after both nothing of them is left.
    void twoInstallationsEachRemoveOnlyTheirOwn_data()
    {
        QTest::addColumn<bool>("secondFirst");
        QTest::newRow("the first installation first") << false;
        QTest::newRow("the second installation first") << true;
    }
    void twoInstallationsEachRemoveOnlyTheirOwn()
    {
        QFETCH(bool, secondFirst);
        Wizard z;
        const QString first = z.target(), second = z.box.home() + "/Tweede map";
        QVERIFY(installPackage(z));
        QVERIFY(installPackage(z, second, "Tweede", first));
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "AppPath"), second);
        // Both use the shared components.
        const QString users = z.box.components() + "/installations.lst";
        QCOMPARE(readFile(users), (first + "\n" + second + "\n").toUtf8());
        writeFile(first + "/Project.tof", "project");

        struct Side {
            QString folder, links;
        } sides[2] = {{first, z.box.applications() + "/Zandrel Tofmaar"}, {second, z.box.applications() + "/Tweede"}};
        if (secondFirst) std::swap(sides[0], sides[1]);
        const QStringList before = z.box.everything();
        const QList<RegValue> entry = regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey);

        const Side &one = sides[0], &other = sides[1];
        const Run run = runInstalled(entryProgram(one.links + "/" + Installed::UninstallerLink), one.folder, {"Yes", "Yes", "OK"}, 20000);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.boxes, QStringList({confirm(one.folder), folderQuestion(one.links), done(one.folder)}));
        const QStringList after = z.box.everything();
        QCOMPARE(below(after, one.folder), one.folder == first ? QStringList({first, first + "/Project.tof"}) : QStringList());
        QVERIFY(!QFileInfo::exists(one.links));
        // The other installation is whole: its files, its menu entries, the shared components.
        QCOMPARE(below(after, other.folder), below(before, other.folder));
        QCOMPARE(below(after, other.links), below(before, other.links));
        QCOMPARE(below(after, z.box.components()), below(before, z.box.components()));
        QCOMPARE(readFile(users), (other.folder + "\n").toUtf8());
        // The entry goes only with the installation it names.
        QCOMPARE(regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey).size(), one.folder == second ? 0 : 4);
        if (one.folder == first) QCOMPARE(regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey).last().data, entry.last().data);

        const Run last = runInstalled(entryProgram(other.links + "/" + Installed::UninstallerLink), other.folder, {"Yes", "Yes", "OK"}, 20000);
        QCOMPARE(last.exitCode, 0);
        QCOMPARE(last.boxes, QStringList({confirm(other.folder), folderQuestion(other.links), done(other.folder)}));
        QCOMPARE(sorted(z.box.everything()), clean(z.box, {first, first + "/Project.tof"}));
    }

    // A sub-folder the uninstaller may not empty, as a user without root's rights: it says what
    // stayed, on a box that fits the screen, and keeps itself, its menu entry and the entry; once the
    // folder can be emptied a second run finishes.
    void aReadOnlyFolderThenASecondRunFinishes()
    {
        Wizard z;
        QVERIFY(installPackage(z));
        const QString target = z.target(), links = z.box.applications() + "/Zandrel Tofmaar";
        const QString uninst = entryProgram(links + "/" + Installed::UninstallerLink);
        QCOMPARE(uninst, target + "/uninst");
        const int user = ::geteuid() == 0 ? 65534 : -1; // root ignores modes: nobody then
        if (user >= 0) QCOMPARE(QProcess::execute("chown", {"-R", "65534:65534", z.box.root()}), 0);
        QVERIFY(QFile::setPermissions(target + "/IMG", QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));

        QStringList pictures;
        for (const QString &name : archiveNames(QString(PACKAGE_DIR) + "/ZanTof.zip"))
            if (name.startsWith("IMG/") && !name.endsWith('/')) pictures << name;
        QVERIFY(pictures.size() > 10);
        const Run run = runInstalled(uninst, target, {"Yes", "OK"}, 20000, {}, user);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.boxes, QStringList({confirm(target), notDone(target, pictures.mid(0, 10)) + "\\nen "
                                             + QString::number(pictures.size() - 10) + " andere\\n\\n" + RunAgain}));
        QCOMPARE(QDir(target + "/IMG").entryList(QDir::Files).size(), pictures.size());
        for (const QString name : {"uninst", "uninst.lst"}) QVERIFY2(QFile::exists(target + "/" + name), qPrintable(name));
        QVERIFY(!QFile::exists(target + "/ZanTof"));
        QCOMPARE(QDir(links).entryList(QDir::Files), QStringList{Installed::UninstallerLink});
        QCOMPARE(regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey).size(), 4);
        QVERIFY(QFile::exists(z.box.components() + "/libztshare.so"));

        QVERIFY(QFile::setPermissions(target + "/IMG", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const Run again = runInstalled(uninst, target, {"Yes", "Yes", "OK"}, 20000, {}, user);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.boxes, QStringList({confirm(target), folderQuestion(links), done(target)}));
        QCOMPARE(sorted(z.box.everything()), clean(z.box));
    }

    // The package's uninst while another process (here this one, as setup does) holds the folder: it
    // says so and removes nothing; a second uninst after the first finds nothing to do and says that.
    void uninstLeavesAFolderInUseAlone()
    {
        Wizard z;
        QVERIFY(installPackage(z));
        const QString target = z.target(), uninst = target + "/uninst";
        const QStringList before = z.box.everything();
        {
            FolderLock lock;
            QCOMPARE(lock.acquire(target), FolderLock::Result::Taken);
            const Run busy = runInstalled(uninst, target, {"Yes", "OK"}, 20000);
            QCOMPARE(busy.exitCode, 0);
            QCOMPARE(busy.boxes, QStringList({confirm(target), "Zandrel Tofmaar verwijderen|Setup of het verwijderprogramma wordt "
                                                               "al uitgevoerd voor deze map:\\n      " + target
                                                               + "\\n\\nWacht tot dat klaar is en probeer het dan opnieuw."}));
            QCOMPARE(sorted(z.box.everything()), sorted(before + QStringList{target + "/.zantof.lock"}));
        }
        QCOMPARE(z.box.everything(), before);
        const Run yes = runInstalled(uninst, target, {"Yes", "Yes", "OK"}, 20000);
        QCOMPARE(yes.boxes, QStringList({confirm(target), folderQuestion(z.box.applications() + "/Zandrel Tofmaar"), done(target)}));
        QCOMPARE(sorted(z.box.everything()), clean(z.box));
    }

    // Without its list the uninstaller removes what the package holds, and nothing the user made.
    void withoutItsListUninstKeepsWhatItDidNotInstall()
    {
        Wizard z;
        QVERIFY(installPackage(z));
        const QString target = z.target(), links = z.box.applications() + "/Zandrel Tofmaar";
        QVERIFY(QFile::remove(target + "/uninst.lst"));
        const QStringList mine = {"EMail.log", "Mijn notities.txt", "PersGeg.Txt", "Project.tof"};
        for (const QString &name : mine) writeFile(target + "/" + name, "mine");
        const Run run = runInstalled(entryProgram(links + "/" + Installed::UninstallerLink), target, {"Yes", "Yes", "OK"}, 20000);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.boxes, QStringList({confirm(target), folderQuestion(links), done(target)}));
        QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name), mine);
        QStringList kept{target};
        for (const QString &name : mine) kept << target + "/" + name;
        QCOMPARE(sorted(z.box.everything()), clean(z.box, kept));
        for (const QString &name : mine) QCOMPARE(readFile(target + "/" + name), QByteArray("mine"));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
