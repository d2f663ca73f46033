#include "Installation.h"

#include "setup/Installed.h"
#include "setup/Register.h"
#include "setup/Registry.h"
#include "setup/ShellLink.h"
#include "setup/SystemTools.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QSet>

#include <unistd.h>

namespace {
QString errorCode(int result) { return "foutcode " + QString::number(result); }
}

QString Installation::archiveRefusal(const QString &archive)
{
    const UnpackOutcome checked = checkArchive(archive);
    if (checked.result != UnpackResult::Done) {
        const QString state = checked.result == UnpackResult::CannotOpen ? "kan niet worden geopend"
                            : checked.result == UnpackResult::Damaged    ? "is beschadigd"
                                                                         : "is onveilig";
        return "Het installatiebestand " + Installed::Archive + " " + state + ": " + unpackProblemText(checked) + ". ("
             + errorCode(checked.result) + ")";
    }
    // Without it nothing can register: refused before anything is unpacked.
    if (const QString runtime = "SYS/" + Installed::SharedRuntime; !checked.files.contains(runtime))
        return "Het installatiebestand " + Installed::Archive + " is onvolledig: het onderdeel \"" + runtime + "\" ontbreekt.";
    return QString();
}

Installation::~Installation() { stop(); }

bool Installation::lock(const QString &folder)
{
    if (lock_.acquire(folder) == FolderLock::Result::Busy) return false;
    folder_ = folder;
    return true;
}

void Installation::start(const QString &archive, const std::function<void(int)> &progress, const std::function<void()> &ended)
{
    listPath_ = folder_ + "/" + Installed::FileList;
    earlierList_ = readRegularFile(listPath_, nullptr, MaxReadSize, LinkRule::Refuse);
    const QStringList listed = readFileList(listPath_).value_or(QStringList());
    worker_ = std::thread([this, archive, listed, progress, ended] {
        QSet<QString> known(listed.begin(), listed.end());
        unpacked_ = unpackArchive(archive, folder_, progress, &control_, [this, &known](const QString &name) {
            if (known.contains(name)) return;
            known.insert(name);
            if (!appendToFileList(listPath_, name)) listFailed_ = true;
        });
        if (unpacked_.result == UnpackResult::Done) installSystemFiles();
        ended();
    });
}

void Installation::wait()
{
    if (worker_.joinable()) worker_.join();
}

void Installation::stop()
{
    if (!worker_.joinable()) return;
    control_.stop();
    worker_.join();
}

Installation::Outcome Installation::outcome() const
{
    if (unpacked_.result == UnpackResult::Stopped) return Outcome::Stopped;
    return unpacked_.result != UnpackResult::Done || !systemStop_.reason.isEmpty() ? Outcome::Failed : Outcome::Unpacked;
}

InstallationStop Installation::failure() const
{
    if (unpacked_.result != UnpackResult::Done && unpacked_.result != UnpackResult::Stopped)
        return {unpackProblemText(unpacked_), errorCode(unpacked_.result)};
    return systemStop_;
}

void Installation::installSystemFiles()
{
    QStringList &failures = systemFailures_;
    QString source = folder_;
    if (!source.endsWith('/')) source += "/";
    const QString system = systemInfo().SystemDir;
    const QString runtimeEntry = "SYS/" + Installed::SharedRuntime;
    if (!unpacked_.files.contains(runtimeEntry)) {
        systemStop_.reason = "het onderdeel \"" + runtimeEntry + "\" ontbreekt in het installatiebestand";
        return;
    }
    const QString runtime = system + "/" + Installed::SharedRuntime;
    // What kept the runtime from its place, if anything did: the cause that the stop names, rather
    // than the registration that failed because of it.
    QString cause, causeDetail;
    if (!CreateFolderPath(system, false, true)) {
        failures << "Map aanmaken: " + system;
        cause = "de map voor de gedeelde onderdelen kan niet worden aangemaakt";
        causeDetail = system;
    }
    // Listed before any component is copied: uninst leaves the components to the installations listed.
    if (!addComponentUser(folder_, addedUser_)) failures << "Lijst van installaties: " + componentUsersFile();
    auto copyWhenNewer = [&](const QString &name) {
        const QString from = source + "SYS/" + name, to = system + "/" + name;
        const bool there = QFileInfo::exists(to);
        if (!IsNewerFileVersion(from, to)) return;
        if (CopyFileTo(from, to, true)) {
            if (!there) systemCreated_ << to;
            return;
        }
        failures << "Kopiëren naar " + to;
        if (to == runtime && cause.isEmpty()) {
            cause = "het onderdeel \"" + runtimeEntry + "\" kan niet worden gekopieerd";
            causeDetail = to;
        }
    };
    const auto stop = [this] { return control_.stopped(); };
    for (const QString &name : Installed::VersionedComponents) copyWhenNewer(name);
    if (!RegisterComponent(runtime, stop)) {
        systemStop_.reason = cause.isEmpty() ? "het onderdeel \"" + runtimeEntry + "\" kan niet worden geregistreerd" : cause;
        systemStop_.detail = cause.isEmpty() ? runtime : causeDetail;
        return;
    }
    // Every other file of SYS, the versioned ones done above; what is no component simply fails to
    // register. A version note goes with its file.
    for (const QString &name : QDir(source + "SYS").entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (name.endsWith(".version") || Installed::VersionedComponents.contains(name) || control_.stopped()) continue;
        copyWhenNewer(name);
        RegisterComponent(system + "/" + name, stop);
    }
}

