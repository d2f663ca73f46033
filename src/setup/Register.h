#pragma once
// Self-registration of a shared component: its entry "DllRegisterServer" (or "DllUnregisterServer")
// runs in a child process that is given at most the registration wait and killed after it.
#include <QString>
#include <functional>

// The wait in milliseconds (10 s); a test may shorten it. Returns the previous one.
int setRegistrationWait(int milliseconds);

// True when the component was loaded and its entry ran to its end; the entry's own result is not examined.
// `stop`, asked while the entry runs, ends the wait at once (the child is killed): false then.
bool CallRegistrationEntry(const QString &path, bool unregister, const std::function<bool()> &stop = {});
bool RegisterComponent(const QString &path, const std::function<bool()> &stop = {});
