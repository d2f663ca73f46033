#pragma once
// Unpacking the installation archive into the target folder.
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

namespace UnpackResult {
enum : int {
    Done = 0,
    CannotOpen = 1,  // missing, unreadable or no zip archive
    UnsafeEntry = 2, // an entry would land outside the target: refused before anything is written
    Damaged = 3,     // an entry does not read back whole (its CRC among others)
    CannotWrite = 4, // a folder or file in the target could not be made
    Stopped = 5,     // stopped on request
};
}

// Why an entry was refused or failed; the entry is named beside it.
enum class UnpackProblem {
    None,
    NoArchive,       // CannotOpen
    OutsidePath,     // UnsafeEntry: absolute, "..", "\" or a name starting with ":"
    LinkEntry,       // UnsafeEntry: the entry is a symbolic link
    SpecialEntry,    // UnsafeEntry: a device, pipe or socket
    LinkInTarget,    // UnsafeEntry: the target holds a symbolic link where the entry goes
    DamagedEntry,    // Damaged
    FileWhereFolder, // CannotWrite: a file stands where the entry needs a folder
    FolderWhereFile, // CannotWrite: a folder stands where the entry's file goes
    WriteFailed,     // CannotWrite: the system refused; see `error`
};

struct UnpackOutcome {
    int result = UnpackResult::Done;
    QStringList files;   // relative paths of the files written, in archive order
    QStringList created; // those of them that were not there before
    QStringList createdFolders; // full paths of the folders made, in the order made
    QString entry;       // the entry refused or failed
    UnpackProblem problem = UnpackProblem::None;
    int error = 0;       // errno of a WriteFailed
};

// Lets another thread pause or stop an unpack between entries and blocks of bytes.
class UnpackControl {
public:
    void pause();
    void resume();
    void stop();
    // Waits while paused; true once stopped.
    bool stopRequested();
    // Whether stopped, without waiting.
    bool stopped();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool paused_ = false, stopped_ = false;
};

// Opens the archive and checks it whole, without writing: every name must stay inside a target (not
// absolute, no ".." folder, no "\", not starting with ":"), every entry must be a plain file or folder,
// and every file must read back whole (its CRC). The first entry that fails is named in the outcome;
// an archive that passes lists its files in `files`.
UnpackOutcome checkArchive(const QString &archive);

// Checks the archive as above, and refuses it too when the target already holds a symbolic link at
// any level of an entry's path (the last one included): nothing is written outside the target. Paths
// are built as plain file-system paths; files are written beside their final name and renamed over
// it, so an existing file is replaced, never written through. Files keep their owner's execute bits.
// `progress` receives the percentage of entries unpacked, `written` the name of each file as soon as
// it is in place. A stop through `control` ends with Stopped and leaves no partial file.
UnpackOutcome unpackArchive(const QString &archive, const QString &target, const std::function<void(int)> &progress = {},
                            UnpackControl *control = nullptr, const std::function<void(const QString &)> &written = {});

// Whether a level of `name` below `folder` is a symbolic link, seen as itself: the folders on its
// way, and with `itself` its own path too. What lies behind such a link is not the folder's.
bool linkOnTheWay(const QString &folder, const QString &name, bool itself);

// The Dutch reason of a refused or failed entry, as the rest of a sentence that begins with the entry
// ("het onderdeel "ICO/x.ico" kan niet worden gelezen").
QString unpackProblemText(const UnpackOutcome &outcome);

// Setup's list of the files it unpacked, kept in the target folder: one relative path a line, UTF-8.
bool writeFileList(const QString &path, const QStringList &files);
std::optional<QStringList> readFileList(const QString &path);
// Adds one name at the end of the list, creating it where missing.
bool appendToFileList(const QString &path, const QString &name);
