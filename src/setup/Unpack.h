#pragma once
// Unpacking the installation archive into the target folder.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace UnpackResult {
enum : int {
    Done = 0,
    CannotOpen = 1,  // missing, unreadable or no zip archive
    UnsafeEntry = 2, // an entry would land outside the target: refused before anything is written
    Damaged = 3,     // an entry does not read back whole (its CRC among others)
    CannotWrite = 4, // a folder or file in the target could not be made
};
}

struct UnpackOutcome {
    int result = UnpackResult::Done;
    QStringList files; // relative paths of the files written, in archive order
};

// Every entry is checked first: one that is absolute, holds a ".." folder or a "\", or is a
// symbolic link or a device, or would be written through a folder of the target that is a symbolic
// link, refuses the whole archive. Files keep their owner's execute bits.
// `progress` receives the percentage of entries unpacked.
UnpackOutcome unpackArchive(const QString &archive, const QString &target, const std::function<void(int)> &progress = {});

// Setup's list of the files it unpacked, kept in the target folder: one relative path a line, UTF-8.
bool writeFileList(const QString &path, const QStringList &files);
std::optional<QStringList> readFileList(const QString &path);
