// The wizard's install step with real archives in a sandbox home: the check at start, the unpack on
// its thread, a stop halfway, cancelling, and what is reported when a write fails.
#include "SmallPackage.h"
#include "TreeState.h"
#include "WizardFixture.h"
#include "WorkerProbes.h"
#include "setup/Installed.h"
#include "setup/Registry.h"
#include "setup/Unpack.h"

#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QTimer>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QWindow>

#include <atomic>
#include <cstdio>

namespace {
const QString Exit = "Setup is niet voltooid. Als u nu afsluit, wordt het programma niet geïnstalleerd.\r\n\r\n"
                     "U kunt Setup later opnieuw uitvoeren om de installatie te voltooien.\r\n\r\nSetup afsluiten ?";
const QString Remove = "\r\n\r\nWilt u verwijderen wat Setup tot nu toe heeft geïnstalleerd ?";

// A folder with ZanTof.zip holding these entries; the path of the folder.
QString sourceWith(const Sandbox &box, const QList<Item> &items)
{
    const QString folder = box.root() + "/bron";
    QDir().mkpath(folder);
    return makeArchive(folder + "/ZanTof.zip", items) ? folder : QString();
}

// Many entries of bytes that do not compress: an unpack that takes a while.
QList<Item> large(int entries, int size)
{
    QList<Item> items = programs();
    for (int i = 0; i < entries; ++i) {
        QByteArray bytes(size, Qt::Uninitialized);
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
        items << Item{QString("IMG/deel%1.bmp").arg(i, 3, 10, QChar('0')), bytes};
    }
    return items + sharedRuntime();
}

int filesBelow(const QString &folder)
{
    int n = 0;
    for (const QString &path : treeState(folder).keys()) n += QFileInfo(path).isFile();
    return n;
}
}

const char *const SecondSetup = "--second-setup";

// The test program started again as a second setup: through the wizard with its defaults into the
// sandbox home it was given, "niet leeg" answered Ja, every other box OK. Prints the boxes shown, one
// a line, then the page it ended on.
int secondSetup(const QString &source)
{
    ScriptedDialogs dialogs;
    Form::setProgramEndHandler([](int code) { std::printf("ended %d\n", code); });
    dialogs.answer(MsgAnswer::Yes, QString(), "Setup").answer(MsgAnswer::OK).answer(MsgAnswer::Yes);
    QPointer<SetupFrm> w = new SetupFrm(source);
    if (!w->load()) return 2;
    w->show();
    for (int step = 1; step < 4; ++step) w->Command1[1]->click();
    if (w->CurrentStep == 4) w->CmdInstall->click();
    std::printf("page %d installing %d\n", w->CurrentStep, int(w->installing()));
    w->Command1[2]->click(); // and given up: Ja to the exit question
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const ShownBox &b : dialogs.shown) std::printf("%s\n", qPrintable(QString(b.prompt).replace("\r\n", "|")));
    std::printf("window %s\n", w ? "open" : "closed");
    std::fflush(stdout);
    delete w.data();
    return 0;
}

