#pragma once
// One setup or uninst per program folder at a time: each holds an exclusive lock on a file in the
// program folder from before its first write to its end. The lock file goes when its holder lets go,
// so a finished installation or removal leaves nothing of it; a killed holder's lock ends with it.
#include <QString>

namespace Installed {
inline const QString LockFile = QStringLiteral(".zantof.lock");
}

namespace LockText {
// Another setup or uninst has the folder.
inline QString Busy(const QString &folder)
{
    return "Setup of het verwijderprogramma wordt al uitgevoerd voor deze map:\r\n      " + folder
         + "\r\n\r\nWacht tot dat klaar is en probeer het dan opnieuw.";
}
}

class FolderLock {
public:
    enum class Result {
        Taken,    // held until release() or the end of this object
        Busy,     // another process holds it; nothing was written
        NoFolder, // the folder is not there (or no lock file can be made there: nothing can be written there either)
    };
    FolderLock() = default;
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;
    ~FolderLock() { release(); }

    // Never waits for the other holder.
    Result acquire(const QString &folder);
    bool held() const { return fd_ >= 0; }
    // Removes the lock file, then lets go; whoever opens the file meanwhile finds it gone and makes a new one.
    void release();

private:
    int fd_ = -1;
    QString path_;
};
