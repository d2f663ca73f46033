#include "Archive.h"
#include "Unprivileged.h"
#include "WizardFixture.h"
#include "WorkerProbes.h"
#include "setup/Installed.h"
#include "setup/Register.h"
#include "setup/Registry.h"
#include "setup/SystemTools.h"
#include "setup/Unpack.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QPlainTextEdit>
#include <QProgressBar>

#include <csignal>
#include <sys/stat.h>

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

    // Targets that can never be a program folder stay on the target page, with nothing made or unpacked.
    void targetsThatCanNeverBeAProgramFolder_data()
    {
        QTest::addColumn<QString>("path"); // "~" the sandbox home, "@" the sandbox
        QTest::addColumn<QString>("message");
        QTest::newRow("the home folder") << "~/"
                                         << "De persoonlijke map zelf kan niet gekozen worden:\r\n      ~\r\n\r\n"
                                            "Kies een map daarin, bijv.:\r\n      ~/Zandrel Tofmaar";
        QTest::newRow("the root") << "/" << "U moet een volledig pad vanaf de hoofdmap opgeven bijv.: \r\n"
                                            "/home/gebruiker/APP\r\n\r\nDe hoofdmap / zelf kan niet gekozen worden.";
        const QString notWritable = "U heeft geen toestemming om te schrijven in de map:\r\n      @/gedeeld\r\n\r\n"
                                    "Kies een andere map.";
        QTest::newRow("read-only, holding files") << "@/gedeeld" << notWritable;
        QTest::newRow("new, in a read-only folder") << "@/gedeeld/Zandrel Tofmaar" << notWritable;
    }
    void targetsThatCanNeverBeAProgramFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        if (path.startsWith("@")) RUN_AS_UNPRIVILEGED_USER();
        Wizard z;
        const QString source = makeSource(z.box);
        const QString shared = z.box.root() + "/gedeeld";
        writeFile(shared + "/Basis.TXT", "iemand anders");
        QVERIFY(::chmod(QFile::encodeName(shared).constData(), 0555) == 0);
        QVERIFY(z.start(source));
        z.next();
        path.replace("~", z.box.home()).replace("@", z.box.root());
        message.replace("~", z.box.home()).replace("@", z.box.root());
        z.s().Text1[0]->setText(path);
        const QStringList before = z.box.everything();
        z.dialogs.answer(MsgAnswer::OK, message, "Fout");
        z.next();
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown[0].style, 48);
        QCOMPARE(z.s().CurrentStep, 2);
        QCOMPARE(z.page(), 1);
        QCOMPARE(z.s().Text1[0]->text(), path);
        QCOMPARE(z.box.everything(), before);
        saveBoxShots(z.dialogs, "setup-box-doelmap-" + QString(QTest::currentDataTag()).section(',', 0, 0).replace(' ', '-'));
        ::chmod(QFile::encodeName(shared).constData(), 0755);
    }

    // Setup run again into another folder names the installation the uninstall entry knows and asks
    // first. Either way that installation keeps its files, its file list and its menu entries.
    void anotherInstallationIsNamedAndAskedFor()
    {
        Wizard z;
        const QString source = makeSource(z.box);
        QVERIFY(z.start(source));
        QVERIFY(z.install());
        QVERIFY(z.alive());
        QCOMPARE(z.s().CurrentStep, 5);
        z.s().CmdFinish->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QString first = z.target(), second = z.box.home() + "/Tweede map";
        const QString firstMenu = z.box.applications() + "/Zandrel Tofmaar";
        const QByteArray firstList = readFile(first + "/uninst.lst");
        const QByteArray firstEntry = readFile(firstMenu + "/Verwijder Zandrel tofmaar.desktop");
        QVERIFY(firstEntry.contains(first.toUtf8() + "/uninst"));

        QVERIFY(z.start(source));
        z.next();
        z.s().Text1[0]->setText(second);
        const QString question = otherInstallationQuestion(first, second);
        // No: back on the target page, and the new folder is not made.
        z.dialogs.answer(MsgAnswer::No, question, "Setup");
        z.next();
        QCOMPARE(z.s().CurrentStep, 2);
        QCOMPARE(z.page(), 1);
        QVERIFY(!QFileInfo::exists(second));
        QCOMPARE(z.dialogs.shown[0].style, 292); // question, Yes and No, No the default
        z.dialogs.answer(MsgAnswer::Yes, question, "Setup");
        z.next();
        QCOMPARE(z.s().CurrentStep, 3);
        QCOMPARE(z.s().OtherInstallation, first);
        // The first installation's menu folder holds its entries: this one goes elsewhere.
        z.dialogs.answer(MsgAnswer::OK,
                         "In de menu Start map \"Zandrel Tofmaar\" staan de snelkoppelingen van de installatie in:\r\n      "
                             + first + "\r\n\r\nKies een andere menu Start map.",
                         "Fout");
        z.next();
        QCOMPARE(z.s().CurrentStep, 3);
        z.s().Text1[1]->setText("Tweede");
        z.next();
        QCOMPARE(z.s().CurrentStep, 4);
        z.s().CmdInstall->click();
        QVERIFY(z.waitForInstall());
        QVERIFY(z.alive());
        QCOMPARE(z.s().CurrentStep, 5);
        VERIFY_DIALOGS(z.dialogs);
        saveBoxShots(z.dialogs, "setup-box-andere-installatie");

        // The entry names the new installation, with its four values.
        const QList<RegValue> values = regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey);
        QCOMPARE(values.size(), 4);
        const QStringList data{"Zandrel Tofmaar 2.0", second + "/uninst", second, z.box.applications() + "/Tweede"};
        for (int i = 0; i < 4; ++i) QCOMPARE(values[i].data, data[i]);
        // The first installation is as it was; the second has a list and menu entries of its own.
        QCOMPARE(readFile(first + "/uninst.lst"), firstList);
        QCOMPARE(readFile(firstMenu + "/Verwijder Zandrel tofmaar.desktop"), firstEntry);
        QCOMPARE(readFile(second + "/uninst.lst"), firstList);
        QVERIFY(readFile(z.box.applications() + "/Tweede/Verwijder Zandrel tofmaar.desktop").contains(second.toUtf8() + "/uninst"));
        z.s().CmdFinish->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // Into the folder the entry names, and past an entry whose folder holds no installation any
        // more, setup asks nothing of the kind.
        QVERIFY(z.start(source));
        z.next();
        z.s().Text1[0]->setText(second + "/");
        z.dialogs.answer(MsgAnswer::Yes, "De opgegeven map is niet leeg !\r\n\r\nWilt u deze map toch gebruiken ?", "Setup");
        z.next();
        QCOMPARE(z.s().CurrentStep, 3);
        QCOMPARE(z.s().OtherInstallation, QString());
        z.back();
        QVERIFY(QDir(second).removeRecursively());
        z.s().Text1[0]->setText(z.box.home() + "/Derde map");
        z.next();
        QCOMPARE(z.s().CurrentStep, 3);
        VERIFY_DIALOGS(z.dialogs);
    }

    // Enter presses the page's default button, a focused button itself; Esc is "Annuleren".
    void enterAndEscape()
    {
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        auto key = [&](QWidget *at, Qt::Key k) { QTest::keyClick(at, k); };
        key(&z.s(), Qt::Key_Return);
        QCOMPARE(z.s().CurrentStep, 2);
        key(z.s().Text1[0], Qt::Key_Enter); // the keypad's Enter
        QCOMPARE(z.s().CurrentStep, 3);
        QVERIFY(QFileInfo(z.target()).isDir());
        key(z.s().Command1[0], Qt::Key_Return); // "< Vorige" has the focus: it goes back
        QCOMPARE(z.s().CurrentStep, 2);
        z.dialogs.answer(MsgAnswer::No, ExitQuestion, "Setup afsluiten");
        key(z.s().Text1[0], Qt::Key_Escape);
        QCOMPARE(z.s().CurrentStep, 2);
        key(z.s().Text1[0], Qt::Key_Return);
        key(z.s().Text1[1], Qt::Key_Return);
        QCOMPARE(z.s().CurrentStep, 4);
        QVERIFY(z.s().CmdInstall->isDefault());
        key(z.s().Summary, Qt::Key_Return); // "Installeren"
        QVERIFY(z.waitForInstall());
        QVERIFY(z.alive());
        QCOMPARE(z.s().CurrentStep, 5);
        QVERIFY(regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        key(&z.s(), Qt::Key_Escape); // nothing to cancel any more
        QVERIFY(z.w);
        VERIFY_DIALOGS(z.dialogs);
        QVERIFY(z.s().CmdFinish->isDefault());
        key(&z.s(), Qt::Key_Return); // "Voltooien": no exit question
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!z.w);
        VERIFY_DIALOGS(z.dialogs);
    }

    // On the ready page "Volgende >" is hidden: no key reaches it, so the progress page never comes
    // without the installation.
    void theReadyPageHasNoWayToTheHiddenVolgende()
    {
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        z.next();
        z.next();
        z.next();
        QCOMPARE(z.s().CurrentStep, 4);
        QApplication::setActiveWindow(&z.s());
        QList<QWidget *> reached;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &z.s(), Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        QVERIFY(reached.contains(z.s().CmdInstall));
        QVERIFY(!reached.contains(z.s().Command1[1]));
        for (const QKeyCombination key : {Qt::ALT | Qt::Key_V, Qt::ALT | Qt::Key_N, Qt::ALT | Qt::Key_Return,
                                          Qt::CTRL | Qt::Key_Return, Qt::SHIFT | Qt::Key_Return})
            QTest::keyClick(&z.s(), key.key(), key.keyboardModifiers());
        QCOMPARE(z.s().CurrentStep, 4);
        QCOMPARE(z.page(), 3);
        QVERIFY(!z.s().installing());
        VERIFY_DIALOGS(z.dialogs);
    }

    // A double click on "Volgende >" goes one page on: its second click does not press the button that
    // took its place ("Installeren" on the ready page), nor skip a page.
    void aDoubleClickPressesOnce_data()
    {
        QTest::addColumn<int>("from");
        QTest::newRow("welcome") << 1;
        QTest::newRow("Start-menu page") << 3;
    }
    void aDoubleClickPressesOnce()
    {
        QFETCH(int, from);
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        while (z.s().CurrentStep < from) z.next();
        QPushButton *next = z.s().Command1[1];
        QTest::mouseDClick(z.s().windowHandle(), Qt::LeftButton, {}, next->mapTo(&z.s(), next->rect().center()));
        QCOMPARE(z.s().CurrentStep, from + 1);
        QVERIFY(!z.s().installing());
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

    // The menu browser opens in the applications folder, made when a new user has none yet. A folder
    // outside it cannot hold menu entries: it is refused and the field keeps what it had.
    void menuBrowsingStaysInTheMenu()
    {
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        const QString apps = z.box.applications();
        QVERIFY(!QFileInfo::exists(apps));
        z.dialogs.onNext([&] { QVERIFY(QFileInfo(apps).isDir()); }).answerFolder(apps + "/Kantoor");
        z.s().CmdBrowse[1]->click();
        QCOMPARE(z.dialogs.shown[0].folderRequest.root, apps);
        QCOMPARE(z.s().Text1[1]->text(), QString("Kantoor\\Zandrel Tofmaar"));

        const QString outside = "De snelkoppelingen kunnen alleen in een map van het menu Start staan:\r\n      " + apps
                              + "\r\n\r\nDe gekozen map ligt daarbuiten:\r\n      @\r\n\r\nKies een map in het menu Start.";
        const QStringList refused = {
            z.box.root() + "/tmp/bestaand", // the road that gave "tmp\...\bestaand\Zandrel Tofmaar"
            "/opt/menu",
            apps + "2/Kantoor",                       // begins with the menu's name, but is another folder
            z.box.home() + "/.local/share/Applications", // another folder here: names differ by case
            z.box.home() + "/.local/share",           // above the menu
        };
        for (const QString &chosen : refused) {
            z.dialogs.answerFolder(chosen).answer(MsgAnswer::OK, QString(outside).replace("@", chosen), "Fout");
            z.s().CmdBrowse[1]->click();
            QCOMPARE(z.s().Text1[1]->text(), QString("Kantoor\\Zandrel Tofmaar"));
            QCOMPARE(z.dialogs.shown.last().style, 48);
        }
        // A menu folder reached through a link to it counts as the menu.
        QVERIFY(QFile::link(apps, z.box.root() + "/menu"));
        z.dialogs.answerFolder(z.box.root() + "/menu/Kantoor/Tekenen");
        QDir().mkpath(apps + "/Kantoor/Tekenen");
        z.s().CmdBrowse[1]->click();
        QCOMPARE(z.s().Text1[1]->text(), QString("Kantoor\\Tekenen\\Zandrel Tofmaar"));
        VERIFY_DIALOGS(z.dialogs);
        saveBoxShots(z.dialogs, "setup-box-menu-buiten");
    }

    void installGoesOnPastAHangingComponent()
    {
        Wizard z;
        const int previous = setRegistrationWait(3000);
        const QString source = makeSource(z.box, {{"SYS/libztshare.so", readFile(SHARED_RUNTIME)},
                                                   {"SYS/libztshare.so.version", "2.0.0.0"},
                                                   {"SYS/libhangs.so", readFile(COMPONENT_HANGS)},
                                                   {"SYS/README.TXT", "no component"}});
        QVERIFY(z.start(source));
        QVERIFY(z.install());
        setRegistrationWait(previous);
        QVERIFY(z.alive());
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

    // A component that hangs holds up the installation for the registration wait, never the window:
    // its event loop runs while the unpack is mid-file, and while the hanging entry's process is
    // alive. Annuleren then asks, and Ja ends at once, leaving nothing.
    void aHangingComponentNeverFreezesTheWindow_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("waited for") << false;
        QTest::newRow("Annuleren") << true;
    }
    void aHangingComponentNeverFreezesTheWindow()
    {
        QFETCH(bool, cancel);
        Wizard z;
        // Cancelled, the wait is one no test run reaches: ending "at once" is then far inside it.
        const int wait = cancel ? 120000 : 4000, previous = setRegistrationWait(wait);
        const QString source = makeSource(z.box, {{"SYS/libztshare.so", readFile(SHARED_RUNTIME)},
                                                   {"SYS/libztshare.so.version", "2.0.0.0"},
                                                   {"SYS/libhangs.so", readFile(COMPONENT_HANGS)}});
        const QStringList before = z.box.everything();
        QVERIFY(z.start(source));
        LiveWhileUnpacking live;
        HangMark mark;
        QElapsedTimer clock;
        QVERIFY(z.startInstall());
        clock.start();
        if (cancel) {
            const pid_t entry = mark.waitForEntry([&] { return z.w && z.s().installing(); });
            QVERIFY2(entry > 0, "the hanging entry did not run while the window handled events");
            QVERIFY(z.s().installing());
            QVERIFY2(::kill(entry, 0) == 0, "the window handled events only after the registration");
            z.dialogs.answer(MsgAnswer::Yes, ExitQuestion, "Setup afsluiten");
            QElapsedTimer answered;
            answered.start();
            z.s().Command1[2]->click();
            const qint64 ending = answered.elapsed();
            setRegistrationWait(previous);
            VERIFY_DIALOGS(z.dialogs);
            QVERIFY2(ending < wait / 2, qPrintable(QString::number(ending)));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!z.w);
            QCOMPARE(z.box.everything(), before);
            QCOMPARE(live.state(), LiveWhileUnpacking::Live);
            return;
        }
        QVERIFY(z.waitForInstall());
        QVERIFY(z.alive());
        const qint64 took = clock.elapsed();
        setRegistrationWait(previous);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.s().CurrentStep, 5); // the wait's outcome: the installation goes on past it
        QVERIFY2(took >= wait, qPrintable(QString::number(took)));
        QCOMPARE(live.state(), LiveWhileUnpacking::Live);
        QVERIFY(QFile::exists(z.box.components() + "/libhangs.so"));
    }

    void anOlderComponentIsReplacedANewerOneStays()
    {
        Wizard z;
        const QString source = makeSource(z.box);
        writeFile(z.box.components() + "/libztshare.so", readFile(SHARED_RUNTIME));
        writeFile(z.box.components() + "/libztshare.so.version", "3.0.0.0");
        // The installations that use them: this folder, installed before, stays listed once.
        const QByteArray users = ("/elders/Zandrel Tofmaar\n" + z.target() + "/\n").toUtf8();
        writeFile(z.box.components() + "/installations.lst", users);
        QVERIFY(z.start(source));
        QVERIFY(z.install());
        QCOMPARE(readFile(z.box.components() + "/libztshare.so.version"), QByteArray("3.0.0.0"));
        QCOMPARE(readFile(z.box.components() + "/installations.lst"), users);
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
            QVERIFY(z.install());
            QVERIFY(!QFileInfo::exists(z.target())); // Ja: what it wrote is gone, the folder it made too
        }
        QCOMPARE(z.ended, 1);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown[0].style, style);
        QVERIFY(!regKeyExists(HKEY_CURRENT_USER, Installed::UninstallKey));
        QVERIFY(!QFileInfo::exists(z.box.applications()));
        QVERIFY(!QFileInfo::exists(z.box.home() + "/buiten.txt"));
    }

    // Each page opens with the keyboard on its field, or on its default button where it has none, so
    // that Enter always goes on: never back through "< Vorige".
    void eachPageOpensOnItsFirstField()
    {
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        QApplication::setActiveWindow(&z.s());
        const auto focused = [] { return QApplication::focusWidget(); };
        const auto enter = [&] { QTest::keyClick(focused() ? focused() : &z.s(), Qt::Key_Return); };
        QCOMPARE(focused(), z.s().Command1[1]);
        enter();
        QCOMPARE(z.s().CurrentStep, 2);
        QCOMPARE(focused(), z.s().Text1[0]);
        enter();
        QCOMPARE(z.s().CurrentStep, 3);
        QCOMPARE(focused(), z.s().Text1[1]);
        enter();
        QCOMPARE(z.s().CurrentStep, 4);
        QCOMPARE(focused(), z.s().CmdInstall);
        for (const auto &[step, field] : {std::pair<int, QWidget *>{3, z.s().Text1[1]}, {2, z.s().Text1[0]}, {1, z.s().Command1[1]}}) {
            z.back();
            QCOMPARE(z.s().CurrentStep, step);
            QCOMPARE(focused(), field);
        }
        for (int step = 2; step <= 4; ++step) enter();
        QCOMPARE(z.s().CurrentStep, 4);
        enter(); // "Installeren"
        QVERIFY(z.waitForInstall());
        QVERIFY(z.alive());
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(focused(), z.s().CmdFinish);
        VERIFY_DIALOGS(z.dialogs);
    }

    // A leading "~" on the target page is the home folder; "~" alone is the home folder itself.
    void aLeadingTildeIsTheHomeFolder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folder"); // "" when refused
        QTest::addColumn<QString>("message");
        QTest::newRow("below the home folder") << "~/Zandrel Tofmaar" << "~/Zandrel Tofmaar" << "";
        QTest::newRow("nested, with blanks around") << "  ~/Werk/Zandrel Tofmaar " << "~/Werk/Zandrel Tofmaar" << "";
        QTest::newRow("the home folder itself") << "~" << ""
                                               << "De persoonlijke map zelf kan niet gekozen worden:\r\n      ~\r\n\r\n"
                                                  "Kies een map daarin, bijv.:\r\n      ~/Zandrel Tofmaar";
        QTest::newRow("another user's home") << "~jan/Zandrel Tofmaar" << ""
                                             << "U moet een volledig pad vanaf de hoofdmap opgeven bijv.: \r\n"
                                                "/home/gebruiker/APP\r\n\r\nDe hoofdmap / zelf kan niet gekozen worden.";
    }
    void aLeadingTildeIsTheHomeFolder()
    {
        QFETCH(QString, typed);
        QFETCH(QString, folder);
        QFETCH(QString, message);
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        z.next();
        z.s().Text1[0]->setText(typed);
        folder.replace("~", z.box.home());
        if (!message.isEmpty()) z.dialogs.answer(MsgAnswer::OK, message.replace("~", z.box.home()), "Fout");
        z.next();
        VERIFY_DIALOGS(z.dialogs);
        if (folder.isEmpty()) {
            QCOMPARE(z.s().CurrentStep, 2);
            return;
        }
        QCOMPARE(z.s().CurrentStep, 3);
        QCOMPARE(z.s().Text1[0]->text(), folder);
        QVERIFY(QFileInfo(folder).isDir());
        z.next();
        QVERIFY(z.s().MessageText.startsWith("Doelmap: \r\n      " + folder + "\r\n"));
        z.s().CmdInstall->click();
        QVERIFY(z.waitForInstall());
        QVERIFY(z.alive());
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "AppPath"), folder);
        QVERIFY(QFileInfo(folder + "/ZanTof").isFile());
    }

    // When the shared component cannot be put in its place, the stop names why, not the registration
    // that failed because of it.
    void theFirstRealFailureIsSaid_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file where the components folder belongs")
            << "file" << "de map voor de gedeelde onderdelen kan niet worden aangemaakt. (@)";
        QTest::newRow("a components folder that takes no files")
            << "read-only" << "het onderdeel \"SYS/libztshare.so\" kan niet worden gekopieerd. (@/libztshare.so)";
    }
    void theFirstRealFailureIsSaid()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, reason);
        if (trouble == "read-only") RUN_AS_UNPRIVILEGED_USER();
        Wizard z;
        const QString source = makeSource(z.box);
        if (trouble == "file") writeFile(z.box.components(), "in de weg");
        if (trouble == "read-only") {
            QDir().mkpath(z.box.components());
            QVERIFY(setFolderWritable(z.box.components(), false));
        }
        QVERIFY(z.start(source));
        z.dialogs.answer(MsgAnswer::Yes,
                         "De installatie is gestopt, want " + reason.replace("@", z.box.components())
                             + "\r\n\r\nWilt u verwijderen wat Setup tot nu toe heeft geïnstalleerd ?",
                         "Setup");
        QVERIFY(z.install());
        if (trouble == "read-only") setFolderWritable(z.box.components(), true);
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.ended, 1);
        QVERIFY(!QFileInfo::exists(z.target()));
    }

    // A component that cannot be copied over an older one that still registers: the installation goes
    // on, and the copy is listed once.
    void aFailedCopyIsListedOnce()
    {
        RUN_AS_UNPRIVILEGED_USER();
        Wizard z;
        const QString source = makeSource(z.box);
        const QString components = z.box.components();
        writeFile(components + "/libztshare.so", readFile(SHARED_RUNTIME));
        writeFile(components + "/libztshare.so.version", "1.0.0.0");
        QVERIFY(setFolderWritable(components, false));
        QVERIFY(z.start(source));
        z.dialogs.answer(MsgAnswer::OK,
                         "De installatie is voltooid, maar het volgende is niet gelukt:\r\n\r\n"
                         "Lijst van installaties: " + components + "/installations.lst\r\n"
                         "Kopiëren naar " + components + "/libztshare.so",
                         "Setup");
        QVERIFY(z.install());
        setFolderWritable(components, true);
        QVERIFY(z.alive());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(readFile(components + "/libztshare.so.version"), QByteArray("1.0.0.0"));
    }

    // Qt's folder browser keeps its state in the user's QtProject.conf, also when it is cancelled;
    // setup sends it elsewhere, as its start does, and leaves nothing in the home folder.
    void theFolderBrowserLeavesNothingInTheHome()
    {
        Wizard z;
        QVERIFY(z.start(makeSource(z.box)));
        QTemporaryDir elsewhere;
        keepQtSettingsIn(elsewhere.path());
        QtDialogs real;
        DialogService *previous = setDialogService(&real);
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) qobject_cast<QDialog *>(dialog)->reject();
        });
        cancel.start(20);
        const QStringList before = z.box.everything();
        z.s().CmdBrowse[0]->click(); // "Annuleren"
        cancel.stop();
        setDialogService(previous);
        keepQtSettingsIn(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        QCOMPARE(z.s().Text1[0]->text(), z.target());
        QCOMPARE(z.box.everything(), before);
        QVERIFY(QFileInfo::exists(elsewhere.path() + "/QtProject.conf"));
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
        QVERIFY(z.install());
        QVERIFY(z.alive());
        VERIFY_DIALOGS(z.dialogs);
        QCOMPARE(z.dialogs.shown[0].style, 48);
        QCOMPARE(z.s().CurrentStep, 5);
        QCOMPARE(regKeyValues(HKEY_CURRENT_USER, Installed::UninstallKey).size(), 4);
        QCOMPARE(RegReadString(HKEY_CURRENT_USER, Installed::UninstallKey, "ShellLnkPath"), links);
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
