#pragma once
// The installer's wizard as setup starts it, in a sandbox home, with scripted dialogs and an end of
// the program that is recorded instead of carried out.
#include "SetupSandbox.h"
#include "TestSupport.h"
#include "setup/wizard/SetupFrm.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

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
