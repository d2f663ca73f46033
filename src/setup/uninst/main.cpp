#include "setup/Uninstall.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>

// uninst: started from its menu entry or through the uninstall entry; it has no window of its own.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("uninst");
    useDutchInterface();
    QtDialogs qtDialogs;
    setDialogService(&qtDialogs);
    Uninst::Main();
    setDialogService(nullptr);
    return 0;
}
