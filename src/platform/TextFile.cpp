#include "TextFile.h"

#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// 0x80..0x9F of Windows-1252; the five undefined bytes map to the control characters of the same code.
const char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}

char encodeCp1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i)
        if (high[i] == c) return char(0x80 + i);
    return '?';
}

QChar decodeCp1252(unsigned char b) { return (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b); }

QByteArray toCp1252(const QString &text)
{
    // Written into place: a drawing file of a large project is half a megabyte.
    QByteArray out(text.size(), Qt::Uninitialized);
    const QChar *in = text.constData();
    char *d = out.data();
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = in[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && in[i + 1].isLowSurrogate()) ++i; // one character, one "?"
        d[n++] = encodeCp1252(c.unicode());
    }
    out.truncate(n);
    return out;
}

QString fromCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        d[i] = decodeCp1252(static_cast<unsigned char>(bytes[i]));
    }
    return out;
}

QString findFile(const QString &name, const QString &dir)
{
    QDir base(dir.isEmpty() ? QDir::currentPath() : dir);
    const QStringList parts = QString(name).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    if (parts.isEmpty()) return {};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        QString found;
        if (QFileInfo::exists(base.filePath(parts[i]))) {
            found = parts[i];
        } else {
            const auto filter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
            for (const QString &entry : base.entryList(filter))
                if (entry.compare(parts[i], Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
        }
        if (found.isEmpty()) return {};
        if (last) return base.filePath(found);
        if (!base.cd(found)) return {};
    }
    return {};
}

bool fileExists(const QString &name, const QString &dir)
{
    const QString path = findFile(name, dir);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool folderExists(const QString &name, const QString &dir)
{
    const QString path = findFile(name, dir);
    return !path.isEmpty() && QFileInfo(path).isDir();
}

std::optional<QStringList> readTextLines(const QString &path, QString *error)
{
    const std::optional<QByteArray> read = readRegularFile(path, error);
    if (!read) return std::nullopt;
    const QByteArray &bytes = *read;
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines << fromCp1252(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines << fromCp1252(bytes.mid(start));
    return lines;
}

namespace {
WriteStep failingStep = WriteStep::None;
int failingCode = 0;

// The write or sync itself, or the fault a test put in its place.
ssize_t writeSome(int fd, const char *data, size_t size)
{
    if (failingStep == WriteStep::Write) {
        errno = failingCode;
        return failingCode == 0 ? 0 : -1;
    }
    return ::write(fd, data, size);
}

int syncFile(int fd)
{
    if (failingStep == WriteStep::Sync) {
        errno = failingCode;
        return -1;
    }
    return ::fsync(fd);
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = writeSome(fd, data, size_t(size));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// A new file gets the permissions a plain create would give it; a replaced one keeps its own.
mode_t modeFor(const QByteArray &target)
{
    struct stat st;
    if (::stat(target.constData(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A file the user may not change is refused as a plain write of it would be refused; the rename
// would replace it without asking. No write permission for anyone counts too, also for root, whom
// the system lets write anything: read-only is the user's "do not change" for everyone alike.
int refusedTarget(const QByteArray &target)
{
    struct stat st;
    if (::stat(target.constData(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EROFS))
        return errno;
    return (st.st_mode & 0222) == 0 ? EACCES : 0;
}

// The target's folder is synced so that the rename itself survives a power cut; a file system that
// cannot sync a folder has nothing to lose here, and the file is in place either way.
void syncFolder(const QByteArray &target)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
}

void failWriteStep(WriteStep step, int code)
{
    failingStep = step;
    failingCode = code;
}

QString writeFailureText(int code)
{
    QString reason;
    switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: reason = "De schijf is vol."; break;
    case EACCES:
    case EPERM:
    case EROFS: reason = "U heeft geen toestemming om hier te schrijven."; break;
    case ENOENT:
    case ENOTDIR: reason = "De map bestaat niet (meer)."; break;
    default: reason = "Het bestand kan niet worden geschreven."; break;
    }
    return reason + "\r\n(" + QString::fromLocal8Bit(std::strerror(code)) + ")";
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error, const QString &temporaryPrefix)
{
    // Through a link, the file it points to is replaced, not the link.
    const QFileInfo info(path);
    const QString targetPath = info.isSymLink() ? info.symLinkTarget() : path;
    const QByteArray target = QFile::encodeName(targetPath);
    QByteArray temporary = temporaryPrefix.isEmpty()
                             ? target + ".XXXXXX"
                             : QFile::encodeName(QFileInfo(targetPath).absolutePath() + "/" + temporaryPrefix + "XXXXXX");
    const mode_t mode = modeFor(target);

    if (const int refused = refusedTarget(target); refused != 0) {
        if (error) *error = writeFailureText(refused);
        return false;
    }

    // Success is only what every step said it was; a failing step need not leave an errno.
    bool done = false;
    int code = 0;
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        code = errno;
    } else {
        done = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes.constData(), bytes.size()) && syncFile(fd) == 0;
        if (!done) code = errno;
        if (::close(fd) != 0 && done) {
            done = false;
            code = errno;
        }
        if (done && ::rename(temporary.constData(), target.constData()) != 0) {
            done = false;
            code = errno;
        }
        if (!done) ::unlink(temporary.constData());
    }
    if (!done) {
        if (error) *error = writeFailureText(code != 0 ? code : EIO);
        return false;
    }
    syncFolder(target);
    return true;
}

bool writeTextLines(const QString &path, const QStringList &lines, QString *error)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += toCp1252(line);
        bytes += "\r\n";
    }
    return writeBytes(path, bytes, error);
}
