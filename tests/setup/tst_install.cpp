#include "Archive.h"
#include "InstalledPrograms.h"
#include "WizardFixture.h"
#include "setup/Installed.h"
#include "setup/Registry.h"
#include "setup/ShellLink.h"
#include "setup/Unpack.h"

#include <QProcess>

namespace {
const QString Confirm = "Zandrel Tofmaar verwijderen|Weet u zeker dat u Zandrel Tofmaar en alle bijbehorende "
                        "componenten wilt verwijderen ?";
const QString Done = "Zandrel Tofmaar verwijderen|Zandrel Tofmaar 2.0 is met succes van deze computer verwijderd.";
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
        z.install();
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
        QCOMPARE(readFileList(target + "/uninst.lst").value(), files);
        for (const QString &name : files) QCOMPARE(readFile(target + "/" + name).isEmpty(), false);
        QVERIFY(QFileInfo(target + "/ZanTof").isExecutable());
        QVERIFY(QFileInfo(target + "/uninst").isExecutable());
        QVERIFY(!QFileInfo(target + "/Basis.TXT").isExecutable());
        QVERIFY(QFile::exists(z.box.components() + "/libztshare.so"));
        QCOMPARE(readFile(z.box.components() + "/libztshare.so.version"), QByteArray("2.0.0.0\n"));

        // The uninstall entry: exactly four values, in order.
        const QString links = z.box.applications() + "/Zandrel Tofmaar";
        const QList<RegValue> values = RegKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey);
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
        QCOMPARE(no.boxes, QStringList{Confirm});
        QCOMPARE(z.box.everything(), before);
        QCOMPARE(RegKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey).size(), 4);

        const Run yes = runInstalled(programs[1], target, {"Yes", "Yes", "OK"}, 20000);
        QCOMPARE(yes.exitCode, 0);
        QCOMPARE(yes.boxes, QStringList({Confirm, "Verwijderen|Weet u zeker dat u " + links + " wilt verwijderen ?", Done}));
        QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
                 QStringList({"EMail.log", "Project.tof", "eigen.doc"}));
        QVERIFY(!QFileInfo::exists(links));
        QVERIFY(QFile::exists(z.box.applications() + "/ander.desktop"));
        QVERIFY(!RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));

        // A second run finds nothing to remove.
        QFile::copy(QString(PACKAGE_DIR) + "/../uninst", z.box.root() + "/uninst");
        const QStringList after = z.box.everything();
        const Run again = runInstalled(z.box.root() + "/uninst", z.box.root(), {"Yes", "OK"}, 20000);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.boxes, QStringList({Confirm, Done}));
        QCOMPARE(z.box.everything(), after);
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
