#include "AppWindowOpener.h"
#include "mainwindow/HoofdScherm.h"
#include "mainwindow/ZanTof.h"
#include "platform/FontFaces.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>

#include <csignal>

// ZanTof runs in the current folder, which is its program folder: the catalogue files are read and
// the personal data and projects are written there.
int main(int argc, char *argv[])
{
    // Under a file-size limit a write then fails and the save says so, instead of the program
    // ending with the project unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZanTof");
    mapFontFaces();
    useDutchInterface();
    QtDialogs qtDialogs;
    setDialogService(&qtDialogs);
    AppWindowOpener opener;
    ScopedWindowOpener installed(&opener);

    auto *frame = new ZanTof;
    frame->load();
    auto *screen = new HoofdScherm(frame);
    frame->setMainScreen(screen);
    if (!screen->load()) return 1; // the catalogue is incomplete; the user has been told
    frame->show();
    const int code = QApplication::exec();
    setDialogService(nullptr);
    return code;
}
