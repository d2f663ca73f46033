#include "RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QByteArray> readRegularFile(const QString &path, bool followLink, int *error)
{
    const auto fail = [error](int code) -> std::optional<QByteArray> {
        if (error) *error = code;
        return std::nullopt;
    };
    // O_NONBLOCK: a FIFO opens at once instead of waiting for a writer; it is refused below.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (followLink ? 0 : O_NOFOLLOW);
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) return fail(errno == ELOOP ? EINVAL : errno);
    struct stat st;
    int code = 0;
    if (::fstat(fd, &st) != 0) code = errno;
    else if (!S_ISREG(st.st_mode)) code = EINVAL;
    else if (st.st_size > RegularFileLimit) code = EFBIG;
    QByteArray bytes;
    // Read to the end, which may lie beyond the size seen, but never past the limit.
    while (!code) {
        char buffer[65536];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) code = errno;
        if (got <= 0) break;
        if (bytes.size() + got > RegularFileLimit) code = EFBIG;
        else bytes.append(buffer, got);
    }
    ::close(fd);
    if (code) return fail(code);
    return bytes;
}
