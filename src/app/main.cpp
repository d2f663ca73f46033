#include "ProgramStart.h"

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
    ProgramStart program;
    if (!program.start()) return 1; // the catalogue is incomplete; the user has been told
    return QApplication::exec();
}
