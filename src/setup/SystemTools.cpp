#include "SystemTools.h"

#include "platform/RegularFile.h"
#include "Unpack.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
SystemInfo info;
std::function<SystemVersion()> versionSource;

// This system counts as the NT family; its version numbers are the kernel's.
SystemVersion thisSystem()
{
    const QStringList parts = QSysInfo::kernelVersion().split('.');
    SystemVersion v;
    v.platformId = 2;
    v.major = parts.value(0).toInt();
    v.minor = parts.value(1).toInt();
    return v;
}

QString xdgHome(const char *variable, const QString &fallback)
{
    const QString dir = qEnvironmentVariable(variable);
    // A relative value is ignored, as desktops do: it would depend on the current folder.
    if (!dir.isEmpty() && QDir::isAbsolutePath(dir)) return QDir::cleanPath(dir);
    return QDir::cleanPath(QDir::homePath() + "/" + fallback);
}

bool writable(const QString &dir) { return isFolderWritable(nearestExistingFolder(dir)); }

bool parseVersion(const QString &text, short parts[4])
{
    const QStringList fields = text.trimmed().split('.');
    if (fields.size() != 4) return false;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint value = fields[i].toUInt(&ok);
        if (!ok || value > 65535) return false;
        parts[i] = short(quint16(value));
    }
    return true;
}

// A blank title gets the browser's usual one.
QString browseTitle(const QString &title)
{
    return title.trimmed().isEmpty() ? QStringLiteral("Selecteer een map uit de onderstaande lijst") : title;
}

// Copies through a file beside the destination and a rename, so that a copy in use is replaced whole;
// the file beside it carries setup's one temporary name, which a later run removes if left.
bool copyReplacing(const QString &source, const QString &destination)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly)) return false;
    QByteArray temporary = setupTemporaryTemplate(QFileInfo(destination).absolutePath());
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    QFile to;
    bool done = to.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    while (done && !from.atEnd()) {
        const QByteArray block = from.read(65536);
        done = !block.isEmpty() && to.write(block) == block.size();
    }
    struct stat st;
    done = done && to.flush() && ::fstat(from.handle(), &st) == 0 && ::fchmod(fd, st.st_mode & 07777) == 0;
    to.close();
    done = ::close(fd) == 0 && done;
    done = done && ::rename(temporary.constData(), QFile::encodeName(destination).constData()) == 0;
    if (!done) ::unlink(temporary.constData());
    return done;
}
}

void setSystemVersionSource(std::function<SystemVersion()> source) { versionSource = std::move(source); }

SystemInfo &systemInfo() { return info; }

QString configHome() { return xdgHome("XDG_CONFIG_HOME", ".config"); }
QString dataHome() { return xdgHome("XDG_DATA_HOME", ".local/share"); }

void InitSystemInfo()
{
    GetWindowsDir();
    GetSystemDir();
    DetectWindowsVersion();
}

QString GetWindowsDir() { return info.WindowsDir = dataHome(); }

QString GetSystemDir() { return info.SystemDir = dataHome() + "/ZanTof/components"; }

QString componentUsersFile() { return GetSystemDir() + "/installations.lst"; }

namespace {
bool listedUser(const QStringList &users, const QString &folder)
{
    return std::any_of(users.begin(), users.end(), [&](const QString &user) { return isSameFolder(user, folder); });
}
}

bool addComponentUser(const QString &folder, bool &added)
{
    added = false;
    const QString file = componentUsersFile();
    const std::optional<QStringList> users = readFileList(file);
    if (users && listedUser(*users, folder)) return true;
    added = appendToFileList(file, QDir::cleanPath(folder));
    return added;
}

bool removeComponentUser(const QString &folder)
{
    const QString file = componentUsersFile();
    const std::optional<QStringList> users = readFileList(file);
    if (!users) return !QFileInfo::exists(file);
    QStringList kept;
    for (const QString &user : *users)
        if (!isSameFolder(user, folder)) kept << user;
    if (kept.size() == users->size()) return true;
    return kept.isEmpty() ? QFile::remove(file) : writeFileList(file, kept);
}

