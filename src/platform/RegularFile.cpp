#include "RegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString systemText(int code) { return QString::fromLocal8Bit(std::strerror(code)); }
QString tooLarge(qint64 limit) { return QStringLiteral("Het bestand is groter dan %1 MB").arg(limit >> 20); }
}

bool openRegularFile(QFile &file, const QString &path, QString *error, qint64 limit, LinkRule links)
{
    file.close();
    // O_NONBLOCK: opening a FIFO without a writer returns at once instead of waiting for one.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (links == LinkRule::Refuse ? O_NOFOLLOW : 0);
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) {
        if (error) *error = systemText(errno);
        return false;
    }
    QString refusal;
    struct stat st;
    if (::fstat(fd, &st) != 0)
        refusal = systemText(errno);
    else if (!S_ISREG(st.st_mode))
        refusal = S_ISDIR(st.st_mode) ? systemText(EISDIR) : QStringLiteral("Dit is geen gewoon bestand");
    else if (st.st_size > limit)
        refusal = tooLarge(limit);
    else if (const int flags = ::fcntl(fd, F_GETFL); flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        refusal = systemText(errno);
    if (!refusal.isEmpty()) {
        ::close(fd);
        if (error) *error = refusal;
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

bool regularFileReadable(const QString &path, QString *error)
{
    QFile file;
    return openRegularFile(file, path, error);
}

std::optional<QByteArray> readRegularFile(const QString &path, QString *error, qint64 limit, LinkRule links)
{
    QFile file;
    if (!openRegularFile(file, path, error, limit, links)) return std::nullopt;
    // Read up to one byte past the bound: a file that grew after the check is told from one that fits.
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min(file.size(), limit)) + 1);
    char chunk[65536];
    while (bytes.size() <= limit) {
        const qint64 n = file.read(chunk, std::min<qint64>(sizeof chunk, limit + 1 - bytes.size()));
        if (n < 0) {
            if (error) *error = file.errorString();
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(chunk, qsizetype(n));
    }
    if (bytes.size() > limit) {
        if (error) *error = tooLarge(limit);
        return std::nullopt;
    }
    return bytes;
}
