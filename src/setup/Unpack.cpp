#include "Unpack.h"

#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <zip.h>

namespace {
struct Entry {
    zip_uint64_t index;
    QString name;
    bool folder;
    mode_t mode; // 0 when the archive keeps none
};

bool safeName(const QString &name)
{
    if (name.isEmpty() || name.startsWith('/') || name.contains('\\') || name.contains(QChar(0))) return false;
    for (const QString &part : name.split('/', Qt::SkipEmptyParts))
        if (part == "..") return false;
    return true;
}

// The entry's Unix mode, when the archive was made on a Unix system.
mode_t unixMode(zip_t *zip, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, index, 0, &system, &attributes) != 0) return 0;
    return system == ZIP_OPSYS_UNIX ? mode_t(attributes >> 16) : 0;
}

// A folder already in the target that is a symbolic link would carry the entry elsewhere.
bool throughLink(const QString &target, const QString &name)
{
    const QStringList parts = name.split('/', Qt::SkipEmptyParts);
    QString at = target;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        at += "/" + parts[i];
        if (QFileInfo(at).isSymLink()) return true;
    }
    return false;
}

struct ZipCloser {
    void operator()(zip_t *z) const { zip_discard(z); }
};
}

UnpackOutcome unpackArchive(const QString &archive, const QString &target, const std::function<void(int)> &progress)
{
    UnpackOutcome outcome;
    int error = 0;
    std::unique_ptr<zip_t, ZipCloser> zip(zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!zip) {
        outcome.result = UnpackResult::CannotOpen;
        return outcome;
    }
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    QList<Entry> entries;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *raw = zip_get_name(zip.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        const mode_t mode = unixMode(zip.get(), zip_uint64_t(i));
        const bool folder = name.endsWith('/');
        const mode_t type = mode & S_IFMT;
        const bool plain = type == 0 || (folder ? type == S_IFDIR : type == S_IFREG);
        if (!safeName(name) || !plain || throughLink(target, name)) {
            outcome.result = UnpackResult::UnsafeEntry;
            return outcome;
        }
        entries.append({zip_uint64_t(i), name, folder, mode});
    }

    const QDir root(target);
    for (qsizetype n = 0; n < entries.size(); ++n) {
        const Entry &e = entries[n];
        const QString path = root.filePath(e.name);
        if (e.folder) {
            if (!root.mkpath(e.name)) {
                outcome.result = UnpackResult::CannotWrite;
                return outcome;
            }
        } else {
            if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
                outcome.result = UnpackResult::CannotWrite;
                return outcome;
            }
            zip_file_t *file = zip_fopen_index(zip.get(), e.index, 0);
            if (!file) {
                outcome.result = UnpackResult::Damaged;
                return outcome;
            }
            // Written beside the old file and renamed over it, so a program in use is replaced whole.
            QSaveFile out(path);
            bool written = out.open(QIODevice::WriteOnly);
            bool whole = true;
            char buffer[65536];
            for (;;) {
                const zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
                if (got < 0) whole = false; // a CRC that does not match ends here too
                if (got <= 0) break;
                if (written && out.write(buffer, got) != got) written = false;
            }
            zip_fclose(file);
            if (!whole) {
                outcome.result = UnpackResult::Damaged;
                return outcome;
            }
            if (!written || !out.commit()) {
                outcome.result = UnpackResult::CannotWrite;
                return outcome;
            }
            QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
            if (e.mode & S_IXUSR) permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
            QFile::setPermissions(path, permissions);
            outcome.files << e.name;
        }
        if (progress) progress(int((n + 1) * 100 / entries.size()));
    }
    return outcome;
}

bool writeFileList(const QString &path, const QStringList &files)
{
    QByteArray bytes;
    for (const QString &name : files) bytes += (name + '\n').toUtf8();
    return writeBytes(path, bytes);
}

std::optional<QStringList> readFileList(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}
