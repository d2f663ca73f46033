#include "FolderLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FolderLock::Result FolderLock::acquire(const QString &folder)
{
    release();
    const QString path = folder + "/" + Installed::LockFile;
    const QByteArray native = QFile::encodeName(path);
    for (;;) {
        int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        // A folder this user may not write in still lets the lock of whoever can be seen.
        if (fd < 0 && (errno == EACCES || errno == EROFS)) fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return Result::NoFolder;
        struct stat opened;
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            return Result::NoFolder;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EINTR) continue;
            return error == EWOULDBLOCK ? Result::Busy : Result::NoFolder;
        }
        // The holder before may have removed the file between its open and this lock: then the lock
        // is on a file nobody else will find, and a new one is made.
        struct stat now;
        if (::lstat(native.constData(), &now) == 0 && now.st_dev == opened.st_dev && now.st_ino == opened.st_ino) {
            fd_ = fd;
            path_ = path;
            return Result::Taken;
        }
        ::close(fd);
    }
}

void FolderLock::release()
{
    if (fd_ < 0) return;
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
    fd_ = -1;
}
