#pragma once
// The installer's system helpers: the system folders and version flags, special folders, folder
// creation, the folder browsers, file versions, copying, and the rights check.
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The operating system's version as the version check reads it (platform 1: the old family, 2: NT).
struct SystemVersion {
    int platformId = 2;
    int major = 0;
    int minor = 0;
};
// Where the version comes from; a test sets its own, nullptr restores this system's.
void setSystemVersionSource(std::function<SystemVersion()> source);

// Filled by InitSystemInfo.
struct SystemInfo {
    bool IsWinNT = false;
    bool IsWin2000 = false;
    bool IsWinXP = false;
    bool IsWinVistaOrLater = false;
    QString WindowsDir; // the user's data folder
    QString SystemDir;  // the user's components folder, where shared components are copied and registered
    float WindowsVersion = 0;
};
SystemInfo &systemInfo();

void InitSystemInfo();
QString GetWindowsDir();
QString GetSystemDir();
// The installations that use the shared components, one program folder a line, kept beside them:
// the components go only with the last of these.
QString componentUsersFile();
// Puts the folder on that list where it is not on it yet (`added` says whether this call did);
// false when it could not be written.
bool addComponentUser(const QString &folder, bool &added);
// Takes the folder off that list (the list goes when it is left empty); false when it could not be written.
bool removeComponentUser(const QString &folder);
void DetectWindowsVersion();

// The user's configuration and data folders ($XDG_CONFIG_HOME, $XDG_DATA_HOME and their defaults).
QString configHome();
QString dataHome();

namespace SpecialFolder {
enum : int { Programs = 2, CommonPrograms = 23 };
}
// Both Programs folders are the user's menu folder: the installation is per user.
QString GetSpecialFolderPath(int folder);

bool IsRootFolder(const QString &path);
// Whether two paths name one folder, however they are written (trailing "/", "..", a link to it);
// an empty path names none.
bool isSameFolder(const QString &a, const QString &b);
// The user's home folder itself.
bool isHomeFolder(const QString &path);
// The path of `folder` relative to `base` ("" for the base itself, "/" separating its folders), as
// written or with links resolved; nullopt when it lies outside.
std::optional<QString> pathInside(const QString &base, const QString &folder);
// The folder itself when it exists, else the nearest folder above it that does.
QString nearestExistingFolder(const QString &path);
// Whether this user may make entries in the folder (with the effective ids, as a write would).
bool isFolderWritable(const QString &folder);
bool CreateFolderPath(const QString &path, bool changeTo, bool silent);
// Every folder CreateFolderPath made in this process, in the order made: what setup removes again,
// where still empty, when the installation does not go through. Not locked: while the wizard's
// installation thread runs, only that thread makes folders; the window reads the list once it has joined.
QStringList &createdFolders();
// Removes the folders given that are empty now, deepest first; those that are not stay.
void removeEmptyFolders(const QStringList &folders);

QString BrowseForFolderEx(QWidget *owner, QString &startFolder, const QString &title, bool newStyle, bool includeFiles);
QString BrowseForFolder(QWidget *owner, const QString &title);

// A file's version is kept beside it, in "<file>.version" ("major.minor.build.revision"), since
// libraries here carry none of their own. Parts above 32767 read as negative numbers.
QString versionFileOf(const QString &file);
void GetFileVersionParts(const QString &file, short &major, short &minor, short &build, short &revision);
bool IsNewerFileVersion(const QString &newFile, const QString &oldFile);
// Copies the file with its version note.
bool CopyFileTo(const QString &source, const QString &destination, bool overwrite);

// Whether this user can write the home and configuration folders.
bool IsUserAdmin();
