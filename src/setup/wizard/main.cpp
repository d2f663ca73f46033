#include "setup/Installed.h"
#include "setup/Register.h"
#include "setup/wizard/SetupFrm.h"
#include "platform/TextFile.h"
#include "platform/widgets/DutchInterface.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QTemporaryDir>

// setup [folder]: installs from the "ZanTof.zip" in the given folder; without one, from the
// "ZanTof.zip" beside setup itself, else from the one in the current folder.
// A component's registration starts setup again with arguments of its own: then it only runs that.
int main(int argc, char *argv[])
{
    if (isRegistrationCall(argc, argv)) runRegistrationCall(argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Setup");
    // The folder browser's state goes with setup's end (the folder is removed then).
    const QTemporaryDir qtSettings;
    if (qtSettings.isValid()) keepQtSettingsIn(qtSettings.path());
    useDutchInterface();
    QtDialogs qtDialogs;
    setDialogService(&qtDialogs);
    const QStringList arguments = QApplication::arguments().mid(1);
    QString folder = arguments.join(' ');
    // The package is setup and its archive side by side, wherever it is started from.
    const QString beside = QApplication::applicationDirPath();
    if (folder.isEmpty() && fileExists(Installed::Archive, beside)) folder = beside;
    if (!openForm<SetupFrm>(folder)) return 1; // refused; the user has been told
    const int code = QApplication::exec();
    setDialogService(nullptr);
    return code;
}
