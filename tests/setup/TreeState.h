#pragma once
// Everything below a folder as lstat sees it: each path with its type, mode and contents (a link's
// target, a file's size and digest), so that a test can tell that nothing there appeared, went or changed.
// Links are recorded, never followed.
#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

using TreeState = QMap<QString, QByteArray>;

inline void collectTree(const QString &at, const QString &skip, TreeState &out)
{
    for (const QString &name : QDir(at).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        const QString path = at + "/" + name;
        if (path == skip) continue;
        struct stat st;
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0) continue;
        QByteArray what = QByteArray::number(uint(st.st_mode), 8) + ":";
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
            if (n > 0) what += QByteArray(target, n);
        } else if (S_ISREG(st.st_mode)) {
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                what += QByteArray::number(qint64(st.st_size)) + ":"
                      + QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
        }
        out[path] = what;
        if (S_ISDIR(st.st_mode)) collectTree(path, skip, out);
    }
}

// The state below `root`, leaving out the folder `skip` and all it holds.
inline TreeState treeState(const QString &root, const QString &skip = QString())
{
    TreeState out;
    collectTree(root, skip, out);
    return out;
}
