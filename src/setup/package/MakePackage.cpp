// Writes the installation archive from a staging folder: every file and folder below it, in name
// order, with its Unix mode, so that the programs unpack executable.
//   zt_makepackage <folder> <archive> <list>
// The archive must hold exactly the files of <list> (one relative path a line): that list is compiled
// into uninst, which removes only these files when an installation has lost its own file list.
//   zt_makepackage --list <catalogue folder> <list> <source> <name>...
// writes that list, from the catalogue's files and the given names, and the C++ source that holds it.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <sys/stat.h>
#include <zip.h>

namespace {
// Every entry below a folder, relative to it, in name order; folders end in "/".
QStringList entriesBelow(const QDir &root)
{
    QStringList names;
    QDirIterator it(root.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        names << root.relativeFilePath(path) + (it.fileInfo().isDir() ? "/" : "");
    }
    names.sort();
    return names;
}

QStringList filesOf(const QStringList &entries)
{
    QStringList files;
    for (const QString &name : entries)
        if (!name.endsWith('/')) files << name;
    return files;
}

bool writeText(const QString &path, const QByteArray &bytes)
{
    QFile f(path + ".new");
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush()) return false;
    f.close();
    QFile::remove(path);
    return QFile::rename(path + ".new", path);
}

// A C string literal of UTF-8 bytes: everything but plain printable ASCII as an octal escape.
QByteArray literal(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7f && b != '"' && b != '\\' && b != '?') out += c;
        else out += QByteArray("\\") + QByteArray::number(b, 8).rightJustified(3, '0');
    }
    return out + "\"";
}

int writeList(const QString &catalogue, const QString &list, const QString &source, const QStringList &extra)
{
    QStringList files = filesOf(entriesBelow(QDir(catalogue))) + extra;
    files.sort();
    files.removeDuplicates();
    QByteArray code = "// Made by zt_makepackage --list: the files the installation package holds.\n"
                      "#include \"setup/Installed.h\"\n\n"
                      "QStringList Installed::packageFiles()\n{\n    static const char *const names[] = {\n";
    for (const QString &f : files) code += "        " + literal(f) + ",\n";
    code += "    };\n    QStringList out;\n    for (const char *name : names) out << QString::fromUtf8(name);\n"
            "    return out;\n}\n";
    if (!writeText(list, (files.join('\n') + '\n').toUtf8()) || !writeText(source, code)) {
        std::fprintf(stderr, "cannot write %s or %s\n", qPrintable(list), qPrintable(source));
        return 1;
    }
    return 0;
}
}

int main(int argc, char *argv[])
{
    if (argc >= 5 && QByteArray(argv[1]) == "--list") {
        QStringList extra;
        for (int i = 5; i < argc; ++i) extra << QString::fromLocal8Bit(argv[i]);
        return writeList(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                         extra);
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <folder> <archive> <list>\n       %s --list <catalogue> <list> <source> <name>...\n",
                     argv[0], argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString archive = QString::fromLocal8Bit(argv[2]);
    QStringList names = entriesBelow(root);

    QFile listFile(QString::fromLocal8Bit(argv[3]));
    if (!listFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[3]);
        return 1;
    }
    const QStringList expected = QString::fromUtf8(listFile.readAll()).split('\n', Qt::SkipEmptyParts);
    if (filesOf(names) != expected) {
        std::fprintf(stderr, "the staged files differ from the package's list %s\n", argv[3]);
        for (const QString &n : filesOf(names))
            if (!expected.contains(n)) std::fprintf(stderr, "  not on the list: %s\n", qPrintable(n));
        for (const QString &n : expected)
            if (!names.contains(n)) std::fprintf(stderr, "  not staged: %s\n", qPrintable(n));
        return 1;
    }

    const QString temporary = archive + ".new";
    QFile::remove(temporary);
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(temporary).constData(), ZIP_CREATE | ZIP_EXCL, &error);
    if (!zip) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(temporary));
        return 1;
    }
    for (QString name : names) {
        const bool folder = name.endsWith('/');
        if (folder) name.chop(1);
        const QString path = root.filePath(name);
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0) return 1;
        zip_int64_t index;
        if (folder) {
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
