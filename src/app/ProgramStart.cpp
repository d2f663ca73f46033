#include "ProgramStart.h"

#include "AppWindowOpener.h"
#include "ProjectFormLevels.h"
#include "mainwindow/HoofdScherm.h"
#include "mainwindow/ZanTof.h"
#include "platform/FontFaces.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QPointer>

struct ProgramStart::Parts {
    QtDialogs dialogs;
    ProjectFormLevels levels;
    AppWindowOpener opener;
    ScopedWindowOpener installed{&opener};
    QPointer<HoofdScherm> screen;
};

ProgramStart::ProgramStart()
{
    QApplication::setApplicationName("ZanTof");
    mapFontFaces();
    useDutchInterfaceSoon();
    d = std::make_unique<Parts>();
    setDialogService(&d->dialogs);
}

ProgramStart::~ProgramStart() { setDialogService(nullptr); }

bool ProgramStart::start()
{
    auto *frame = new ZanTof;
    frame->load();
    auto *screen = new HoofdScherm(frame);
    frame->setMainScreen(screen);
    if (!screen->load()) return false;
    d->screen = screen;
    frame->show();
    return true;
}

HoofdScherm *ProgramStart::mainScreen() const { return d->screen; }
