#pragma once
// The entries of a small package: the two programs and a catalogue file, and the shared runtime the
// build makes. For the tests that are given SHARED_RUNTIME and SHARED_RUNTIME_VERSION.
#include "Archive.h"
#include "SetupSandbox.h"

inline QList<Item> programs()
{
    return {{"ZanTof", "#!/bin/sh\n", S_IFREG | 0755}, {"uninst", "#!/bin/sh\n", S_IFREG | 0755}, {"Basis.TXT", "Timmerfabriek\r\n"}};
}
inline QList<Item> sharedRuntime()
{
    return {{"SYS/libztshare.so", readFile(SHARED_RUNTIME)}, {"SYS/libztshare.so.version", readFile(SHARED_RUNTIME_VERSION)}};
}
