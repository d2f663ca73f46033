#include "setup/wizard/SetupFrm.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>

// setup [folder]: installs from the "ZanTof.zip" in the given folder, or in the current one.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Setup");
    useDutchInterface();
    QtDialogs qtDialogs;
    setDialogService(&qtDialogs);
    const QStringList arguments = QApplication::arguments().mid(1);
    auto *wizard = new SetupFrm(arguments.join(' '));
    if (!wizard->load()) return 1; // refused; the user has been told
    wizard->show();
    const int code = QApplication::exec();
    setDialogService(nullptr);
    return code;
}
