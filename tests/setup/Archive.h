#pragma once
// Real zip archives for the tests, written by libzip.
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMetaType>
#include <QString>

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <zip.h>

struct Item {
    QString name;
    QByteArray data;
    mode_t mode = S_IFREG | 0644; // S_IFDIR for a folder entry
    bool setMode = true;
};
Q_DECLARE_METATYPE(Item)

// Entries are stored uncompressed, so that a test can find their bytes in the archive.
inline bool makeArchive(const QString &path, const QList<Item> &items)
{
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) return false;
    for (const Item &item : items) {
        zip_int64_t index;
        if ((item.mode & S_IFMT) == S_IFDIR) {
            index = zip_dir_add(zip, item.name.toUtf8().constData(), ZIP_FL_ENC_UTF_8);
        } else {
            // libzip frees a buffer it owns only when it is not empty.
            char *copy = item.data.isEmpty() ? nullptr : static_cast<char *>(std::malloc(size_t(item.data.size())));
            if (copy) std::memcpy(copy, item.data.constData(), size_t(item.data.size()));
            zip_source_t *source = zip_source_buffer(zip, copy, zip_uint64_t(item.data.size()), copy ? 1 : 0);
            index = zip_file_add(zip, item.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
            if (index >= 0) zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
        }
        if (index < 0) {
            zip_discard(zip);
            return false;
        }
        if (item.setMode)
            zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, zip_uint32_t(item.mode) << 16);
    }
    return zip_close(zip) == 0;
}

// The names of an archive's entries, in order.
inline QStringList archiveNames(const QString &path)
{
    QStringList out;
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!zip) return out;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) out << QString::fromUtf8(zip_get_name(zip, zip_uint64_t(i), 0));
    zip_discard(zip);
    return out;
}
