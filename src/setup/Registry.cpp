#include "Registry.h"

#include "platform/RegularFile.h"
#include "SystemTools.h"
#include "Unpack.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <optional>

// The file is a JSON array of keys, each {"root", "key", "values": [{"name", "type", "size", "data"}]}:
// arrays keep the order in which keys and values were written.
namespace {
QString rootName(RegRoot) { return QStringLiteral("HKEY_CURRENT_USER"); }

// The keys stored; none when there is no file (or an empty one), nullopt when the file is there but
// cannot be read or is no store: writing over it would lose the other keys in it.
std::optional<QJsonArray> load()
{
    const QFileInfo info(registryFile());
    if (!info.exists() && !info.isSymLink()) return QJsonArray();
    // A link to the store is the user's own choice; what it leads to must still be a regular file.
    const std::optional<QByteArray> read = readRegularFile(registryFile());
    if (!read) return std::nullopt;
    const QByteArray &bytes = *read;
    if (bytes.trimmed().isEmpty()) return QJsonArray();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) return std::nullopt;
    return document.array();
}

bool save(const QJsonArray &keys)
{
    const QString folder = QFileInfo(registryFile()).absolutePath();
    const QString existing = nearestExistingFolder(folder);
    if (QDir().mkpath(folder) && writeSetupFile(registryFile(), QJsonDocument(keys).toJson())) return true;
    // A store that could not be written leaves no empty folders of its own behind.
    QStringList made;
    for (QString at = folder; at.startsWith(existing + "/"); at = QFileInfo(at).path()) made << at;
    removeEmptyFolders(made);
    return false;
}

// Key names compare without regard to case, as registry keys do.
qsizetype findKey(const QJsonArray &keys, RegRoot root, const QString &key)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QJsonObject k = keys[i].toObject();
        if (k["root"].toString() == rootName(root) && k["key"].toString().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
}

QString registryFile() { return configHome() + "/ZanTof/registry.json"; }

bool RegWriteValue(RegRoot root, const QString &key, const QString &valueName, int type, const QString &value)
{
    const std::optional<QJsonArray> stored = load();
    if (!stored) return false;
    QJsonArray keys = *stored;
    qsizetype index = findKey(keys, root, key);
    if (index < 0) {
        keys.append(QJsonObject{{"root", rootName(root)}, {"key", key}, {"values", QJsonArray()}});
        index = keys.size() - 1;
    }
    QJsonObject k = keys[index].toObject();
    QJsonArray values = k["values"].toArray();
    const QJsonObject entry{{"name", valueName}, {"type", type}, {"size", int(value.size()) + 1}, {"data", value}};
    bool replaced = false;
    for (qsizetype i = 0; i < values.size() && !replaced; ++i) {
        if (values[i].toObject()["name"].toString().compare(valueName, Qt::CaseInsensitive) == 0) {
            values[i] = entry;
            replaced = true;
        }
    }
    if (!replaced) values.append(entry);
    k["values"] = values;
    keys[index] = k;
    return save(keys);
}

QList<RegValue> regKeyValues(RegRoot root, const QString &key)
{
    const QJsonArray keys = load().value_or(QJsonArray());
    const qsizetype index = findKey(keys, root, key);
    QList<RegValue> out;
    if (index < 0) return out;
    for (const QJsonValue &v : keys[index].toObject()["values"].toArray()) {
        const QJsonObject o = v.toObject();
        out.append({o["name"].toString(), o["type"].toInt(), o["size"].toInt(), o["data"].toString()});
    }
    return out;
}

bool regKeyExists(RegRoot root, const QString &key) { return findKey(load().value_or(QJsonArray()), root, key) >= 0; }

QString RegReadString(RegRoot root, const QString &key, const QString &valueName)
{
    for (const RegValue &v : regKeyValues(root, key)) {
        if (v.name.compare(valueName, Qt::CaseInsensitive) != 0) continue;
        // The stored size counts the terminating NUL.
        if (v.type != RegType::String || v.size <= 0) return {};
        return v.data.left(v.size - 1);
    }
    return {};
}

bool RegRemoveKey(RegRoot root, const QString &key)
{
    const std::optional<QJsonArray> stored = load();
    if (!stored) return false;
    QJsonArray keys = *stored;
    const qsizetype index = findKey(keys, root, key);
    if (index < 0) return true;
    keys.removeAt(index);
    if (!keys.isEmpty()) return save(keys);
    // Without keys the store leaves nothing behind: its file, and its folder when that is empty now.
    if (!QFile::remove(registryFile())) return false;
    QDir().rmdir(QFileInfo(registryFile()).absolutePath());
    return true;
}
