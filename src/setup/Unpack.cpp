#include "Unpack.h"

#include "platform/RegularFile.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace {
struct Entry {
    zip_uint64_t index;
    QString name;
    bool folder;
    mode_t mode; // 0 when the archive keeps none
};

// A name is joined to the target as plain text, so only what leaves it by itself is refused. A
// leading ":" is refused too: Qt's file classes read such a path as a resource.
bool safeName(const QString &name)
{
    if (name.isEmpty() || name.startsWith('/') || name.startsWith(':') || name.contains('\\') || name.contains(QChar(0)))
        return false;
    for (const QString &part : name.split('/', Qt::SkipEmptyParts))
        if (part == "..") return false;
    return true;
}

// The entry's Unix mode, when the archive was made on a Unix system.
mode_t unixMode(zip_t *zip, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, index, 0, &system, &attributes) != 0) return 0;
    return system == ZIP_OPSYS_UNIX ? mode_t(attributes >> 16) : 0;
}

QByteArray native(const QString &path) { return QFile::encodeName(path); }

// lstat: a link is seen as itself, never followed. 0 when nothing is there.
mode_t typeAt(const QString &path, int *error = nullptr)
{
    struct stat st;
    if (::lstat(native(path).constData(), &st) == 0) return st.st_mode & S_IFMT;
    if (error) *error = errno == ENOENT ? 0 : errno;
    return 0;
}

std::function<int(int)> syncHook;
std::function<void()> heldHook;

int syncData(int fd) { return syncHook ? syncHook(fd) : ::fdatasync(fd); }

