#include "Archive.h"
#include "WizardFixture.h"
#include "setup/Installed.h"
#include "setup/Register.h"
#include "setup/Registry.h"
#include "setup/SystemTools.h"
#include "setup/Unpack.h"

#include <QPlainTextEdit>
#include <QProgressBar>

namespace {
const QString ExitQuestion = "Setup is niet voltooid. Als u nu afsluit, wordt het programma niet geïnstalleerd.\r\n\r\n"
                             "U kunt Setup later opnieuw uitvoeren om de installatie te voltooien.\r\n\r\nSetup afsluiten ?";

// A small source folder: ZanTof.zip with two programs, a catalogue file and the given SYS files.
QString makeSource(const Sandbox &box, QList<Item> sys = {}, QList<Item> extra = {})
{
    const QString folder = box.root() + "/source";
    QDir().mkpath(folder);
    QList<Item> items = {{"ZanTof", "#!/bin/sh\n", S_IFREG | 0755},
                         {"uninst", "#!/bin/sh\n", S_IFREG | 0755},
                         {"Basis.TXT", "Timmerfabriek\r\n"}};
    if (sys.isEmpty())
        sys = {{"SYS/libztshare.so", readFile(SHARED_RUNTIME)}, {"SYS/libztshare.so.version", readFile(SHARED_RUNTIME_VERSION)}};
    makeArchive(folder + "/ZanTof.zip", items + sys + extra);
    return folder;
}
}

