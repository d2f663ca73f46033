#pragma once
// Self-registration of a shared component: its entry "DllRegisterServer" (or "DllUnregisterServer")
// runs in a process of its own that is given at most the registration wait and killed after it.
// That process is a program started afresh (setup itself, with the arguments below), never a copy of
// the installer forked from beside its threads.
#include <QString>
#include <functional>

// The wait in milliseconds (10 s); a test may shorten it. Returns the previous one.
int setRegistrationWait(int milliseconds);

// The program that loads the component and calls its entry: by default the running program itself,
// whose main hands the call to runRegistrationCall. "" restores that default; returns the previous one.
QString setRegistrationProgram(const QString &program);

// Whether the command line is a registration call: `<program> --zantof-register <component> register|unregister`.
bool isRegistrationCall(int argc, char *argv[]);
// Loads the component of a registration call and calls its entry; ends the process with the exit code
// that CallRegistrationEntry reads. To be called first in main, while the process has no other thread.
[[noreturn]] void runRegistrationCall(char *argv[]);

// True when the component was loaded and its entry ran to its end; the entry's own result is not examined.
// `stop`, asked while the entry runs, ends the wait at once (the child is killed): false then.
bool CallRegistrationEntry(const QString &path, bool unregister, const std::function<bool()> &stop = {});
bool RegisterComponent(const QString &path, const std::function<bool()> &stop = {});
