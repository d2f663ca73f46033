// The installation without its wizard, in a sandbox home: its outcome and failures as returned, the
// folder's lock over the whole run, and its end while a component hangs.
#include "SmallPackage.h"
#include "TestSupport.h"
#include "WorkerProbes.h"
#include "setup/Installation.h"
#include "setup/Installed.h"
#include "setup/Register.h"
#include "setup/Registry.h"
#include "setup/SystemTools.h"

#include <QElapsedTimer>
#include <QSemaphore>

#include <csignal>

namespace {
// A sandbox home with an archive of its own, set up as setup's load leaves the system: the test
// program is no setup, so a component's registration starts the real one.
struct Run {
    Sandbox box;
    QString archive = box.root() + "/bron/ZanTof.zip";
    QString target = box.home() + "/Zandrel Tofmaar";
    QSemaphore ended;

    explicit Run(const QList<Item> &items) : previousProgram(setRegistrationProgram(SETUP_PROGRAM))
    {
        QDir().mkpath(box.root() + "/bron");
        if (!makeArchive(archive, items)) qFatal("no archive");
        InitSystemInfo();
        createdFolders().clear();
    }
    ~Run() { setRegistrationProgram(previousProgram); }
    // The target folder as the target page leaves it, made where missing, then locked.
    bool lock(Installation &installation) const { return CreateFolderPath(target, false, true) && installation.lock(target); }
    void start(Installation &installation)
    {
        installation.start(archive, {}, [this] { ended.release(); });
    }
    // Whether another setup or uninst could take the program folder now.
    bool lockFree() const
    {
        FolderLock other;
        return other.acquire(target) != FolderLock::Result::Busy;
    }

private:
    QString previousProgram;
};
}

