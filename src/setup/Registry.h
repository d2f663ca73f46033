#pragma once
// A small registry of our own: keys holding named values, in the order written, kept in one file
// under the user's configuration folder.
#include <QList>
#include <QString>

enum class RegRoot { CurrentUser };
inline constexpr RegRoot HKEY_CURRENT_USER = RegRoot::CurrentUser;

namespace RegType {
enum : int { String = 1 }; // REG_SZ
}

struct RegValue {
    QString name;
    int type = RegType::String;
    int size = 0;  // stored size: for a string its length plus the terminating NUL
    QString data;  // without the NUL
};

QString registryFile();

// Creates the key where needed. False when the registry file could not be written, or is there but
// cannot be read as a store (it is left as it is, with the keys in it): the installer reports that
// rather than finish as if the entry were there.
bool RegWriteValue(RegRoot root, const QString &key, const QString &valueName, int type, const QString &value);
// The value's text, or "" when the key or value is missing.
QString RegReadString(RegRoot root, const QString &key, const QString &valueName);
// True when the key is gone (or was never there); a file that cannot be read is left as it is.
bool RegRemoveKey(RegRoot root, const QString &key);

// The values of a key in the order written; empty when the key is missing.
QList<RegValue> regKeyValues(RegRoot root, const QString &key);
bool regKeyExists(RegRoot root, const QString &key);
