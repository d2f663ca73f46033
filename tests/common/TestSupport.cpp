#include "TestSupport.h"

#include "platform/FontFaces.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

// Windows in tests see the same faces as in the program.
Q_COREAPP_STARTUP_FUNCTION(mapFontFaces)

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        if (QFileInfo(source).isDir())
            QDir().mkpath(target);
        else
            QFile::copy(source, target);
    }
}
}

TestFolder::TestFolder(bool withCatalogue) : previous(QDir::currentPath())
{
    if (withCatalogue) copyTree(ZANTOF_CATALOGUE_DIR, dir.path());
    QDir::setCurrent(dir.path());
}

TestFolder::~TestFolder() { QDir::setCurrent(previous); }

QByteArray TestFolder::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(file(name)).absolutePath());
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

void TestFolder::remove(const QString &name) const
{
    if (QFileInfo(file(name)).isDir())
        QDir(file(name)).removeRecursively();
    else
        QFile::remove(file(name));
}

void saveShot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("ZANTOF_SHOTS");
    if (folder.isEmpty() || !widget) return;
    QDir().mkpath(folder);
    widget->grab().save(folder + "/" + name + ".png");
}

QByteArray scrambled(const QByteArray &plain)
{
    QByteArray out = plain;
    for (char &c : out) c = char(~static_cast<unsigned char>(c));
    return out;
}

#include "platform/TextFile.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

bool setFolderWritable(const QString &path, bool writable)
{
    // Root ignores permission bits, so the immutable attribute is tried first.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        int flags = 0;
        bool done = false;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = writable ? (flags & ~FS_IMMUTABLE_FL) : (flags | FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        if (done) return true;
    }
    if (::geteuid() == 0) return false;
    return ::chmod(native.constData(), writable ? 0755 : 0555) == 0;
}

AsNobody::AsNobody() : root(::geteuid() == 0) { ok = root && ::setegid(65534) == 0 && ::seteuid(65534) == 0; }

AsNobody::~AsNobody()
{
    if (root && (::seteuid(0) != 0 || ::setegid(0) != 0)) qFatal("cannot become root again");
}

WriteFault::WriteFault(const QString &kind, const QString &folder) : kind(kind), folder(folder)
{
    if (kind == "limit") {
        previousSignal = ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        previousLimit = (long long)limit.rlim_cur;
        limit.rlim_cur = 1024;
        made = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    } else if (kind == "read-only") {
        made = setFolderWritable(folder, false);
    } else if (kind == "write") {
        failWriteStep(WriteStep::Write, EIO);
    } else if (kind == "write nothing") {
        failWriteStep(WriteStep::Write, 0);
    } else if (kind == "sync") {
        failWriteStep(WriteStep::Sync, ENOSPC);
    }
}

WriteFault::~WriteFault()
{
    if (kind == "limit") {
        struct rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(previousLimit);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, previousSignal);
    } else if (kind == "read-only") {
        setFolderWritable(folder, true);
    } else {
        failWriteStep(WriteStep::None);
    }
}

bool makeOddFile(const QString &path, const QString &kind)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == "fifo") return ::mkfifo(name.constData(), 0644) == 0;
    if (kind == "zero") return ::symlink("/dev/zero", name.constData()) == 0;
    if (kind != "oversize") return false;
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool made = ::ftruncate(fd, (qint64(64) << 20) + 1) == 0;
    ::close(fd);
    return made;
}

bool isMapped(const QByteArray &name)
{
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray &line : maps.readAll().split('\n'))
        if (line.mid(line.lastIndexOf('/') + 1).startsWith(name)) return true;
    return false;
}

ScopedAppFont::ScopedAppFont(const QString &family, qreal points)
    : savedFamily(QApplication::font().family()), savedPoints(QApplication::font().pointSizeF())
{
    QFont font = QApplication::font();
    if (!family.isEmpty()) font.setFamily(family);
    if (points > 0) font.setPointSizeF(points);
    QApplication::setFont(font);
}

ScopedAppFont::~ScopedAppFont()
{
    QFont font = QApplication::font();
    font.setFamily(savedFamily);
    font.setPointSizeF(savedPoints);
    QApplication::setFont(font);
}

void addFontRows()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QStringList families{QString()};
    for (const auto &[face, substitutes] : fontFaceSubstitutes())
        for (const QString &f : substitutes)
            if (!families.contains(f)) families << f;
    for (const QString &f : families) {
        const QByteArray name = f.isEmpty() ? QByteArray("system font") : f.toUtf8();
        QTest::addRow("%s", name.constData()) << f << qreal(0);
        QTest::addRow("%s, 12 pt", name.constData()) << f << qreal(12);
    }
}
