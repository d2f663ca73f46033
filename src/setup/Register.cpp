#include "Register.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
int waitMs = 10000;

// Exit codes of the child: the entry returned, or why it never ran.
enum : int { EntryRan = 0, NoModule = 2, NoEntry = 3 };
}

int setRegistrationWait(int milliseconds)
{
    const int previous = waitMs;
    waitMs = milliseconds;
    return previous;
}

bool CallRegistrationEntry(const QString &path, bool unregister, const std::function<bool()> &stop)
{
    const QByteArray entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    if (!QFileInfo(path).isFile()) return false;
    // The component runs in a process of its own: one that hangs or crashes cannot take the installer along.
    const QByteArray file = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        void *module = ::dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!module) ::_exit(NoModule);
        void *symbol = ::dlsym(module, entry.constData());
        if (!symbol) ::_exit(NoEntry);
        reinterpret_cast<long (*)()>(symbol)();
        ::_exit(EntryRan);
    }
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == EntryRan;
        if (done < 0) return false;
        if (clock.elapsed() >= waitMs || (stop && stop())) break;
        QThread::msleep(10);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return false;
}

bool RegisterComponent(const QString &path, const std::function<bool()> &stop) { return CallRegistrationEntry(path, false, stop); }
