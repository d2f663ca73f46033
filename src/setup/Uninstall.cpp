#include "Uninstall.h"

#include "FolderLock.h"
#include "Installed.h"
#include "Registry.h"
#include "ShellLink.h"
#include "SystemTools.h"
#include "Unpack.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {
const QString CRLF = QStringLiteral("\r\n");

bool present(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The folder a path names, each level found without regard to case.
QString findFolder(const QString &path)
{
    QString at = path.startsWith('/') ? "/" : ".";
    for (const QString &level : path.split('/', Qt::SkipEmptyParts)) {
        QString found = QFileInfo(QDir(at).filePath(level)).isDir() ? level : QString();
        for (const QString &name : QDir(at).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
            if (found.isEmpty() && name.compare(level, Qt::CaseInsensitive) == 0) found = name;
        if (found.isEmpty()) return {};
        at = QDir(at).filePath(found);
    }
    return at;
}

bool safeRelative(const QString &name)
{
    if (name.isEmpty() || name.startsWith('/')) return false;
    for (const QString &part : name.split('/'))
        if (part == ".." || part == "." || part.isEmpty()) return false;
    return true;
}

// A listed name uninst may act on: inside the program folder, and not behind a link in it.
bool ours(const QString &app, const QString &name) { return safeRelative(name) && !linkOnTheWay(app, name, false); }

// The same for the names of a long list: each folder on their way is looked at once.
class OursInFolder {
public:
    explicit OursInFolder(const QString &app) : app_(app) {}
    bool operator()(const QString &name)
    {
        if (!safeRelative(name)) return false;
        const qsizetype slash = name.lastIndexOf('/');
        if (slash < 0) return true;
        const QString folder = name.left(slash);
        auto known = folders_.constFind(folder);
        if (known == folders_.cend()) known = folders_.insert(folder, !linkOnTheWay(app_, folder, true));
        return *known;
    }

private:
    QString app_;
    QHash<QString, bool> folders_;
};

// What is left of an installation whose program and list are gone: its uninst, beside another file
// of the package or in the folder the uninstall entry names. It is removed by the package's list.
bool leftOfAnInstallation(const QString &folder, const QString &entryApp)
{
    if (!QDir::isAbsolutePath(folder) || !present(folder + "/" + Installed::Uninstaller)) return false;
    if (isSameFolder(entryApp, folder)) return true;
    const QStringList package = Installed::packageFiles();
    return std::any_of(package.begin(), package.end(), [&](const QString &name) {
        return name != Installed::Uninstaller && ours(folder, name) && QFileInfo(folder + "/" + name).isFile();
    });
}

// A folder uninst may remove files from: a full path, not the root or the home folder, with the
// program or setup's list in it, or what is left of an installation.
bool isProgramFolder(const QString &folder, const QString &entryApp = QString())
{
    return !IsRootFolder(folder) && !isHomeFolder(folder)
        && (holdsInstallation(folder) || leftOfAnInstallation(folder, entryApp));
}

// The menu folder, given by its full path, where it lies inside the applications folder (not that
// folder itself); "" elsewhere, whatever the registry file says.
QString menuFolderOf(const QString &folder)
{
    const QString applications = QDir::cleanPath(GetSpecialFolderPath(SpecialFolder::CommonPrograms));
    const std::optional<QString> inside = folder.isEmpty() ? std::nullopt : pathInside(applications, folder);
    if (!inside || inside->isEmpty() || !ours(applications, *inside)) return {};
    return applications + "/" + *inside;
}

struct MenuEntry {
    QString file;
    QString program; // what it starts
};

// The program and uninstaller entries below the given menu folders.
QList<MenuEntry> menuEntries(const QStringList &roots)
{
    QList<MenuEntry> out;
    QStringList seen;
    for (const QString &root : roots) {
        if (root.isEmpty()) continue;
        QDirIterator it(root, {Installed::ProgramLink, Installed::UninstallerLink}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = QDir::cleanPath(it.next());
            const QString name = it.fileName();
            if ((name != Installed::ProgramLink && name != Installed::UninstallerLink) || seen.contains(file)) continue;
            seen << file;
            QString exe, dir, args, icon;
            int index = 0, show = 0;
            if (cShellLink().GetShellLinkInfo(file, exe, dir, args, icon, index, show)) out.append({file, exe});
        }
    }
    return out;
}

// Whether the shared components may go with this installation: only when their list of users is
// there and names no other folder that still holds an installation, and neither the uninstall entry
// nor a menu entry names one. Without the list an installation could be missed: they stay.
bool lastInstallation(const QString &folder, const QList<MenuEntry> &entries, const QString &entryApp)
{
    const std::optional<QStringList> users = readFileList(componentUsersFile());
    if (!users) return false;
    QStringList others = *users;
    others << entryApp;
    for (const MenuEntry &e : entries) others << QFileInfo(e.program).absolutePath();
    for (const QString &other : others)
        if (isProgramFolder(other) && !isSameFolder(other, folder)) return false;
    return true;
}

// The names uninst takes care of itself, last, whatever its list says of them.
bool uninstsOwn(const QString &name)
{
    return name == Installed::Uninstaller || name.compare(Installed::FileList, Qt::CaseInsensitive) == 0
        || name == Installed::LockFile;
}

// Removes the listed files but uninst and its list; `progress` hears of each name.
void removeListed(const QString &app, const QStringList &listed, QStringList &remains, const Uninst::Progress &progress)
{
    OursInFolder inside(app);
    for (qsizetype n = 0; n < listed.size(); ++n) {
        const QString &name = listed[n];
        if (progress) progress(n, listed.size());
        if (!inside(name) || uninstsOwn(name)) continue;
        const QString path = app + "/" + name;
        if (present(path) && !QFile::remove(path)) remains << path;
    }
    if (progress) progress(listed.size(), listed.size());
}

// The folders of the listed files and the program folder itself, where these are empty now.
void removeEmptiedFolders(const QString &app, const QStringList &listed)
{
    QSet<QString> folders{app};
    OursInFolder inside(app);
    for (const QString &name : listed) {
        if (!inside(name)) continue;
        for (QString folder = QFileInfo(name).path(); folder != "." && !folder.isEmpty(); folder = QFileInfo(folder).path())
            if (!folders.contains(app + "/" + folder)) folders.insert(app + "/" + folder);
            else break; // its parents are in already
    }
    removeEmptyFolders(folders.values());
}

// The folders setup made above the program folder, as it noted them: only folders above this one,
// below the root and other than the home folder.
QStringList madeFolders(const QString &app)
{
    QStringList out;
    for (const QString &noted : readFileList(app + "/" + Installed::MadeFolders).value_or(QStringList())) {
        const QString folder = QDir::cleanPath(noted);
        if (QDir::isAbsolutePath(folder) && app.startsWith(folder + "/") && !IsRootFolder(folder) && !isHomeFolder(folder))
            out << folder;
    }
    return out;
}

// The shared components setup copied from the installation's SYS folder.
void removeComponents(const QStringList &listed, QStringList &remains)
{
    const QString system = GetSystemDir();
    for (const QString &name : listed) {
        if (!name.startsWith("SYS/") || name.count('/') != 1 || !safeRelative(name)) continue;
        const QString path = system + "/" + name.mid(4);
        if (present(path) && !QFile::remove(path)) remains << path;
    }
}

bool isEmptyFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink()
        && QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// A menu folder emptied of our entries goes after the question; so do its emptied parents, up to
// the applications folder itself, which stays.
void removeMenuFolder(const QString &folder, QStringList &remains)
{
    const QString applications = QDir::cleanPath(GetSpecialFolderPath(SpecialFolder::CommonPrograms));
    if (menuFolderOf(folder).isEmpty() || !isEmptyFolder(folder)) return;
    if (!DeleteFiles(folder, false, true, &remains)) return;
    QStringList parents;
    for (QString up = QFileInfo(folder).path(); up.startsWith(applications + "/"); up = QFileInfo(up).path()) parents << up;
    removeEmptyFolders(parents);
}

// What remains, inside the program folder named relative to it: the first line names the folder.
QString resultText(const QString &folder, const QStringList &remains, bool runAgain)
{
    QStringList shown;
    for (const QString &path : remains.mid(0, UninstText::ShownPaths))
        shown << (path.startsWith(folder + "/") ? path.mid(folder.size() + 1) : path);
    QString text = UninstText::NotDone(folder) + CRLF + CRLF + shown.join(CRLF);
    if (remains.size() > UninstText::ShownPaths) text += CRLF + UninstText::AndOthers(remains.size() - UninstText::ShownPaths);
    if (runAgain) text += CRLF + CRLF + UninstText::RunAgain;
    return text;
}
}

bool holdsInstallation(const QString &folder)
{
    return QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir()
        && !(findFile(Installed::Program, folder).isEmpty() && findFile(Installed::FileList, folder).isEmpty());
}

bool DeleteFiles(const QString &path, bool useShell, bool confirm, QStringList *failed)
{
    Q_UNUSED(useShell);
    if (confirm && MsgBox("Weet u zeker dat u " + path + " wilt verwijderen ?", MsgStyle::Exclamation | MsgStyle::YesNo, "Verwijderen")
                       != MsgAnswer::Yes)
        return false;
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink()) {
        if (QDir().rmdir(path)) return true;
        if (failed) *failed << path;
        return false;
    }
    const QString pattern = info.fileName();
    const QString dir = findFolder(info.path());
    if (dir.isEmpty()) return false;
    const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern),
                                   QRegularExpression::CaseInsensitiveOption);
    bool any = false, all = true;
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!match.match(name).hasMatch()) continue;
        any = true;
        if (!QFile::remove(dir + "/" + name)) {
            all = false;
            if (failed) *failed << dir + "/" + name;
        }
    }
    return any && all;
}

