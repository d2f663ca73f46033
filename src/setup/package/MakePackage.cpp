// Writes the installation archive from a staging folder: every file and folder below it, in name
// order, with its Unix mode, so that the programs unpack executable.
//   zt_makepackage <folder> <archive>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <sys/stat.h>
#include <zip.h>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <folder> <archive>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString archive = QString::fromLocal8Bit(argv[2]);
    QStringList names;
    QDirIterator it(root.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) names << root.relativeFilePath(it.next());
    names.sort();

    const QString temporary = archive + ".new";
    QFile::remove(temporary);
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(temporary).constData(), ZIP_CREATE | ZIP_EXCL, &error);
    if (!zip) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(temporary));
        return 1;
    }
    for (const QString &name : names) {
        const QString path = root.filePath(name);
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0) return 1;
        zip_int64_t index;
        if (S_ISDIR(st.st_mode)) {
            index = zip_dir_add(zip, name.toUtf8().constData(), ZIP_FL_ENC_UTF_8);
        } else {
            zip_source_t *source = zip_source_file(zip, QFile::encodeName(path).constData(), 0, -1);
            index = source ? zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) : -1;
            if (index < 0 && source) zip_source_free(source);
        }
        if (index < 0
            || zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, zip_uint32_t(st.st_mode) << 16) != 0) {
            std::fprintf(stderr, "cannot add %s: %s\n", qPrintable(name), zip_strerror(zip));
            zip_discard(zip);
            return 1;
        }
    }
    if (zip_close(zip) != 0) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(temporary), zip_strerror(zip));
        zip_discard(zip);
        return 1;
    }
    QFile::remove(archive);
    return QFile::rename(temporary, archive) ? 0 : 1;
}
