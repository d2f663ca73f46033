#pragma once
// Reading a file that the user or the system can put in the program folder: only a regular file is
// read, the open never waits (a FIFO would wait for a writer), and no more than a bound far above
// any real file of ours (a link to /dev/zero would fill the memory). QtCore only: setup reads so too.
#include <QByteArray>
#include <QString>
#include <optional>

class QFile;

inline constexpr qint64 MaxReadSize = qint64(64) << 20;

// Whether a symbolic link at `path` itself is read through or refused (setup's own lists are never links).
enum class LinkRule { Follow, Refuse };

// Opens `path` read-only into `file` (closed first), when it is a regular file of at most `limit`
// bytes; else false with the reason in `error` (the system's text, or ours for a file that is no
// regular file or is too large). The file reads as an ordinary blocking QFile.
bool openRegularFile(QFile &file, const QString &path, QString *error = nullptr, qint64 limit = MaxReadSize,
                     LinkRule links = LinkRule::Follow);

// Whether `path` opens so; nothing is read.
bool regularFileReadable(const QString &path, QString *error = nullptr);

// The whole of such a file; nullopt with the reason as above, also when the file grew past the
// bound while it was read.
std::optional<QByteArray> readRegularFile(const QString &path, QString *error = nullptr, qint64 limit = MaxReadSize,
                                          LinkRule links = LinkRule::Follow);
