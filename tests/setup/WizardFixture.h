#pragma once
// The installer's wizard as setup starts it, in a sandbox home, with scripted dialogs and an end of
// the program that is recorded instead of carried out.
#include "SetupSandbox.h"
#include "TestSupport.h"
#include "setup/Register.h"
#include "setup/wizard/SetupFrm.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

struct Wizard {
    Sandbox box;
    ScriptedDialogs dialogs;
    int ended = -1;
    QPointer<SetupFrm> w;
    QString startFolder = QDir::currentPath();

    // The test program is no setup: a component's registration starts the real one.
    Wizard() : previousProgram(setRegistrationProgram(SETUP_PROGRAM))
    {
        Form::setProgramEndHandler([this](int code) { ended = code; });
    }
    ~Wizard()
    {
        if (w) delete w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Form::setProgramEndHandler(nullptr);
        QDir::setCurrent(startFolder);
        setRegistrationProgram(previousProgram);
    }
    bool start(const QString &commandLine)
    {
        w = new SetupFrm(commandLine);
        if (!w->load()) return false;
        w->show();
        return true;
    }
    // The window. A test reaches for it only after QVERIFY(alive()) where something could have ended
    // it; past that, a window that has gone stops the test program with this message, never with a
    // null pointer.
    SetupFrm &s()
    {
        if (!w) qFatal("%s", qPrintable(gone()));
        return *w;
    }
    // Whether the window is still there; when it is not, the test fails with what ended it.
    [[nodiscard]] bool alive(const char *file = __builtin_FILE(), int line = __builtin_LINE())
    {
        return QTest::qVerify(!w.isNull(), "the wizard's window", w ? "" : qPrintable(gone()), file, line);
    }
    void next() { s().Command1[1]->click(); }
    void back() { s().Command1[0]->click(); }
    QString target() const { return box.home() + "/Zandrel Tofmaar"; }
    // The visible page, or -1 when none or more than one is.
    int page()
    {
        int shown = -1;
        for (int i = 0; i < 6; ++i)
            if (s().Frame1[i]->isVisible()) shown = shown < 0 ? i : -2;
        return shown < 0 ? -1 : shown;
    }
    // Next through the three pages with their defaults, then Install, and on until the installation
    // has finished, stopped or ended the program.
    // False, with the test failed, when the installation did not end or a page did not lead on.
    [[nodiscard]] bool install(const char *file = __builtin_FILE(), int line = __builtin_LINE())
    {
        return startInstall(file, line) && waitForInstall(60000, file, line);
    }
    // Next through the three pages, then Install, without waiting for the unpack.
    [[nodiscard]] bool startInstall(const char *file = __builtin_FILE(), int line = __builtin_LINE())
    {
        for (int step = 1; step < 4; ++step) {
            next();
            if (!QTest::qVerify(s().CurrentStep == step + 1, "the next page", qPrintable(shownText()), file, line)) return false;
        }
        s().CmdInstall->click();
        return true;
    }
    [[nodiscard]] bool waitForInstall(int ms = 60000, const char *file = __builtin_FILE(), int line = __builtin_LINE())
    {
        QDeadlineTimer deadline(ms);
        while (w && w->installing() && ended < 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return QTest::qVerify(!w || !w->installing() || ended >= 0, "the installation's end", "the installation did not end",
                              file, line);
    }

private:
    QString previousProgram;
    // What the boxes said, for a test that failed on the way.
    QString shownText() const
    {
        QStringList said;
        for (const ShownBox &b : dialogs.shown) said << b.title + ": " + b.prompt;
        return said.isEmpty() ? QString("no box was shown") : "the boxes shown: " + said.join(" | ");
    }
    QString gone() const
    {
        return "the wizard's window is gone (program ended with " + QString::number(ended) + "; " + shownText() + ")";
    }
};

// The question setup asks when an installation stands in another folder.
inline QString otherInstallationQuestion(const QString &other, const QString &target)
{
    return "Zandrel Tofmaar is al geïnstalleerd in een andere map:\r\n      " + other
         + "\r\n\r\nAls u doorgaat, wordt het ook geïnstalleerd in:\r\n      " + target
         + "\r\n\r\nDe bestaande installatie blijft staan. Elke installatie verwijdert u met haar "
           "eigen \"Verwijder Zandrel tofmaar\".\r\n\r\nToch doorgaan ?";
}

// PNGs of the message boxes a test was shown, as the program shows them (the real box, grabbed and
// closed at once), named "<name>-1", "<name>-2", ...; only when $ZANTOF_SHOTS is set.
inline void saveBoxShots(const ScriptedDialogs &shown, const QString &name)
{
    if (qEnvironmentVariableIsEmpty("ZANTOF_SHOTS")) return;
    QtDialogs real;
    int n = 0;
    for (const ShownBox &b : shown.shown) {
        if (b.kind != ShownBox::Message) continue;
        const QString shot = name + "-" + QString::number(++n);
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, shot] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) return;
            poll->stop();
            poll->deleteLater();
            saveShot(box, shot);
            box->reject();
        });
        poll->start(20);
        real.msgBox(b.prompt, b.style, b.title);
    }
}