class TestInstallStep : public QObject {
    Q_OBJECT
private slots:
    // Before the first page, with the entry and the reason; nothing is written anywhere.
    void aBadArchiveIsRefusedAtStart_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("message");
        QTest::newRow("damaged entry") << "damaged"
                                       << "Het installatiebestand ZanTof.zip is beschadigd: het onderdeel \"Kozhout.TXT\" "
                                          "kan niet worden gelezen. (foutcode 3)";
        QTest::newRow("resource name") << ":evil.txt"
                                       << "Het installatiebestand ZanTof.zip is onveilig: het onderdeel \":evil.txt\" zou "
                                          "buiten de doelmap terechtkomen. (foutcode 2)";
        QTest::newRow("link") << "link"
                              << "Het installatiebestand ZanTof.zip is onveilig: het onderdeel \"ICO\" is een symbolische "
                                 "koppeling. (foutcode 2)";
        QTest::newRow("no zip archive") << "text"
                                        << "Het installatiebestand ZanTof.zip kan niet worden geopend: het is geen "
                                           "zip-archief of het kan niet worden gelezen. (foutcode 1)";
        // Without the shared component nothing can register: refused at start, not after the unpack.
        QTest::newRow("no shared component") << "runtime"
                                             << "Het installatiebestand ZanTof.zip is onvolledig: het onderdeel "
                                                "\"SYS/libztshare.so\" ontbreekt.";
        QTest::newRow("the shared component as a folder") << "runtime folder"
                                                          << "Het installatiebestand ZanTof.zip is onvolledig: het "
                                                             "onderdeel \"SYS/libztshare.so\" ontbreekt.";
    }
    void aBadArchiveIsRefusedAtStart()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, message);
        Wizard z;
        const QByteArray catalogue = "Meranti\r\nVuren\r\nEiken\r\nAccoya\r\nMerbau\r\n";
        QList<Item> items = programs() + QList<Item>{{"Kozhout.TXT", catalogue}};
        if (trouble == "runtime folder") items << Item{"SYS/libztshare.so/", QByteArray(), S_IFDIR | 0755};
        if (!trouble.startsWith("runtime")) items += sharedRuntime();
        if (trouble == ":evil.txt") items.insert(1, Item{":evil.txt", "x"});
        if (trouble == "link") items.insert(1, Item{"ICO", "/etc", S_IFLNK | 0777});
        const QString source = sourceWith(z.box, items);
        QVERIFY(!source.isEmpty());
        if (trouble == "damaged") {
            QByteArray bytes = readFile(source + "/ZanTof.zip");
            bytes[bytes.indexOf(catalogue) + 9] = 'X';
            writeFile(source + "/ZanTof.zip", bytes);
        }
        if (trouble == "text") writeFile(source + "/ZanTof.zip", "Dit is geen archief.");
        const TreeState before = treeState(z.box.root());
        z.dialogs.answer(MsgAnswer::OK, message, "FOUTMELDING");
        QVERIFY(!z.start(source));
        QCOMPARE(z.ended, 1);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown[0].style, 16);
        QCOMPARE(treeState(z.box.root()), before);
        QVERIFY(!QFileInfo::exists(z.target()));
    }

    // An installation that stops names the entry and the reason and offers to remove what it wrote:
    // Ja leaves the sandbox as it was, Nee leaves the files with their list, so that uninst can remove them.
    void aStoppedInstallationOffersRemoval_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        const QString fileInTheWay = "De installatie is gestopt, want het onderdeel \"ICO/ZanTof.ico\" kan niet worden "
                                     "geschreven: op de plaats van een map staat een bestand. (foutcode 4)" + Remove;
        QTest::newRow("a file where a folder belongs, Ja") << "file" << int(MsgAnswer::Yes) << fileInTheWay;
        QTest::newRow("a file where a folder belongs, Nee") << "file" << int(MsgAnswer::No) << fileInTheWay;
        // Refused before anything is written: said, and nothing to remove.
        QTest::newRow("a link in the target") << "link" << int(MsgAnswer::OK)
                                              << "De installatie is gestopt, want het onderdeel \"Basis.TXT\" zou via een "
                                                 "symbolische koppeling in de doelmap worden geschreven. (foutcode 2)";
    }
    void aStoppedInstallationOffersRemoval()
    {
        QFETCH(QString, trouble);
        QFETCH(int, answer);
        QFETCH(QString, message);
        Wizard z;
        QList<Item> items = programs() + QList<Item>{{"ICO/ZanTof.ico", "icon"}};
        items += sharedRuntime();
        const QString source = sourceWith(z.box, items);
        if (trouble == "file") writeFile(z.target() + "/ICO", "een bestand van de gebruiker");
        if (trouble == "link") {
            writeFile(z.box.root() + "/elders/eigen.txt", "van de gebruiker");
            QDir().mkpath(z.target());
            QVERIFY(QFile::link(z.box.root() + "/elders/eigen.txt", z.target() + "/Basis.TXT"));
        }
        const TreeState before = treeState(z.box.root());
        QVERIFY(z.start(source));
        z.dialogs.answer(MsgAnswer::Yes, QString(), "Setup"); // "niet leeg": use it anyway
        z.dialogs.answer(answer, message, "Setup");
        QVERIFY(z.install());
        QCOMPARE(z.ended, 1);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown.last().style, answer == MsgAnswer::OK ? 16 : 16 + 4);
        QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(!QFileInfo::exists(z.box.applications()));
        if (answer != MsgAnswer::No) {
            QCOMPARE(treeState(z.box.root()), before);
            return;
        }
        const QStringList written = {"ZanTof", "uninst", "Basis.TXT"};
        QCOMPARE(readFileList(z.target() + "/uninst.lst").value(), written);
        for (const QString &name : written) QVERIFY2(QFileInfo(z.target() + "/" + name).isFile(), qPrintable(name));
    }

    // Another setup or uninst at work in the target (here a second process holding the folder's lock):
    // "Installeren" says so and writes nothing, the ready page stays; once the other has let go it
    // installs, and no lock file is left.
    void aFolderInUseIsNotInstalledInto()
    {
        Wizard z;
        const QString source = sourceWith(z.box, programs() + sharedRuntime());
        QDir().mkpath(z.target());
        QProcess holder;
        holder.start("flock", {"--exclusive", z.target() + "/.zantof.lock", "-c", "echo held; exec cat"});
        QVERIFY(holder.waitForStarted(10000));
        QVERIFY(holder.waitForReadyRead(30000));
        QCOMPARE(holder.readLine(), QByteArray("held\n"));
        const TreeState before = treeState(z.box.root());
        QVERIFY(z.start(source));
        // The other's lock file is all the folder holds: no "niet leeg" question.
        z.dialogs.answer(MsgAnswer::OK,
                         "Setup of het verwijderprogramma wordt al uitgevoerd voor deze map:\r\n      " + z.target()
                             + "\r\n\r\nWacht tot dat klaar is en probeer het dan opnieuw.",
                         "Setup");
        QVERIFY(z.startInstall());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown.last().style, 48);
        QVERIFY(!z.s().installing());
        QCOMPARE(z.page(), 3);
        QVERIFY(z.s().CmdInstall->isVisible());
        QCOMPARE(treeState(z.box.root()), before);

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(30000));
        z.s().CmdInstall->click();
        QVERIFY(z.waitForInstall());
        QVERIFY(z.alive());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.s().CurrentStep, 5);
        QVERIFY(QFileInfo(z.target() + "/ZanTof").isFile());
        QVERIFY(!QFileInfo::exists(z.target() + "/.zantof.lock"));
    }

    // Two real setups into one folder: the second, started while the first is mid-unpack (held there
    // while the second runs), is refused with its message, writes nothing and stays on its ready page;
    // given up there it removes nothing of the first, which then completes.
    void twoSetupsIntoOneFolder()
    {
        Wizard z;
        const QString source = sourceWith(z.box, programs() + sharedRuntime());
        QSemaphore parked, proceed;
        std::atomic<int> synced = 0;
        setUnpackSyncHook([&](int fd) {
            if (++synced == 2) {
                parked.release();
                proceed.tryAcquire(1, 120000);
            }
            return ::fdatasync(fd);
        });
        QVERIFY(z.start(source));
        QVERIFY(z.startInstall());
        QVERIFY(parked.tryAcquire(1, 60000));
        const TreeState before = treeState(z.box.root());
        QProcess second;
        second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        second.start(QCoreApplication::applicationFilePath(), {SecondSetup, source});
        const bool ended = second.waitForFinished(120000);
        const TreeState after = treeState(z.box.root());
        proceed.release();
        QVERIFY(ended);
        QVERIFY(z.waitForInstall());
        setUnpackSyncHook(nullptr);
        QCOMPARE(second.exitCode(), 0);
        const QStringList said = QString::fromUtf8(second.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(said, QStringList({"page 4 installing 0", "De opgegeven map is niet leeg !||Wilt u deze map toch gebruiken ?",
                                    "Setup of het verwijderprogramma wordt al uitgevoerd voor deze map:|      " + z.target()
                                        + "||Wacht tot dat klaar is en probeer het dan opnieuw.",
                                    QString(Exit).replace("\r\n", "|"), "window closed"}));
        QCOMPARE(after, before);
        QVERIFY(z.alive());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(readFileList(z.target() + "/uninst.lst").value(),
                 QStringList({"ZanTof", "uninst", "Basis.TXT", "SYS/libztshare.so", "SYS/libztshare.so.version"}));
        QVERIFY(!QFileInfo::exists(z.target() + "/.zantof.lock"));
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "AppPath"), z.target());
    }

    // A write that fails is named in the warning, and the installation goes on to its end.
    void failedWritesAreReported_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("line");
        QTest::newRow("registry folder read-only") << "registry" << "Verwijdergegevens opslaan in @/.config/ZanTof/registry.json";
        QTest::newRow("registry file damaged") << "damaged" << "Verwijdergegevens opslaan in @/.config/ZanTof/registry.json";
        QTest::newRow("file list cannot be written")
            << "list" << "Lijst van geïnstalleerde bestanden: @/Zandrel Tofmaar/uninst.lst";
    }
    void failedWritesAreReported()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, line);
        Wizard z;
        const QString source = sourceWith(z.box, programs() + sharedRuntime());
        const QString registryFolder = z.box.config() + "/ZanTof";
        QDir().mkpath(registryFolder);
        if (trouble == "registry" && !setFolderWritable(registryFolder, false)) QSKIP("cannot make a folder refuse entries here");
        if (trouble == "list") QDir().mkpath(z.target() + "/uninst.lst"); // a folder where the list goes
        const QByteArray damaged = "[{\"root\": \"HKEY_CURRENT_USER\", \"key\": \"Software\\\\Ander\", \"val";
        if (trouble == "damaged") writeFile(registryFolder + "/registry.json", damaged);
        z.dialogs.answer(MsgAnswer::OK, "De installatie is voltooid, maar het volgende is niet gelukt:\r\n\r\n"
                                            + line.replace("@", z.box.home()),
                         "Setup");
        QVERIFY(z.start(source));
        QVERIFY(z.install());
        QVERIFY(z.alive());
        if (trouble == "registry") setFolderWritable(registryFolder, true);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown[0].style, 48);
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey), trouble == "list");
        QVERIFY(QFileInfo(z.target() + "/ZanTof").isExecutable());
        if (trouble == "damaged") QCOMPARE(readFile(registryFolder + "/registry.json"), damaged); // the other keys in it
    }

    // Annuleren while a large archive unpacks: the window has kept working (the progress moved), the
    // exit question comes with the unpack held; Ja stops it and removes everything, Nee lets it finish.
    // The window manager's close button asks the same, through the window's close.
    void cancelDuringALargeUnpack_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closeButton");
        QTest::newRow("Ja") << int(MsgAnswer::Yes) << false;
        QTest::newRow("Nee") << int(MsgAnswer::No) << false;
        QTest::newRow("close button, Ja") << int(MsgAnswer::Yes) << true;
        QTest::newRow("close button, Nee") << int(MsgAnswer::No) << true;
    }
    void cancelDuringALargeUnpack()
    {
        QFETCH(int, answer);
        QFETCH(bool, closeButton);
        Wizard z;
        const int entries = 160;
        const QString source = sourceWith(z.box, large(entries, 256 * 1024)); // 40 MB
        const TreeState before = treeState(z.box.root());
        QVERIFY(z.start(source));
        QVERIFY(z.startInstall());
        QVERIFY(z.s().installing());
        QDeadlineTimer deadline(60000);
        while (z.s().ProgressBar1->value() < 5 && z.s().installing() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const int reached = z.s().ProgressBar1->value();
        QVERIFY2(z.s().installing() && reached > 0 && reached < 100, qPrintable(QString::number(reached)));
        saveShot(&z.s(), "setup-5-bezig-uitpakken");
        int filesAtQuestion = -1;
        z.dialogs.onNext([&] { filesAtQuestion = filesBelow(z.target()); });
        z.dialogs.answer(answer, Exit, "Setup afsluiten");
        if (closeButton)
            QCOMPARE(z.s().close(), answer == MsgAnswer::Yes);
        else
            z.s().Command1[2]->click();
        VERIFY_DIALOGS(z.dialogs);
        QVERIFY(filesAtQuestion > 0); // the question came while the unpack was under way
        if (answer == MsgAnswer::Yes) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!z.w);
            QCOMPARE(treeState(z.box.root()), before); // nothing installed and nothing left
            QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
            return;
        }
        QVERIFY(z.w);
        QVERIFY(z.waitForInstall());
        QVERIFY(z.alive());
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(z.s().ProgressBar1->value(), 100);
        QCOMPARE(readFileList(z.target() + "/uninst.lst").value().size(), 3 + entries + 2);
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "AppPath"), z.target());
    }

    // Under the exit question the unpack is held: the worker, let go inside a file just after the
    // question opened, comes to rest in the pause before it syncs another file.
    void theUnpackIsHeldUnderTheExitQuestion()
    {
        Wizard z;
        QVERIFY(z.start(sourceWith(z.box, programs() + sharedRuntime())));
        QSemaphore parked, proceed, outcome;
        std::atomic<bool> asking = false, held = false, syncedUnder = false;
        std::atomic<int> synced = 0;
        setUnpackSyncHook([&](int fd) {
            if (++synced == 1) {
                parked.release();
                proceed.tryAcquire(1, 60000);
            } else if (asking && !syncedUnder.exchange(true)) {
                outcome.release();
            }
            return ::fdatasync(fd);
        });
        setUnpackHeldHook([&] {
            if (asking && !held.exchange(true)) outcome.release();
        });
        QVERIFY(z.startInstall());
        QVERIFY(parked.tryAcquire(1, 60000));
        z.dialogs.onNext([&] {
            asking = true;
            proceed.release();
            outcome.tryAcquire(1, 60000);
            asking = false;
        });
        z.dialogs.answer(MsgAnswer::No, Exit, "Setup afsluiten");
        z.s().Command1[2]->click();
        const bool wasHeld = held, wentOn = syncedUnder;
        QVERIFY(z.waitForInstall());
        setUnpackSyncHook(nullptr);
        setUnpackHeldHook(nullptr);
        QVERIFY2(wasHeld && !wentOn, wentOn ? "a file was unpacked under the question" : "the unpack was never held");
        QVERIFY(z.alive());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(synced.load(), 5);
    }

    // A reinstall that stops: Ja removes what this run added and puts the earlier installation's list
    // back as it was, byte for byte; a file it replaced stays.
    void aStoppedReinstallPutsTheEarlierListBack()
    {
        Wizard z;
        const QString source = sourceWith(z.box, programs() + QList<Item>{{"ICO/ZanTof.ico", "icon"}} + sharedRuntime());
        const QByteArray earlier = "ZanTof\r\nOud.TXT\r\n";
        writeFile(z.target() + "/uninst.lst", earlier);
        writeFile(z.target() + "/ZanTof", "oud programma");
        writeFile(z.target() + "/Oud.TXT", "oud");
        writeFile(z.target() + "/ICO", "in de weg");
        QVERIFY(z.start(source));
        z.dialogs.answer(MsgAnswer::Yes, QString(), "Setup"); // "niet leeg"
        z.dialogs.answer(MsgAnswer::Yes,
                         "De installatie is gestopt, want het onderdeel \"ICO/ZanTof.ico\" kan niet worden geschreven: op "
                         "de plaats van een map staat een bestand. (foutcode 4)" + Remove,
                         "Setup");
        QVERIFY(z.install());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.ended, 1);
        QCOMPARE(readFile(z.target() + "/uninst.lst"), earlier);
        QCOMPARE(QDir(z.target()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 QStringList({"ICO", "Oud.TXT", "ZanTof", "uninst.lst"}));
    }

    // The shared component replaced an older one and then does not register: Ja leaves the component
    // in its place (it is no file this run made).
    void aReplacedComponentStaysWhenTheRunIsUndone()
    {
        Wizard z;
        const QString source = sourceWith(z.box, programs() + QList<Item>{{"SYS/libztshare.so", "geen bibliotheek"}});
        writeFile(z.box.components() + "/libztshare.so", "ouder onderdeel");
        z.dialogs.answer(MsgAnswer::Yes,
                         "De installatie is gestopt, want het onderdeel \"SYS/libztshare.so\" kan niet worden "
                         "geregistreerd. (" + z.box.components() + "/libztshare.so)" + Remove,
                         "Setup");
        QVERIFY(z.start(source));
        QVERIFY(z.install());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.ended, 1);
        QCOMPARE(readFile(z.box.components() + "/libztshare.so"), QByteArray("geen bibliotheek"));
        QVERIFY(!QFileInfo::exists(z.target()));
    }

    // A target that already holds every file of the package: the run makes no file, but it writes a
    // new list or its line on the components' list of installations. The stop asks about those, and
    // Ja takes them away again.
    void whatARunWroteBesidesFilesIsAskedAbout_data()
    {
        QTest::addColumn<bool>("earlierList");
        QTest::newRow("a new file list") << false;
        QTest::newRow("a new line on the installations list") << true;
    }
    void whatARunWroteBesidesFilesIsAskedAbout()
    {
        QFETCH(bool, earlierList);
        Wizard z;
        const QList<Item> items = programs() + sharedRuntime();
        const QString source = sourceWith(z.box, items);
        for (const Item &item : items) writeFile(z.target() + "/" + item.name, item.data);
        // A newer component that does not register stays in place: no component is copied.
        writeFile(z.box.components() + "/libztshare.so", "kapot");
        writeFile(z.box.components() + "/libztshare.so.version", "9.0.0.0");
        QByteArray users = "/elders/Zandrel Tofmaar\n";
        if (!earlierList) users += (z.target() + "\n").toUtf8();
        writeFile(z.box.components() + "/installations.lst", users);
        const QByteArray list = "ZanTof\nuninst\nBasis.TXT\nSYS/libztshare.so\nSYS/libztshare.so.version\n";
        if (earlierList) writeFile(z.target() + "/uninst.lst", list);
        const TreeState before = treeState(z.box.root());
        QVERIFY(z.start(source));
        z.dialogs.answer(MsgAnswer::Yes, QString(), "Setup"); // "niet leeg"
        z.dialogs.answer(MsgAnswer::Yes,
                         "De installatie is gestopt, want het onderdeel \"SYS/libztshare.so\" kan niet worden "
                         "geregistreerd. (" + z.box.components() + "/libztshare.so)" + Remove,
                         "Setup");
        QVERIFY(z.install());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.ended, 1);
        QCOMPARE(readFile(z.box.components() + "/installations.lst"), users);
        QCOMPARE(QFileInfo::exists(z.target() + "/uninst.lst"), earlierList);
        QCOMPARE(treeState(z.box.root()).keys(), before.keys());
    }

    // Annuleren while a component hangs in its registration: Ja stops the loop over the components
    // there, and an older component after it is not replaced.
    void theComponentLoopHearsTheStop()
    {
        Wizard z;
        const int previous = setRegistrationWait(120000);
        const QString source = sourceWith(z.box, programs() + sharedRuntime()
                                                     + QList<Item>{{"SYS/libhangs.so", readFile(COMPONENT_HANGS)},
                                                                   {"SYS/libtwee.so", "nieuw"}});
        writeFile(z.box.components() + "/libtwee.so", "oud");
        HangMark mark;
        QVERIFY(z.start(source));
        QVERIFY(z.startInstall());
        QVERIFY(mark.waitForEntry([&] { return z.w && z.s().installing(); }) > 0);
        z.dialogs.answer(MsgAnswer::Yes, Exit, "Setup afsluiten");
        z.s().Command1[2]->click();
        setRegistrationWait(previous);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(readFile(z.box.components() + "/libtwee.so"), QByteArray("oud"));
        QVERIFY(!QFileInfo::exists(z.box.components() + "/libhangs.so"));
    }

    // The unpack ends while the exit question is open (its completion comes in the box's own event
    // loop): the answer still decides. Ja removes everything, Nee lets the installation finish.
    void theUnpackEndsWhileTheExitQuestionIsOpen_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Ja") << int(MsgAnswer::Yes);
        QTest::newRow("Nee") << int(MsgAnswer::No);
    }
    void theUnpackEndsWhileTheExitQuestionIsOpen()
    {
        QFETCH(int, answer);
        Wizard z;
        const QString source = sourceWith(z.box, programs() + sharedRuntime());
        const TreeState before = treeState(z.box.root());
        QVERIFY(z.start(source));
        QVERIFY(z.startInstall());
        z.s().waitForUnpack();
        int stepInTheBox = 0;
        z.dialogs.onNext([&] {
            QCoreApplication::processEvents(); // the queued completion arrives here
            stepInTheBox = z.s().CurrentStep;
        });
        z.dialogs.answer(answer, Exit, "Setup afsluiten");
        z.s().Command1[2]->click();
        QCOMPARE(stepInTheBox, 4); // the finish page did not come under the question
        if (answer == MsgAnswer::Yes) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!z.w);
            QCOMPARE(treeState(z.box.root()), before);
            QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        } else {
            QVERIFY(z.waitForInstall());
            QVERIFY(z.alive());
            QCOMPARE(z.s().CurrentStep, 5);
            QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "AppPath"), z.target());
        }
        VERIFY_DIALOGS(z.dialogs);
    }

    // A click queued at the place of "Annuleren" while the unpack ends must not press "Voltooien",
    // which takes that place when the finish page comes.
    void aQueuedClickDoesNotPressVoltooien()
    {
        Wizard z;
        QVERIFY(z.start(sourceWith(z.box, programs() + sharedRuntime())));
        QPushButton *cancel = z.s().Command1[2];
        QVERIFY(z.startInstall());
        const QPoint at = cancel->mapTo(&z.s(), cancel->rect().center());
        z.s().waitForUnpack(); // its completion is queued now, and the click goes in behind it
        QWindow *window = z.s().windowHandle();
        QVERIFY(window);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(window, new QMouseEvent(type, QPointF(at), window->mapToGlobal(QPointF(at)),
                                                                Qt::LeftButton,
                                                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                                Qt::NoModifier));
        QVERIFY(z.waitForInstall());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(z.w);
        QCOMPARE(z.s().CurrentStep, 5);
        QVERIFY(z.s().CmdFinish->isVisible());
        // It would have landed on "Voltooien".
        QVERIFY(z.s().CmdFinish->geometry().contains(z.s().CmdFinish->parentWidget()->mapFrom(&z.s(), at)));
        VERIFY_DIALOGS(z.dialogs);
        saveShot(&z.s(), "setup-6-voltooid-na-klik");
    }

    // The window manager's close button, pressed as the unpack ends, reaches the window while it turns
    // to the finish page. The installation is whole by then: no exit question, nothing removed, and
    // the window closes once it has finished.
    void aCloseAsTheInstallationEndsKeepsIt()
    {
        Wizard z;
        QVERIFY(z.start(sourceWith(z.box, programs() + sharedRuntime())));
        QVERIFY(z.startInstall());
        z.s().waitForUnpack(); // its completion is queued now, and the close goes in behind it
        QWindow *window = z.s().windowHandle();
        QVERIFY(window);
        QCoreApplication::postEvent(window, new QCloseEvent);
        QVERIFY(z.waitForInstall());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        VERIFY_DIALOGS(z.dialogs);
        QVERIFY(!z.w);
        QCOMPARE(z.ended, -1);
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "AppPath"), z.target());
        QCOMPARE(readFileList(z.target() + "/uninst.lst").value(), QStringList({"ZanTof", "uninst", "Basis.TXT",
                                                                              "SYS/libztshare.so",
                                                                              "SYS/libztshare.so.version"}));
        for (const char *name : {"ZanTof", "uninst", "Basis.TXT"})
            QVERIFY2(QFileInfo(z.target() + "/" + name).isFile(), name);
        QVERIFY(QFileInfo(z.box.applications() + "/Zandrel Tofmaar").isDir());
    }

    // Folders setup made for the target go again when the user cancels; folders that were there stay.
    void cancellingRemovesTheFoldersSetupMade_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("on the Start-menu page") << 3;
        QTest::newRow("on the ready page") << 4;
    }
    void cancellingRemovesTheFoldersSetupMade()
    {
        QFETCH(int, step);
        Wizard z;
        const QString source = sourceWith(z.box, programs() + sharedRuntime());
        writeFile(z.box.home() + "/bestaand/eigen.txt", "x");
        const TreeState before = treeState(z.box.root());
        QVERIFY(z.start(source));
        z.next();
        z.s().Text1[0]->setText(z.box.home() + "/bestaand/nieuw/dieper/Zandrel Tofmaar");
        while (z.s().CurrentStep < step) z.next();
        QVERIFY(QFileInfo(z.box.home() + "/bestaand/nieuw/dieper/Zandrel Tofmaar").isDir());
        z.dialogs.answer(MsgAnswer::Yes, Exit, "Setup afsluiten");
        z.s().Command1[2]->click();
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(treeState(z.box.root()), before);
    }

    // A target given up on page 2 does not stay behind as an empty folder after the installation.
    void anAbandonedTargetFolderGoes()
    {
        Wizard z;
        QVERIFY(z.start(sourceWith(z.box, programs() + sharedRuntime())));
        z.next();
        z.s().Text1[0]->setText(z.box.home() + "/eerst/Zandrel Tofmaar");
        z.next();
        QVERIFY(QFileInfo::exists(z.box.home() + "/eerst/Zandrel Tofmaar"));
        z.back();
        z.s().Text1[0]->setText(z.target());
        z.next();
        z.next();
        z.s().CmdInstall->click();
        QVERIFY(z.waitForInstall());
        QVERIFY(z.alive());
        QCOMPARE(z.s().CurrentStep, 5);
        QVERIFY(!QFileInfo::exists(z.box.home() + "/eerst"));
        QVERIFY(QFileInfo(z.target() + "/ZanTof").isFile());
        VERIFY_DIALOGS(z.dialogs);
    }

    // The new boxes as the user sees them: the refusal at start, and the stop with its question.
    void shots()
    {
        if (qEnvironmentVariable("ZANTOF_SHOTS").isEmpty()) QSKIP("no ZANTOF_SHOTS folder");
        useDutchInterface();
        QtDialogs real;
        QStringList names;
        std::function<void()> answerNext = [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(20, answerNext);
                return;
            }
            if (!names.isEmpty()) saveShot(box, names.takeFirst());
            box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
            QTimer::singleShot(20, answerNext);
        };
        {
            Wizard z;
            DialogService *previous = setDialogService(&real);
            const QString source = sourceWith(z.box, programs() + QList<Item>{{"IMG/:evil.bmp", "x"}, {":evil.txt", "x"}});
            names = {"setup-box-geweigerd"};
            QTimer::singleShot(20, answerNext);
            QVERIFY(!z.start(source));
            setDialogService(previous);
        }
        {
            Wizard z;
            const QString source = sourceWith(z.box, programs() + QList<Item>{{"ICO/ZanTof.ico", "icon"}} + sharedRuntime());
            writeFile(z.target() + "/ICO", "in de weg");
            QVERIFY(z.start(source));
            z.s().move(100, 100);
            DialogService *previous = setDialogService(&real);
            names = {"setup-box-niet-leeg", "setup-box-gestopt"};
            QTimer::singleShot(20, answerNext);
            QVERIFY(z.install());
            setDialogService(previous);
            QVERIFY(names.isEmpty());
        }
        {
            Wizard z;
            const QString source = sourceWith(z.box, programs() + sharedRuntime());
            QDir().mkpath(z.box.config() + "/ZanTof");
            if (!setFolderWritable(z.box.config() + "/ZanTof", false)) return;
            QVERIFY(z.start(source));
            DialogService *previous = setDialogService(&real);
            names = {"setup-box-niet-gelukt"};
            QTimer::singleShot(20, answerNext);
            QVERIFY(z.install());
            setDialogService(previous);
            setFolderWritable(z.box.config() + "/ZanTof", true);
            QVERIFY(names.isEmpty());
        }
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], SecondSetup) == 0) return secondSetup(QString::fromLocal8Bit(argv[2]));
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestInstallStep tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_installstep.moc"