class TestWizard : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setSystemVersionSource(nullptr); }

    void refusedAtStart_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("message");
        QTest::newRow("no archive") << "noarchive" << "\"ZanTof.zip\" niet gevonden.";
        QTest::newRow("old family") << "win95" << "Dit programma is helaas niet geschikt voor Windows 95/98/ME.";
        QTest::newRow("folder missing") << "nofolder" << "De map \"@/nergens\" kan niet geopend worden.";
        QTest::newRow("no rights") << "rights"
                                   << "U kunt dit programma alleen correct installeren als beheerder-rechten "
                                      "(Administrator-rights) heeft.";
    }
    void refusedAtStart()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, message);
        Wizard z;
        QString source = makeSource(z.box);
        if (trouble == "noarchive") QFile::remove(source + "/ZanTof.zip");
        if (trouble == "win95") setSystemVersionSource([] { return SystemVersion{1, 4, 10}; });
        if (trouble == "nofolder") source = z.box.root() + "/nergens";
        if (trouble == "rights") {
            QDir().mkpath(z.box.config());
            if (!setFolderWritable(z.box.config(), false)) QSKIP("cannot make a folder refuse entries here");
        }
        z.dialogs.answer(MsgAnswer::OK, message.replace("@", z.box.root()), "FOUTMELDING");
        const bool loaded = z.start(source);
        if (trouble == "rights") setFolderWritable(z.box.config(), true);
        QVERIFY(!loaded);
        QCOMPARE(z.ended, 1);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown[0].style, 16);
        if (trouble == "nofolder") QCOMPARE(QDir::currentPath(), z.startFolder);
    }

    void buttonsPerStep()
    {
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        QCOMPARE(z.s().windowTitle(), QString("Setup - Zandrel Tofmaar"));
        QCOMPARE(z.s().Text1[0]->text(), z.target());
        QCOMPARE(z.s().Text1[1]->text(), QString("Zandrel Tofmaar"));
        // step: page, "< Vorige", "Volgende >", "Installeren"
        struct Row {
            int step, page;
            bool back, next, install;
        };
        const QList<Row> forward = {{1, 0, false, true, false}, {2, 1, true, true, false}, {3, 2, true, true, false},
                                    {4, 3, true, false, true}};
        const QStringList shots = {"setup-1-welkom", "setup-2-doelmap", "setup-3-menu-start", "setup-4-gereed"};
        auto check = [&](const Row &r) {
            QCOMPARE(z.s().CurrentStep, r.step);
            QCOMPARE(z.page(), r.page);
            QCOMPARE(z.s().Command1[0]->isVisible(), r.back);
            QCOMPARE(z.s().Command1[1]->isVisible(), r.next);
            QCOMPARE(z.s().CmdInstall->isVisible(), r.install);
            QVERIFY(z.s().Command1[2]->isVisible());
            QVERIFY(!z.s().CmdFinish->isVisible());
        };
        for (const Row &r : forward) {
            check(r);
            saveShot(&z.s(), shots[r.step - 1]);
            if (r.step < 4) z.next();
        }
        QVERIFY(z.s().CmdInstall->hasFocus() || !QApplication::focusWidget());
        for (int i = 2; i >= 0; --i) {
            z.back();
            check(forward[i]);
        }
        VERIFY_DIALOGS(z.dialogs);

        // The progress page as the installation shows it.
        for (QPushButton *b : {z.s().Command1[0], z.s().Command1[1]}) b->hide();
        z.s().Frame1[0]->hide();
        z.s().Frame1[4]->show();
        z.s().ProgressBar1->setValue(40);
        saveShot(&z.s(), "setup-5-bezig");
    }

    void summaryShowsTheFieldsAsAccepted()
    {
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        z.next();
        z.next();
        z.s().Text1[1]->setText("Kantoor\\Zandrel Tofmaar\\");
        z.next();
        QCOMPARE(z.s().CurrentStep, 4);
        QCOMPARE(z.s().Text1[1]->text(), QString("Kantoor\\Zandrel Tofmaar"));
        const QString summary = "Doelmap: \r\n      " + z.target() + "\r\n\r\nMenu Start map: \r\n      Kantoor\\Zandrel Tofmaar";
        QCOMPARE(z.s().MessageText, summary);
        QCOMPARE(z.s().Summary->toPlainText(), QString(summary).replace("\r\n", "\n"));

        // A refused name keeps the page, and the summary still follows the fields.
        z.back();
        z.s().Text1[1]->setText("Kantoor/Zandrel");
        z.dialogs.answer(MsgAnswer::OK, "Mapnamen mogen geen van de volgende tekens bevatten:\r\n\r\n/ : * ? \" < > |", "Fout");
        z.next();
        QCOMPARE(z.s().CurrentStep, 3);
        QVERIFY(z.s().MessageText.endsWith("Menu Start map: \r\n      Kantoor/Zandrel"));
        VERIFY_DIALOGS(z.dialogs);
    }

    void aRefusedTargetKeepsThePage()
    {
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        z.next();
        z.s().Text1[0]->setText("relatief");
        z.dialogs.answer(MsgAnswer::OK, QString(), "Fout");
        z.next();
        QCOMPARE(z.s().CurrentStep, 2);
        QCOMPARE(z.page(), 1);
        VERIFY_DIALOGS(z.dialogs);
    }

    void cancelAsksFirstAndTheCommandLineFolderComesBack()
    {
        Wizard z;
        const QString source = makeSource(z.box);
        QVERIFY(z.start(source));
        QCOMPARE(QDir::currentPath(), source);
        QCOMPARE(z.s().FormerDirectory, z.startFolder);
        z.next();
        z.dialogs.answer(MsgAnswer::No, ExitQuestion, "Setup afsluiten");
        z.s().Command1[2]->click();
        QVERIFY(z.w);
        QCOMPARE(z.s().CurrentStep, 2);
        QCOMPARE(z.page(), 1);
        QCOMPARE(QDir::currentPath(), source); // No: the wizard stays where it was
        z.dialogs.answer(MsgAnswer::Yes, ExitQuestion, "Setup afsluiten");
        z.s().Command1[2]->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!z.w);
        QCOMPARE(QDir::currentPath(), z.startFolder);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown[0].style, 36);
    }

    void browsing()
    {
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        z.s().Text1[0]->setText("/opt/getypt/");
        z.dialogs.answerFolder("");
        z.s().CmdBrowse[0]->click();
        QCOMPARE(z.s().Text1[0]->text(), QString("/opt/getypt/")); // cancelled: what was typed stays
        QCOMPARE(z.dialogs.shown[0].folderRequest.startFolder, QString("/opt/getypt"));
        z.dialogs.answerFolder("/opt/gekozen");
        z.s().CmdBrowse[0]->click();
        QCOMPARE(z.s().Text1[0]->text(), QString("/opt/gekozen"));

        const QString apps = z.box.applications();
        const QList<QPair<QString, QString>> menu = {
            {apps, "Zandrel Tofmaar"},
            {apps + "/Kantoor/Tekenen", "Kantoor\\Tekenen\\Zandrel Tofmaar"},
            {"", "Zandrel Tofmaar"},
            {"/opt/menu", "opt\\menu\\Zandrel Tofmaar"},
        };
        for (const auto &[chosen, name] : menu) {
            z.dialogs.answerFolder(chosen);
            z.s().CmdBrowse[1]->click();
            QCOMPARE(z.s().Text1[1]->text(), name);
            QCOMPARE(z.dialogs.shown.last().folderRequest.root, apps);
            QCOMPARE(z.dialogs.shown.last().title, QString("Selecteer een map in de onderstaande lijst en klik daarna op OK."));
        }
        VERIFY_DIALOGS(z.dialogs);
    }

    void installGoesOnPastAHangingComponent()
    {
        Wizard z;
        const int previous = setRegistrationWait(300);
        const QString source = makeSource(z.box, {{"SYS/libztshare.so", readFile(SHARED_RUNTIME)},
                                                   {"SYS/libztshare.so.version", "2.0.0.0"},
                                                   {"SYS/libhangs.so", readFile(COMPONENT_HANGS)},
                                                   {"SYS/README.TXT", "no component"}});
        QVERIFY(z.start(source));
        z.install();
        setRegistrationWait(previous);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(z.page(), 5);
        QVERIFY(!z.s().Command1[2]->isVisible());
        QVERIFY(z.s().CmdFinish->isVisible());
        QCOMPARE(z.s().ProgressBar1->value(), 100);
        saveShot(&z.s(), "setup-6-voltooid");
        for (const QString name : {"libztshare.so", "libztshare.so.version", "libhangs.so", "README.TXT"})
            QVERIFY2(QFile::exists(z.box.components() + "/" + name), qPrintable(name));
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "AppPath"), z.target());
        QCOMPARE(readFileList(z.target() + "/uninst.lst").value(),
                 QStringList({"ZanTof", "uninst", "Basis.TXT", "SYS/libztshare.so", "SYS/libztshare.so.version",
                              "SYS/libhangs.so", "SYS/README.TXT"}));
        z.s().CmdFinish->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!z.w); // no exit question after the finish
        QCOMPARE(QDir::currentPath(), z.startFolder);
    }

    void anOlderComponentIsReplacedANewerOneStays()
    {
        Wizard z;
        const QString source = makeSource(z.box);
        writeFile(z.box.components() + "/libztshare.so", readFile(SHARED_RUNTIME));
        writeFile(z.box.components() + "/libztshare.so.version", "3.0.0.0");
        QVERIFY(z.start(source));
        z.install();
        QCOMPARE(readFile(z.box.components() + "/libztshare.so.version"), QByteArray("3.0.0.0"));
        VERIFY_DIALOGS(z.dialogs);
    }

    void failuresThatEndTheInstallation_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("style");
        // An unsafe archive is refused at start, before the pages; a component that does not register
        // stops the installation after the unpack, which offers to remove what it wrote.
        QTest::newRow("unsafe archive") << "unsafe"
                                        << "Het installatiebestand ZanTof.zip is onveilig: het onderdeel \"../buiten.txt\" "
                                           "zou buiten de doelmap terechtkomen. (foutcode 2)"
                                        << "FOUTMELDING" << 16;
        QTest::newRow("runtime does not register")
            << "runtime"
            << "De installatie is gestopt, want het onderdeel \"SYS/libztshare.so\" kan niet worden geregistreerd. "
               "(@/libztshare.so)\r\n\r\nWilt u verwijderen wat Setup tot nu toe heeft geïnstalleerd ?"
            << "Setup" << 20;
    }
    void failuresThatEndTheInstallation()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, style);
        Wizard z;
        const QString source = trouble == "unsafe"
                                 ? makeSource(z.box, {}, {{"../buiten.txt", "x"}})
                                 : makeSource(z.box, {{"SYS/libztshare.so", "no library"}});
        z.dialogs.answer(trouble == "unsafe" ? MsgAnswer::OK : MsgAnswer::Yes, message.replace("@", z.box.components()), title);
        if (trouble == "unsafe") {
            QVERIFY(!z.start(source));
        } else {
            QVERIFY(z.start(source));
            z.install();
            QVERIFY(!QFileInfo::exists(z.target())); // Ja: what it wrote is gone, the folder it made too
        }
        QCOMPARE(z.ended, 1);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown[0].style, style);
        QVERIFY(!RegKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(!QFileInfo::exists(z.box.applications()));
        QVERIFY(!QFileInfo::exists(z.box.home() + "/buiten.txt"));
    }

    void shortcutFailuresAreListedAndTheInstallationGoesOn()
    {
        Wizard z;
        const QString source = makeSource(z.box);
        writeFile(z.box.applications(), "a file where the menu folder should be");
        QVERIFY(z.start(source));
        const QString links = z.box.applications() + "/Zandrel Tofmaar";
        z.dialogs.answer(MsgAnswer::OK,
                         "De installatie is voltooid, maar het volgende is niet gelukt:\r\n\r\n"
                         "Map aanmaken: " + links + "\r\n"
                         "Snelkoppeling maken: " + links + "/Zandrel tofmaar.desktop\r\n"
                         "Snelkoppeling maken: " + links + "/Verwijder Zandrel tofmaar.desktop",
                         "Setup");
        z.install();
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown[0].style, 48);
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(RegKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey).size(), 4);
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "ShellLnkPath"), links);
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
