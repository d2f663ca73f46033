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
    ControlInName,   // UnsafeEntry: a control character (a line break among others) in the name
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
// absolute, no ".." folder, no "\", not starting with ":"), hold no control character (it could not
// be one line of the file list), every entry must be a plain file or folder,
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

// Below 0x20 or 0x7F: what no name on one of setup's lists may hold.
bool holdsControlCharacter(const QString &text);

// Setup's lists: of the files it unpacked, kept in the target folder, and of the installations
// that use the shared components; one name a line, UTF-8. A name with a control character is
// refused (false, nothing written). Read only as a regular file (see platform/RegularFile.h); a line ends
// with LF or CR LF, and a line that holds a control character is no name setup wrote: it is left out.
bool writeFileList(const QString &path, const QStringList &files);
std::optional<QStringList> readFileList(const QString &path);
// Adds one name at the end of the list, creating it where missing.
bool appendToFileList(const QString &path, const QString &name);

// Setup writes every file beside its final name first, as ".zantof-" and six letters or digits,
// and renames it into place; a setup that is killed leaves such a file behind.
bool isSetupTemporary(const QString &fileName);
QByteArray setupTemporaryTemplate(const QString &folder);
// Writes the file whole or not at all (see writeBytes), through a temporary file of that pattern.
bool writeSetupFile(const QString &path, const QByteArray &bytes);
// Removes what a killed setup left in the folders of the given names (relative to `root`, and
// `root` itself): regular files of that pattern only, never through a link.
void removeSetupTemporaries(const QString &root, const QStringList &names);

// For tests: the sync of each unpacked file's data goes through this (nullptr: fdatasync).
void setUnpackSyncHook(std::function<int(int fd)> hook);
// For tests: called on the unpack's thread each time a pause holds it, before it waits.
void setUnpackHeldHook(std::function<void()> hook);
