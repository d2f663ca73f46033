#include "Uninstall.h"

#include "Installed.h"
#include "Registry.h"
#include "platform/Dialogs.h"
#include "Unpack.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
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
        if (part == ".." || part == ".") return false;
    return true;
}

// Removes the files on setup's list; then the folders they were in, where these are empty now.
void removeListed(const QString &app, const QStringList &listed, QStringList &remains)
{
    QStringList folders;
    for (const QString &name : listed) {
        if (!safeRelative(name)) continue; // never anything outside the program folder
        const QString path = app + "/" + name;
        if (present(path) && !QFile::remove(path)) remains << path;
        for (QString folder = QFileInfo(name).path(); folder != "." && !folder.isEmpty(); folder = QFileInfo(folder).path())
            if (!folders.contains(folder)) folders << folder;
    }
    // Deepest first, so a folder's sub-folders are gone before it.
    std::sort(folders.begin(), folders.end(), [](const QString &a, const QString &b) { return a.count('/') > b.count('/'); });
    for (const QString &folder : folders) QDir(app).rmdir(folder);
}

bool isHome(const QString &path)
{
    const QString home = QDir::homePath();
    return QDir::cleanPath(path) == QDir::cleanPath(home)
        || (QFileInfo(path).exists() && QFileInfo(path).canonicalFilePath() == QFileInfo(home).canonicalFilePath());
}

void removeProgram(const QString &app, QStringList &remains)
{
    if (QDir::isRelativePath(app) || QDir::cleanPath(app) == "/" || isHome(app) || findFile(Installed::Program, app).isEmpty()) {
        remains << app + UninstText::NotProgramFolder;
        return;
    }
    const QString list = findFile(Installed::FileList, app);
    const int before = int(remains.size());
    if (!list.isEmpty()) {
        const std::optional<QStringList> listed = readFileList(list);
        if (!listed) {
            remains << list;
            return;
        }
        removeListed(app, *listed, remains);
        if (remains.size() == before && !QFile::remove(list)) remains << list;
    } else {
        // Without the list: the installed layout's patterns.
        for (const char *pattern : {"/ICO/*", "/IMG/*", "/SYS/*", "/VORMEN/*", "/*.TXT"})
            DeleteFiles(app + pattern, false, false, &remains);
        DeleteFiles(app + "/" + Installed::Program, false, false, &remains);
    }
    QDir().rmdir(app); // only when nothing else is left in it
}
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

void Uninst::Main()
{
    if (MsgBox(UninstText::Confirm, MsgStyle::Question | MsgStyle::YesNo | MsgStyle::DefaultButton2, UninstText::Title)
        != MsgAnswer::Yes)
        return;
    const QString key = Installed::UninstallKey;
    QStringList remains;

    const QString links = RegReadString(HKEY_CURRENT_USER, key, "ShellLnkPath");
    if (!links.isEmpty()) {
        // Only our two entries: anything else the user keeps in that menu folder stays.
        for (const QString &link : {Installed::ProgramLink, Installed::UninstallerLink}) {
            const QString path = links + "/" + link;
            if (present(path) && !QFile::remove(path)) remains << path;
        }
        if (QFileInfo(links).isDir() && QDir(links).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            DeleteFiles(links, false, true, &remains);
    }

    const QString app = RegReadString(HKEY_CURRENT_USER, key, "AppPath");
    if (!app.isEmpty()) {
        const int before = int(remains.size());
        removeProgram(app, remains);
        // The entry stays while the program folder does, so that the uninstaller can be run again.
        if (remains.size() == before) RegRemoveKey(HKEY_CURRENT_USER, key);
    }

    if (remains.isEmpty())
        MsgBox(UninstText::Done, MsgStyle::Information, UninstText::Title);
    else
        MsgBox(UninstText::NotDone + "\r\n\r\n" + remains.join("\r\n"), MsgStyle::Exclamation, UninstText::Title);
}
