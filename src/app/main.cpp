#include "AppWindowOpener.h"
#include "mainwindow/HoofdScherm.h"
#include "mainwindow/ZanTof.h"
#include "platform/FontFaces.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

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
    // The user interface is Dutch, the buttons of Qt's own dialogs ("Ja", "Nee", "Annuleren") too.
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QTranslator qtDutch;
    if (qtDutch.load("qtbase_nl", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDutch);
    QtDialogs qtDialogs;
    setDialogService(&qtDialogs);
    AppWindowOpener opener;
    ScopedWindowOpener installed(&opener);

    auto *frame = new ZanTof;
    frame->load();
    auto *screen = new HoofdScherm(frame);
    if (!screen->load()) return 1; // the catalogue is incomplete; the user has been told
    frame->show();
    const int code = QApplication::exec();
    setDialogService(nullptr);
    return code;
}