struct ZipCloser {
    void operator()(zip_t *z) const { zip_discard(z); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

struct Opened {
    Zip zip;
    QList<Entry> entries;
};

UnpackOutcome failed(int result, UnpackProblem problem, const QString &entry = QString(), int error = 0)
{
    UnpackOutcome out;
    out.result = result;
    out.problem = problem;
    out.entry = entry;
    out.error = error;
    return out;
}

// Reads an entry to its end; Damaged when it does not come out whole (a CRC that does not match among
// others). `sink` takes each block and may refuse it; `control` may stop the reading between blocks.
enum class Read { Whole, Damaged, SinkFailed, Stopped };
Read readEntry(zip_t *zip, zip_uint64_t index, const std::function<bool(const char *, qint64)> &sink, UnpackControl *control)
{
    zip_file_t *file = zip_fopen_index(zip, index, 0);
    if (!file) return Read::Damaged;
    Read result = Read::Whole;
    static thread_local char buffer[65536];
    for (;;) {
        if (control && control->stopRequested()) {
            result = Read::Stopped;
            break;
        }
        const zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
        if (got < 0) result = Read::Damaged;
        if (got <= 0) break;
        if (sink && !sink(buffer, got)) {
            result = Read::SinkFailed;
            break;
        }
    }
    zip_fclose(file);
    return result;
}

// Opens and checks the archive; with `readBack` every file is read once to find damage.
UnpackOutcome open(const QString &archive, bool readBack, Opened &opened)
{
    int error = 0;
    // zip_open would wait on a pipe and read a device without end: only a regular file is an archive.
    struct stat st;
    if (::stat(native(archive).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return failed(UnpackResult::CannotOpen, UnpackProblem::NoArchive);
    opened.zip.reset(zip_open(native(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!opened.zip) return failed(UnpackResult::CannotOpen, UnpackProblem::NoArchive);
    zip_t *zip = opened.zip.get();
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *raw = zip_get_name(zip, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        const mode_t mode = unixMode(zip, zip_uint64_t(i));
        const bool folder = name.endsWith('/');
        const mode_t type = mode & S_IFMT;
        if (!safeName(name)) return failed(UnpackResult::UnsafeEntry, UnpackProblem::OutsidePath, name);
        if (type == S_IFLNK) return failed(UnpackResult::UnsafeEntry, UnpackProblem::LinkEntry, name);
        if (type != 0 && type != (folder ? S_IFDIR : S_IFREG))
            return failed(UnpackResult::UnsafeEntry, UnpackProblem::SpecialEntry, name);
        if (holdsControlCharacter(name)) return failed(UnpackResult::UnsafeEntry, UnpackProblem::ControlInName, name);
        opened.entries.append({zip_uint64_t(i), name, folder, mode});
    }
    if (readBack)
        for (const Entry &e : opened.entries)
            if (!e.folder && readEntry(zip, e.index, {}, nullptr) != Read::Whole)
                return failed(UnpackResult::Damaged, UnpackProblem::DamagedEntry, e.name);
    return {};
}

// The levels below the target that an entry passes through, and its own path last.
QStringList levels(const QString &target, const QString &name)
{
    QStringList out;
    QString at = target;
    for (const QString &part : name.split('/', Qt::SkipEmptyParts)) {
        at += "/" + part;
        out << at;
    }
    return out;
}

// Makes the folder where missing, one level at a time, each checked without following a link.
UnpackOutcome makeFolders(const QStringList &paths, const QString &entry, QStringList &created)
{
    for (const QString &at : paths) {
        int error = 0;
        const mode_t type = typeAt(at, &error);
        if (error) return failed(UnpackResult::CannotWrite, UnpackProblem::WriteFailed, entry, error);
        if (type == S_IFDIR) continue;
        if (type == S_IFLNK) return failed(UnpackResult::UnsafeEntry, UnpackProblem::LinkInTarget, entry);
        if (type != 0) return failed(UnpackResult::CannotWrite, UnpackProblem::FileWhereFolder, entry);
        if (::mkdir(native(at).constData(), 0755) != 0)
            return failed(UnpackResult::CannotWrite, UnpackProblem::WriteFailed, entry, errno);
        created << at;
    }
    return {};
}

// The target folder itself, and the folders above it, where missing.
UnpackOutcome makeTarget(const QString &target, QStringList &created)
{
    QStringList paths;
    for (QString at = target; at.size() > 1 && typeAt(at) == 0; at = at.left(qMax(qsizetype(1), at.lastIndexOf('/'))))
        paths.prepend(at);
    for (const QString &at : paths) {
        if (::mkdir(native(at).constData(), 0755) != 0 && errno != EEXIST)
            return failed(UnpackResult::CannotWrite, UnpackProblem::WriteFailed, QString(), errno);
        created << at;
    }
    struct stat st;
    if (::stat(native(target).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return failed(UnpackResult::CannotWrite, UnpackProblem::WriteFailed, QString(), ENOTDIR);
    return {};
}
}

bool linkOnTheWay(const QString &folder, const QString &name, bool itself)
{
    QStringList paths = levels(folder, name);
    if (!itself && !paths.isEmpty()) paths.removeLast();
    return std::any_of(paths.begin(), paths.end(), [](const QString &at) { return typeAt(at) == S_IFLNK; });
}

void UnpackControl::pause()
{
    std::lock_guard lock(mutex_);
    paused_ = true;
}

void UnpackControl::resume()
{
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
    }
    changed_.notify_all();
}

void UnpackControl::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();
}

bool UnpackControl::stopRequested()
{
    std::unique_lock lock(mutex_);
    if (paused_ && !stopped_ && heldHook) heldHook();
    changed_.wait(lock, [this] { return !paused_ || stopped_; });
    return stopped_;
}

bool UnpackControl::stopped()
{
    std::lock_guard lock(mutex_);
    return stopped_;
}

UnpackOutcome checkArchive(const QString &archive)
{
    Opened opened;
    UnpackOutcome outcome = open(archive, true, opened);
    if (outcome.result == UnpackResult::Done)
        for (const Entry &e : opened.entries)
            if (!e.folder) outcome.files << e.name;
    return outcome;
}

UnpackOutcome unpackArchive(const QString &archive, const QString &target, const std::function<void(int)> &progress,
                            UnpackControl *control, const std::function<void(const QString &)> &written)
{
    Opened opened;
    UnpackOutcome outcome = open(archive, false, opened);
    if (outcome.result != UnpackResult::Done) return outcome;
    if (!target.startsWith('/')) return failed(UnpackResult::CannotWrite, UnpackProblem::WriteFailed, QString(), ENOENT);
    const QString root = target.size() > 1 && target.endsWith('/') ? target.chopped(1) : target;

    // A link anywhere an entry goes refuses the archive before anything is written.
    for (const Entry &e : opened.entries)
        if (linkOnTheWay(root, e.name, true)) return failed(UnpackResult::UnsafeEntry, UnpackProblem::LinkInTarget, e.name);

    auto fail = [&outcome](const UnpackOutcome &why) {
        outcome.result = why.result;
        outcome.problem = why.problem;
        outcome.entry = why.entry;
        outcome.error = why.error;
        return outcome;
    };
    if (const UnpackOutcome made = makeTarget(root, outcome.createdFolders); made.result != UnpackResult::Done) return fail(made);
    QStringList names;
    for (const Entry &e : opened.entries) names << e.name;
    removeSetupTemporaries(root, names);

    zip_t *zip = opened.zip.get();
    for (qsizetype n = 0; n < opened.entries.size(); ++n) {
        const Entry &e = opened.entries[n];
        if (control && control->stopRequested()) return fail(failed(UnpackResult::Stopped, UnpackProblem::None));
        QStringList paths = levels(root, e.name);
        const QString path = e.folder ? QString() : paths.takeLast();
        if (const UnpackOutcome made = makeFolders(paths, e.name, outcome.createdFolders); made.result != UnpackResult::Done)
            return fail(made);
        if (!e.folder) {
            int error = 0;
            const mode_t existing = typeAt(path, &error);
            if (existing == S_IFDIR) return fail(failed(UnpackResult::CannotWrite, UnpackProblem::FolderWhereFile, e.name));
            if (existing == S_IFLNK) return fail(failed(UnpackResult::UnsafeEntry, UnpackProblem::LinkInTarget, e.name));
            // Written beside the old file and renamed over it, so a program in use is replaced whole
            // and an existing name is never written through.
            const QString folder = path.left(path.lastIndexOf('/'));
            QByteArray temporary = setupTemporaryTemplate(folder);
            const int fd = ::mkstemp(temporary.data());
            if (fd < 0) return fail(failed(UnpackResult::CannotWrite, UnpackProblem::WriteFailed, e.name, errno));
            int writeError = 0;
            const Read read = readEntry(zip, e.index, [&](const char *data, qint64 size) {
                while (size > 0) {
                    const ssize_t put = ::write(fd, data, size_t(size));
                    if (put < 0 && errno == EINTR) continue;
                    if (put <= 0) {
                        writeError = put < 0 ? errno : ENOSPC;
                        return false;
                    }
                    data += put;
                    size -= put;
                }
                return true;
            }, control);
            const mode_t mode = (e.mode & S_IXUSR) ? 0755 : 0644;
            if (read == Read::Whole && (::fchmod(fd, mode) != 0 || syncData(fd) != 0)) writeError = errno;
            if (::close(fd) != 0 && !writeError) writeError = errno;
            if (read == Read::Whole && !writeError && ::rename(temporary.constData(), native(path).constData()) != 0)
                writeError = errno;
            if (read != Read::Whole || writeError) {
                ::unlink(temporary.constData());
                if (read == Read::Stopped) return fail(failed(UnpackResult::Stopped, UnpackProblem::None));
                if (read == Read::Damaged) return fail(failed(UnpackResult::Damaged, UnpackProblem::DamagedEntry, e.name));
                return fail(failed(UnpackResult::CannotWrite, UnpackProblem::WriteFailed, e.name, writeError));
            }
            outcome.files << e.name;
            if (existing == 0) outcome.created << e.name;
            if (written) written(e.name);
        }
        if (progress) progress(int((n + 1) * 100 / opened.entries.size()));
    }
    return outcome;
}

QString unpackProblemText(const UnpackOutcome &outcome)
{
    QString named = outcome.entry;
    for (QChar &c : named)
        if (holdsControlCharacter(QString(c))) c = '?';
    const QString entry = "het onderdeel \"" + named + "\" ";
    switch (outcome.problem) {
    case UnpackProblem::None: return QString();
    case UnpackProblem::NoArchive: return "het is geen zip-archief of het kan niet worden gelezen";
    case UnpackProblem::OutsidePath: return entry + "zou buiten de doelmap terechtkomen";
    case UnpackProblem::ControlInName: return entry + "heeft een stuurteken (zoals een regeleinde) in zijn naam";
    case UnpackProblem::LinkEntry: return entry + "is een symbolische koppeling";
    case UnpackProblem::SpecialEntry: return entry + "is geen gewoon bestand of map";
    case UnpackProblem::LinkInTarget: return entry + "zou via een symbolische koppeling in de doelmap worden geschreven";
    case UnpackProblem::DamagedEntry: return entry + "kan niet worden gelezen";
    case UnpackProblem::FileWhereFolder: return entry + "kan niet worden geschreven: op de plaats van een map staat een bestand";
    case UnpackProblem::FolderWhereFile: return entry + "kan niet worden geschreven: op de plaats van het bestand staat een map";
    case UnpackProblem::WriteFailed: {
        const QString name = outcome.entry.isEmpty() ? QString("de doelmap ") : entry;
        return name + "kan niet worden geschreven: " + writeFailureText(outcome.error).replace("\r\n", " ");
    }
    }
    return QString();
}

bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

bool writeFileList(const QString &path, const QStringList &files)
{
    QByteArray bytes;
    for (const QString &name : files) {
        if (holdsControlCharacter(name)) return false;
        bytes += (name + '\n').toUtf8();
    }
    return writeSetupFile(path, bytes);
}

std::optional<QStringList> readFileList(const QString &path)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, nullptr, MaxReadSize, LinkRule::Refuse);
    if (!bytes) return std::nullopt;
    QStringList names;
    for (QString line : QString::fromUtf8(*bytes).split('\n', Qt::SkipEmptyParts)) {
        if (line.endsWith('\r')) line.chop(1);
        if (!line.isEmpty() && !holdsControlCharacter(line)) names << line;
    }
    return names;
}

bool appendToFileList(const QString &path, const QString &name)
{
    if (holdsControlCharacter(name)) return false;
    const QByteArray line = (name + '\n').toUtf8();
    const int fd = ::open(native(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) return false;
    struct stat st;
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const bool whole = regular && ::write(fd, line.constData(), size_t(line.size())) == ssize_t(line.size());
    return ::close(fd) == 0 && whole;
}

bool isSetupTemporary(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.zantof-[A-Za-z0-9]{6}$"));
    return pattern.match(fileName).hasMatch();
}

namespace {
const QString TemporaryPrefix = QStringLiteral(".zantof-");
}

QByteArray setupTemporaryTemplate(const QString &folder) { return native(folder + "/" + TemporaryPrefix + "XXXXXX"); }

bool writeSetupFile(const QString &path, const QByteArray &bytes) { return writeBytes(path, bytes, nullptr, TemporaryPrefix); }

void removeSetupTemporaries(const QString &root, const QStringList &names)
{
    QSet<QString> folders{QString()};
    for (const QString &name : names) {
        const qsizetype slash = name.lastIndexOf('/', name.endsWith('/') ? -2 : -1);
        if (name.endsWith('/')) folders.insert(name.chopped(1));
        if (slash > 0) folders.insert(name.left(slash));
    }
    for (const QString &folder : folders) {
        if (!folder.isEmpty() && (!safeName(folder) || linkOnTheWay(root, folder, true))) continue;
        const QString at = folder.isEmpty() ? root : root + "/" + folder;
        for (const QString &file : QDir(at).entryList({".zantof-*"}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks))
            if (isSetupTemporary(file) && typeAt(at + "/" + file) == S_IFREG) ::unlink(native(at + "/" + file).constData());
    }
}

void setUnpackSyncHook(std::function<int(int fd)> hook) { syncHook = std::move(hook); }

void setUnpackHeldHook(std::function<void()> hook) { heldHook = std::move(hook); }