void DetectWindowsVersion()
{
    const SystemVersion v = versionSource ? versionSource() : thisSystem();
    info.WindowsVersion = float(v.major) + float(v.minor) / 10;
    info.IsWinNT = info.IsWin2000 = info.IsWinXP = info.IsWinVistaOrLater = false;
    if (v.platformId != 2) return;
    info.IsWinNT = true;
    const float version = info.WindowsVersion;
    if (version >= 6)
        info.IsWinVistaOrLater = true;
    else if (version > 5)
        info.IsWinXP = true;
    else if (v.major > 4)
        info.IsWin2000 = true;
}

QString GetSpecialFolderPath(int folder)
{
    if (folder == SpecialFolder::Programs || folder == SpecialFolder::CommonPrograms) return dataHome() + "/applications";
    return {};
}

bool IsRootFolder(const QString &path)
{
    const QString trimmed = path.trimmed();
    return !trimmed.isEmpty() && QDir::cleanPath(trimmed) == "/";
}

bool isSameFolder(const QString &a, const QString &b)
{
    const QString first = a.trimmed(), second = b.trimmed();
    if (first.isEmpty() || second.isEmpty()) return false;
    if (QDir::cleanPath(first) == QDir::cleanPath(second)) return true;
    const QFileInfo one(first), other(second);
    return one.exists() && other.exists() && one.canonicalFilePath() == other.canonicalFilePath();
}

bool isHomeFolder(const QString &path) { return isSameFolder(path, QDir::homePath()); }