QStringList Installation::complete(const QString &menuName)
{
    QStringList failures;
    if (listFailed_) failures << "Lijst van geïnstalleerde bestanden: " + listPath_;
    failures += systemFailures_;

    shortcutFolder_ = GetSpecialFolderPath(SpecialFolder::CommonPrograms) + "/" + QString(menuName).replace('\\', '/');
    if (!CreateFolderPath(shortcutFolder_, false, true)) failures << "Map aanmaken: " + shortcutFolder_;
    cShellLink link;
    const struct {
        QString file, program;
    } links[] = {{Installed::ProgramLink, Installed::Program}, {Installed::UninstallerLink, Installed::Uninstaller}};
    for (const auto &l : links) {
        const QString file = shortcutFolder_ + "/" + l.file;
        if (!link.CreateShellLink(file, folder_ + "/" + l.program, folder_, QString(), QString(), 0, QString(), 5))
            failures << "Snelkoppeling maken: " + file;
    }

    bool registered = true;
    const QList<QPair<QString, QString>> values = {{"DisplayName", Installed::DisplayName},
                                                   {"UninstallString", folder_ + "/" + Installed::Uninstaller},
                                                   {"AppPath", folder_},
                                                   {"ShellLnkPath", shortcutFolder_}};
    for (const auto &[name, value] : values)
        registered = RegWriteValue(HKEY_CURRENT_USER, Installed::UninstallKey, name, RegType::String, value) && registered;
    if (!registered) failures << "Verwijdergegevens opslaan in " + registryFile();
    if (!noteMadeFolders()) failures << "Lijst van aangemaakte mappen: " + folder_ + "/" + Installed::MadeFolders;
    return failures;
}

// The folders this run made above the program folder join those an earlier run noted, so that uninst
// can remove them again.
bool Installation::noteMadeFolders()
{
    const QString top = QDir::cleanPath(folder_), file = top + "/" + Installed::MadeFolders;
    const std::optional<QStringList> earlier = readFileList(file);
    QStringList noted = earlier.value_or(QStringList());
    for (const QString &made : unpacked_.createdFolders + createdFolders()) {
        const QString above = QDir::cleanPath(made);
        if (top.startsWith(above + "/") && !noted.contains(above)) noted << above;
    }
    if (noted.size() == (earlier ? earlier->size() : 0)) return true;
    if (!writeFileList(file, noted)) return false;
    const std::optional<QStringList> listed = readFileList(listPath_);
    return (listed && listed->contains(Installed::MadeFolders)) || appendToFileList(listPath_, Installed::MadeFolders);
}

bool Installation::wroteAny() const
{
    return !unpacked_.created.isEmpty() || !systemCreated_.isEmpty() || addedUser_
        || (!earlierList_ && QFileInfo::exists(listPath_));
}

void Installation::finish() { removeMadeFolders(createdFolders()); }

void Installation::leave() { removeMadeFolders(unpacked_.createdFolders + createdFolders()); }

void Installation::undo()
{
    for (const QString &name : unpacked_.created) ::unlink(QFile::encodeName(folder_ + "/" + name).constData());
    for (const QString &file : systemCreated_)
        for (const QString &path : {file, versionFileOf(file)}) ::unlink(QFile::encodeName(path).constData());
    if (!listPath_.isEmpty()) {
        if (earlierList_) writeSetupFile(listPath_, *earlierList_);
        else if (QFileInfo(listPath_).isFile() && !QFileInfo(listPath_).isSymLink()) ::unlink(QFile::encodeName(listPath_).constData());
    }
    if (addedUser_) removeComponentUser(folder_);
    leave();
}

void Installation::removeMadeFolders(const QStringList &folders)
{
    lock_.release(); // its file is the last of setup's in the target
    removeEmptyFolders(folders);
}
