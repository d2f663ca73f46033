#include "Register.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {
int waitMs = 10000;
QString registrationProgram;

const char *const CallArgument = "--zantof-register";

// Exit codes of the child: the entry returned, or why it never ran.
enum : int { EntryRan = 0, NoModule = 2, NoEntry = 3 };

const char *entryName(bool unregister) { return unregister ? "DllUnregisterServer" : "DllRegisterServer"; }

// Starts the registration program with posix_spawn: the child execs before it runs any code of ours,
// so no lock that another thread of this process holds (the loader's, the allocator's) can stop it.
pid_t spawnRegistration(const QByteArray &program, const QByteArray &component, bool unregister)
{
    QByteArray which = unregister ? "unregister" : "register";
    QByteArray call = CallArgument;
    char *argv[] = {const_cast<char *>(program.constData()), call.data(), const_cast<char *>(component.constData()),
                    which.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    if (posix_spawn_file_actions_init(&actions) != 0) return -1;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return -1;
    }
    // No input, and none of the installer's open files: a component that hangs holds nothing of ours.
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    // The signals as a program starts with them, whatever the spawning thread blocks or handles.
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t child = -1;
    const int failed = ::posix_spawn(&child, program.constData(), &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : child;
}
}

int setRegistrationWait(int milliseconds)
{
    const int previous = waitMs;
    waitMs = milliseconds;
    return previous;
}

QString setRegistrationProgram(const QString &program)
{
    const QString previous = registrationProgram;
    registrationProgram = program;
    return previous;
}

bool isRegistrationCall(int argc, char *argv[])
{
    return argc == 4 && std::strcmp(argv[1], CallArgument) == 0
        && (std::strcmp(argv[3], "register") == 0 || std::strcmp(argv[3], "unregister") == 0);
}

void runRegistrationCall(char *argv[])
{
    void *module = ::dlopen(argv[2], RTLD_NOW | RTLD_LOCAL);
    if (!module) ::_exit(NoModule);
    void *symbol = ::dlsym(module, entryName(std::strcmp(argv[3], "unregister") == 0));
    if (!symbol) ::_exit(NoEntry);
    reinterpret_cast<long (*)()>(symbol)();
    std::fflush(nullptr);
    ::_exit(EntryRan);
}

bool CallRegistrationEntry(const QString &path, bool unregister, const std::function<bool()> &stop)
{
    if (!QFileInfo(path).isFile()) return false;
    // The component runs in a process of its own: one that hangs or crashes cannot take the installer along.
    const QByteArray file = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    // /proc/self/exe is this program even when its file has been moved or replaced meanwhile.
    const QByteArray program = registrationProgram.isEmpty() ? QByteArray("/proc/self/exe") : QFile::encodeName(registrationProgram);
    const pid_t child = spawnRegistration(program, file, unregister);
    if (child < 0) return false;
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == EntryRan;
        if (done < 0 && errno != EINTR) return false;
        if (clock.elapsed() >= waitMs || (stop && stop())) break;
        QThread::msleep(10);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return false;
}

bool RegisterComponent(const QString &path, const std::function<bool()> &stop) { return CallRegistrationEntry(path, false, stop); }