std::optional<QString> pathInside(const QString &base, const QString &folder)
{
    const auto below = [](const QString &b, const QString &f) -> std::optional<QString> {
        if (b.isEmpty() || f.isEmpty()) return std::nullopt;
        if (f == b) return QString();
        const QString prefix = b.endsWith('/') ? b : b + "/";
        if (f.startsWith(prefix)) return f.mid(prefix.size());
        return std::nullopt;
    };
    if (auto plain = below(QDir::cleanPath(base), QDir::cleanPath(folder))) return plain;
    return below(QFileInfo(base).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
}

QString nearestExistingFolder(const QString &path)
{
    QString dir = QDir::cleanPath(path);
    while (!QFileInfo::exists(dir)) {
        const QString up = QFileInfo(dir).absolutePath();
        if (up == dir) break;
        dir = up;
    }
    return dir;
}

bool isFolderWritable(const QString &folder)
{
    // Making an entry takes both write and search rights on the folder.
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

QStringList &createdFolders()
{
    static QStringList folders;
    return folders;
}

void removeEmptyFolders(const QStringList &folders)
{
    QStringList deepestFirst = folders;
    for (QString &f : deepestFirst) f = QDir::cleanPath(f);
    std::stable_sort(deepestFirst.begin(), deepestFirst.end(),
                     [](const QString &a, const QString &b) { return a.count('/') > b.count('/'); });
    // rmdir removes only an empty folder, and a link is no folder to it.
    for (const QString &f : deepestFirst) ::rmdir(QFile::encodeName(f).constData());
}

bool CreateFolderPath(const QString &path, bool changeTo, bool silent)
{
    if (IsRootFolder(path)) return true;
    const QString folder = path.trimmed();
    int error = 0;
    if (folder.isEmpty()) error = ENOENT;
    qsizetype pos = 0;
    while (!error) {
        const qsizetype next = folder.indexOf('/', pos);
        const QString prefix = next < 0 ? folder : folder.left(next + 1);
        if (!prefix.isEmpty() && !IsRootFolder(prefix) && !QFileInfo(prefix).isDir()) {
            if (::mkdir(QFile::encodeName(prefix).constData(), 0777) == 0) {
                const QString made = QDir::cleanPath(prefix);
                if (!createdFolders().contains(made)) createdFolders() << made;
            } else if (errno != EEXIST) {
                error = errno;
            }
        }
        if (!error && next >= 0 && !QFileInfo(prefix).isDir()) error = ENOTDIR;
        if (next < 0) break;
        pos = next + 1;
    }
    if (!error && !QFileInfo(folder).isDir()) error = ENOTDIR;
    if (!error && changeTo && !QDir::setCurrent(folder)) error = EACCES;
    if (!error) return true;
    if (!silent)
        MsgBox("Kan directory " + folder + " niet aanmaken...\r\n(Error: " + QString::number(error) + " - "
                   + QString::fromLocal8Bit(std::strerror(error)) + ")",
               MsgStyle::Exclamation, ErrorTitle);
    return false;
}

QString BrowseForFolderEx(QWidget *owner, QString &startFolder, const QString &title, bool newStyle, bool includeFiles)
{
    Q_UNUSED(newStyle); // one dialog style here
    QString start = startFolder.trimmed();
    if (start.isEmpty()) start = QDir::currentPath();
    if (start.size() > 1 && start.endsWith('/')) start.chop(1);
    startFolder = start;
    FolderBrowseRequest request;
    request.owner = owner;
    request.title = browseTitle(title);
    request.startFolder = start;
    request.includeFiles = includeFiles;
    QString chosen = dialogs().browseFolder(request);
    if (!chosen.isEmpty() && includeFiles && !QFileInfo(chosen).isDir()) {
        const qsizetype slash = chosen.lastIndexOf('/');
        if (slash > 0) chosen.truncate(slash);
        else if (slash == 0) chosen = "/";
    }
    return chosen;
}

QString BrowseForFolder(QWidget *owner, const QString &title)
{
    FolderBrowseRequest request;
    request.owner = owner;
    request.title = browseTitle(title);
    request.root = GetSpecialFolderPath(SpecialFolder::Programs);
    // A new user has no menu folder yet; the browser opens in it all the same.
    CreateFolderPath(request.root, false, true);
    return dialogs().browseFolder(request);
}

QString versionFileOf(const QString &file) { return file + ".version"; }

void GetFileVersionParts(const QString &file, short &major, short &minor, short &build, short &revision)
{
    if (!QFileInfo(file).isFile()) return;
    const std::optional<QByteArray> note = readRegularFile(versionFileOf(file), nullptr, MaxReadSize, LinkRule::Refuse);
    short parts[4];
    if (!note || !parseVersion(QString::fromLatin1(note->left(100)), parts)) return;
    major = parts[0];
    minor = parts[1];
    build = parts[2];
    revision = parts[3];
}

bool IsNewerFileVersion(const QString &newFile, const QString &oldFile)
{
    short n[4] = {0, 0, 0, 0}, o[4] = {0, 0, 0, 0};
    GetFileVersionParts(newFile, n[0], n[1], n[2], n[3]);
    GetFileVersionParts(oldFile, o[0], o[1], o[2], o[3]);
    QString newText, oldText;
    for (int i = 0; i < 4; ++i) {
        newText += QString::number(n[i]);
        oldText += QString::number(o[i]);
    }
    if (newText == "1000" || oldText == "0000") return true;
    for (int i = 0; i < 4; ++i) {
        if (n[i] > o[i]) return true;
        if (n[i] < o[i]) return false;
    }
    return false;
}

bool CopyFileTo(const QString &source, const QString &destination, bool overwrite)
{
    if (!QFileInfo(source).isFile()) return false;
    if (QFileInfo::exists(destination) && !overwrite) return false;
    if (!copyReplacing(source, destination)) return false;
    // The version travels with the file; a copy without one must not keep the old file's.
    const QString note = versionFileOf(source);
    if (QFileInfo(note).isFile()) return copyReplacing(note, versionFileOf(destination));
    QFile::remove(versionFileOf(destination));
    return true;
}

bool IsUserAdmin() { return writable(QDir::homePath()) && writable(configHome()); }
