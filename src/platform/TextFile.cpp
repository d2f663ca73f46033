#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i; // one character, one "?"
        out.append(encodeCp1252(c.unicode()));
    }
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

std::optional<QStringList> readTextLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
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

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
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