class TestInstallation : public QObject {
    Q_OBJECT
private slots:
    // What ends the worker's part, as the installation returns it; undo() leaves the sandbox as it was.
    // The archive without the shared runtime is refused at setup's start; the installation still
    // says so itself rather than that the missing file does not register.
    void aFailedRunSaysWhyAndUndoesItself_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<bool>("wroteAny");
        QTest::newRow("no shared runtime") << "noruntime"
                                           << "het onderdeel \"SYS/libztshare.so\" ontbreekt in het installatiebestand"
                                           << "" << true;
        QTest::newRow("a file where a folder belongs")
            << "file" << "het onderdeel \"SYS/libztshare.so\" kan niet worden geschreven: op de plaats van een map staat een bestand"
            << "foutcode 4" << true;
        QTest::newRow("a runtime that does not register")
            << "register" << "het onderdeel \"SYS/libztshare.so\" kan niet worden geregistreerd" << "@/libztshare.so" << true;
        QTest::newRow("a link in the target")
            << "link" << "het onderdeel \"Basis.TXT\" zou via een symbolische koppeling in de doelmap worden geschreven"
            << "foutcode 2" << false;
    }
    void aFailedRunSaysWhyAndUndoesItself()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, reason);
        QFETCH(QString, detail);
        QFETCH(bool, wroteAny);
        QList<Item> items = programs();
        if (trouble == "register") items << Item{"SYS/libztshare.so", "geen bibliotheek"};
        else if (trouble != "noruntime") items += sharedRuntime();
        Run run(items);
        if (trouble == "file") writeFile(run.target + "/SYS", "een bestand van de gebruiker");
        if (trouble == "link") {
            writeFile(run.box.root() + "/elders/eigen.txt", "van de gebruiker");
            QDir().mkpath(run.target);
            QVERIFY(QFile::link(run.box.root() + "/elders/eigen.txt", run.target + "/Basis.TXT"));
        }
        const TreeState before = treeState(run.box.root());
        {
            Installation installation;
            QVERIFY(run.lock(installation));
            run.start(installation);
            QVERIFY(run.ended.tryAcquire(1, 60000));
            installation.wait();
            QCOMPARE(int(installation.outcome()), int(Installation::Outcome::Failed));
            QCOMPARE(installation.failure().reason, reason);
            QCOMPARE(installation.failure().detail, detail.replace("@", run.box.components()));
            QCOMPARE(installation.wroteAny(), wroteAny);
            QVERIFY(!run.lockFree());
            installation.undo();
            QVERIFY(run.lockFree());
        }
        QCOMPARE(treeState(run.box.root()), before);
        QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
    }

    // A whole run: nothing failed, the menu entries and the uninstall entry name the folder. The lock
    // is held through complete() and goes with finish(), which leaves no lock file.
    void aWholeRunHoldsTheLockUntilItFinishes()
    {
        Run run(programs() + sharedRuntime());
        Installation installation;
        QVERIFY(run.lock(installation));
        run.start(installation);
        QVERIFY(run.ended.tryAcquire(1, 60000));
        installation.wait();
        QCOMPARE(int(installation.outcome()), int(Installation::Outcome::Unpacked));
        QVERIFY(!run.lockFree());
        QCOMPARE(installation.complete("Fabriek\\Zandrel Tofmaar"), QStringList());
        QCOMPARE(installation.shortcutFolder(), run.box.applications() + "/Fabriek/Zandrel Tofmaar");
        QVERIFY(QFileInfo(installation.shortcutFolder() + "/" + Installed::ProgramLink).isFile());
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "AppPath"), run.target);
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "ShellLnkPath"), installation.shortcutFolder());
        QVERIFY(!run.lockFree());
        installation.finish();
        QVERIFY(run.lockFree());
        QVERIFY(!QFileInfo::exists(run.target + "/" + Installed::LockFile));
        QCOMPARE(readFileList(run.target + "/" + Installed::FileList).value(),
                 QStringList({"ZanTof", "uninst", "Basis.TXT", "SYS/libztshare.so", "SYS/libztshare.so.version"}));
    }

    // Stopped while the unpack is held before its first file: Stopped, nothing to say, nothing
    // written that undo() removes; leave() takes the folder it made.
    void aStopInTheHeldUnpackIsNoFailure()
    {
        Run run(programs() + sharedRuntime());
        const TreeState before = treeState(run.box.root());
        QSemaphore held;
        setUnpackHeldHook([&] { held.release(); });
        Installation installation;
        QVERIFY(run.lock(installation));
        installation.pause();
        run.start(installation);
        const bool wasHeld = held.tryAcquire(1, 60000);
        installation.stop();
        setUnpackHeldHook(nullptr);
        QVERIFY(wasHeld);
        QVERIFY(run.ended.tryAcquire(1, 60000));
        QCOMPARE(int(installation.outcome()), int(Installation::Outcome::Stopped));
        QVERIFY(!installation.wroteAny());
        installation.leave();
        QCOMPARE(treeState(run.box.root()), before);
    }

    // An installation that goes while a component hangs in its registration stops it there: the
    // component's process is killed and the end does not wait out the registration's wait.
    void anInstallationThatGoesEndsAHangingRegistration()
    {
        const int previous = setRegistrationWait(120000);
        Run run(programs() + sharedRuntime() + QList<Item>{{"SYS/libhangs.so", readFile(COMPONENT_HANGS)}});
        HangMark mark;
        pid_t hanging = 0;
        QElapsedTimer ending;
        {
            Installation installation;
            QVERIFY(run.lock(installation));
            run.start(installation);
            hanging = mark.waitForEntry([&] { return !run.ended.available(); });
            QVERIFY(hanging > 0);
            ending.start();
        }
        setRegistrationWait(previous);
        QVERIFY2(ending.elapsed() < 60000, "the end waited for the registration");
        QVERIFY(run.ended.tryAcquire(1, 0));
        QVERIFY2(::kill(hanging, 0) != 0, "the hanging component's process lives on");
        QVERIFY(run.lockFree());
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
