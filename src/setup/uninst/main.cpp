#include "setup/Uninstall.h"
#include "setup/uninst/RemovalWindow.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QFileInfo>

// uninst: started from its menu entry or through the uninstall entry; its one window shows while it removes.
// It removes the installation it lies in: the folder of the path it was started by (as the menu
// entry names it, links unresolved), or else of the program file itself.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("uninst");
    useDutchInterface();
    QtDialogs qtDialogs;
    setDialogService(&qtDialogs);
    const QString started = argc > 0 ? QFile::decodeName(argv[0]) : QString();
    RemovalWindow busy;
    Uninst::Main(started.contains('/') ? QFileInfo(started).absolutePath() : QApplication::applicationDirPath(),
                 [&busy](qsizetype done, qsizetype total) { busy.report(done, total); });
    setDialogService(nullptr);
    return 0;
}
