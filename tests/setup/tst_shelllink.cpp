#include "SetupSandbox.h"
#include "setup/ShellLink.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QThread>

namespace {
QByteArray waitForFile(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        const QByteArray bytes = readFile(path);
        if (bytes.endsWith('\n')) return bytes;
        QThread::msleep(50);
    }
    return {};
}
}

class TestShellLink : public QObject {
    Q_OBJECT
private slots:
    void anAwkwardTargetStillStarts_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("blanks") << "Zandrel Tofmaar";
        QTest::newRow("quotes dollar") << "it's \"mijn\" $HOME";
        QTest::newRow("percent") << "100% hout";
        QTest::newRow("backslash backtick") << "a\\b `c` %f %%";
        QTest::newRow("leading blank") << " voor";
    }
    void anAwkwardTargetStillStarts()
    {
        QFETCH(QString, folder);
        Sandbox box;
        const QString target = box.home() + "/" + folder;
        const QString program = target + "/Zan Tof";
        const QString mark = box.root() + "/started";
        // The program stands in for ZanTof: it says where it runs and what it was given.
        writeFile(program, "#!/bin/sh\nprintf '%s|%s|%s\\n' \"$(pwd)\" \"$0\" \"$#\" > '" + mark.toUtf8() + "'\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeFile(target + "/ICO/ZanTof.ico", "icon");

        const QString entry = box.applications() + "/Zandrel Tofmaar/Zandrel tofmaar.desktop";
        QDir().mkpath(QFileInfo(entry).absolutePath());
        QCOMPARE(cShellLink().CreateShellLink(entry, program, target, "", "", 0, "", 5), -1);
        QCOMPARE(validateDesktopEntry(entry), QString());

        QString exe, dir, args, icon;
        int iconIndex = -1, show = 0;
        QCOMPARE(cShellLink().GetShellLinkInfo(entry, exe, dir, args, icon, iconIndex, show), -1);
        QCOMPARE(exe, program);
        QCOMPARE(dir, target);
        QCOMPARE(args, QString());
        QCOMPARE(icon, target + "/ICO/ZanTof.ico");

        // A real launcher reads the entry and starts the program in its folder.
        QProcess gio;
        gio.start("gio", {"launch", entry});
        QVERIFY(gio.waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(waitForFile(mark)), target + "|" + program + "|0\n");
    }

    // Without an icon file the entry shows the installation's icon, where there is one beside the program.
    void entryContents_data()
    {
        QTest::addColumn<bool>("withIcon");
        QTest::newRow("no icon beside the program") << false;
        QTest::newRow("the installation's icon") << true;
    }
    void entryContents()
    {
        QFETCH(bool, withIcon);
        Sandbox box;
        const QString folder = box.home() + "/z";
        QDir().mkpath(folder);
        if (withIcon) writeFile(folder + "/ICO/ZanTof.ico", "icon");
        const QString entry = box.applications() + "/Verwijder Zandrel tofmaar.desktop";
        QDir().mkpath(box.applications());
        QCOMPARE(cShellLink().CreateShellLink(entry, folder + "/uninst", folder, "", "", 0, "", 5), -1);
        QCOMPARE(QString::fromUtf8(readFile(entry)),
                 "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Verwijder Zandrel tofmaar\nExec=\"" + folder + "/uninst\"\n"
                 "Path=" + folder + "\n" + (withIcon ? "Icon=" + folder + "/ICO/ZanTof.ico\n" : QString())
                     + "Categories=Graphics;\nTerminal=false\n");
        QCOMPARE(validateDesktopEntry(entry), QString());
    }

    void nothingIsWrittenWithoutFileOrProgram()
    {
        Sandbox box;
        QDir().mkpath(box.applications());
        const QString entry = box.applications() + "/x.desktop";
        QCOMPARE(cShellLink().CreateShellLink("", "/opt/z/ZanTof", "", "", "", 0, "", 5), 0);
        QCOMPARE(cShellLink().CreateShellLink(entry, "", "", "", "", 0, "", 5), 0);
        QVERIFY(!QFile::exists(entry));
        // A folder that does not exist: not written, not reported.
        QCOMPARE(cShellLink().CreateShellLink(box.applications() + "/none/x.desktop", "/opt/z/ZanTof", "", "", "", 0, "", 5), 0);
        QString exe, dir, args, icon;
        int index = 0, show = 0;
        QCOMPARE(cShellLink().GetShellLinkInfo(entry, exe, dir, args, icon, index, show), 0);
    }
};

QTEST_MAIN(TestShellLink)
#include "tst_shelllink.moc"
