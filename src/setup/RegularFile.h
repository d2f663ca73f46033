#pragma once
// Reading the files setup and uninst keep (their lists, the registry store, version notes): only a
// regular file is read, and opening it never waits, so that a pipe, a device or a link to one put
// under such a name cannot hold up or exhaust the installer.
#include <QByteArray>
#include <QString>
#include <optional>

// Far above any real list or store.
inline constexpr qint64 RegularFileLimit = qint64(64) << 20;

// The whole file, or nullopt when it is missing, no regular file, larger than RegularFileLimit or
// cannot be read; `error` then holds the reason's errno (ENOENT for a missing file). With
// `followLink` false a symbolic link is refused as itself.
std::optional<QByteArray> readRegularFile(const QString &path, bool followLink = false, int *error = nullptr);
