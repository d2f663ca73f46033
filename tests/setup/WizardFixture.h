#pragma once
// The installer's wizard as setup starts it, in a sandbox home, with scripted dialogs and an end of
// the program that is recorded instead of carried out.
#include "SetupSandbox.h"
#include "TestSupport.h"
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

    Wizard() { Form::setProgramEndHandler([this](int code) { ended = code; }); }
    ~Wizard()
    {
        if (w) delete w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Form::setProgramEndHandler(nullptr);
        QDir::setCurrent(startFolder);
    }
    bool start(const QString &commandLine)
    {
        w = new SetupFrm(commandLine);
        if (!w->load()) return false;
        w->show();
        return true;
    }
    SetupFrm &s() { return *w; }
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
    void install()
    {
        startInstall();
        waitForInstall();
    }
    // Next through the three pages, then Install, without waiting for the unpack.
    void startInstall()
    {
        next();
        next();
        next();
        s().CmdInstall->click();
    }
    void waitForInstall(int ms = 60000)
    {
        QDeadlineTimer deadline(ms);
        while (w && s().installing() && ended < 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QVERIFY2(!w || !s().installing() || ended >= 0, "the installation did not end");
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