void Uninst::Main(const QString &startFolder, const Progress &progress)
{
    const QString app = QDir::cleanPath(startFolder);
    if (MsgBox(UninstText::Confirm(app), MsgStyle::Question | MsgStyle::YesNo | MsgStyle::DefaultButton2, UninstText::Title)
        != MsgAnswer::Yes)
        return;
    const QString key = Installed::UninstallKey;
    const auto notProgramFolder = [&app] {
        MsgBox(resultText(app, {app + UninstText::NotProgramFolder}, false), MsgStyle::Exclamation, UninstText::Title);
    };
    // Nothing is written in a folder that is no program folder, not even the lock file.
    if (!isProgramFolder(app, RegReadString(HKEY_CURRENT_USER, key, "AppPath"))) return notProgramFolder();
    FolderLock lock;
    if (lock.acquire(app) == FolderLock::Result::Busy) {
        MsgBox(LockText::Busy(app), MsgStyle::Exclamation, UninstText::Title);
        return;
    }
    // Another run may have finished while this one asked.
    const QString entryApp = RegReadString(HKEY_CURRENT_USER, key, "AppPath");
    if (!isProgramFolder(app, entryApp)) return notProgramFolder();
    QStringList remains;

    // The uninstall entry and the menu entries are this installation's only when they name its folder;
    // they are looked for in the applications folder only.
    const bool ownEntry = isSameFolder(entryApp, app);
    const QString entryLinks = ownEntry ? menuFolderOf(RegReadString(HKEY_CURRENT_USER, key, "ShellLnkPath")) : QString();
    const QList<MenuEntry> entries = menuEntries({GetSpecialFolderPath(SpecialFolder::CommonPrograms)});

    // The installation's own list of files; without it only what the package holds.
    const QString list = findFile(Installed::FileList, app);
    QStringList listed = Installed::packageFiles();
    if (!list.isEmpty()) {
        const std::optional<QStringList> read = readFileList(list);
        if (read) listed = *read;
        else remains << list;
    }
    const QStringList above = madeFolders(app); // read before the list's files go, this note among them
    if (remains.isEmpty()) {
        removeListed(app, listed, remains, progress);
        // What a killed setup left beside the files it was writing.
        removeSetupTemporaries(app, listed + Installed::packageFiles());
    }
    // The components go with the last installation that uses them, else this one leaves their list.
    if (remains.isEmpty()) {
        if (lastInstallation(app, entries, entryApp)) {
            removeComponents(listed, remains);
            removeSetupTemporaries(GetSystemDir(), {});
            if (remains.isEmpty() && !QFile::remove(componentUsersFile())) remains << componentUsersFile();
        } else if (!removeComponentUser(app)) {
            remains << componentUsersFile();
        }
    }
    // The list and uninst itself go last: only then can nothing be left for a second run.
    const QString self = app + "/" + Installed::Uninstaller;
    if (remains.isEmpty() && !list.isEmpty() && present(list) && !QFile::remove(list)) remains << list;
    if (remains.isEmpty() && present(self) && !QFile::remove(self)) remains << self;
    const bool finished = remains.isEmpty();

    // Until the files are gone the uninstaller's menu entry stays; the program's goes with the program.
    QStringList menuFolders;
    if (!entryLinks.isEmpty()) menuFolders << entryLinks;
    for (const MenuEntry &e : entries) {
        if (!isSameFolder(QFileInfo(e.program).absolutePath(), app)) continue;
        if (!finished && (QFileInfo(e.file).fileName() == Installed::UninstallerLink || present(e.program))) continue;
        if (!QFile::remove(e.file)) remains << e.file;
        const QString folder = QFileInfo(e.file).path();
        if (!menuFolders.contains(folder)) menuFolders << folder;
    }
    if (finished) {
        for (const QString &folder : menuFolders) removeMenuFolder(folder, remains);
        if (ownEntry && !RegRemoveKey(HKEY_CURRENT_USER, key)) remains << registryFile();
        const QString components = GetSystemDir();
        if (isEmptyFolder(components)) removeEmptyFolders({components, QFileInfo(components).path()});
    }
    // The lock file is the last of ours in the program folder; then the folders emptied go.
    lock.release();
    if (finished) {
        removeEmptiedFolders(app, listed);
        removeEmptyFolders(above);
    }

    if (remains.isEmpty())
        MsgBox(UninstText::Done(app), MsgStyle::Information, UninstText::Title);
    else
        MsgBox(resultText(app, remains, present(self)), MsgStyle::Exclamation, UninstText::Title);
}
