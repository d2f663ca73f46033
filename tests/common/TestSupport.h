#pragma once
// What every test program shares: a scratch program folder and the scripted dialogs.
#include "platform/ScriptedDialogs.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A temporary folder holding a copy of the sample catalogue; it is the current folder while the
// object lives, as the program folder is for the program.
class TestFolder {
public:
    explicit TestFolder(bool withCatalogue = true);
    ~TestFolder();
    QString path() const { return dir.path(); }
    QString file(const QString &name) const { return dir.filePath(name); }
    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    // Removes a file, or a folder with all it holds.
    void remove(const QString &name) const;

private:
    QTemporaryDir dir;
    QString previous;
};

// Saves a PNG of a widget into $ZANTOF_SHOTS, when that is set, so that people can look at it.
class QWidget;
void saveShot(QWidget *widget, const QString &name);

// The application font a window is made in, for as long as this lives: the system's face or one the
// program maps faces to, at the system's size or larger (a screen of more dots per inch).
class ScopedAppFont {
public:
    ScopedAppFont(const QString &family, qreal points);
    ~ScopedAppFont();
    ScopedAppFont(const ScopedAppFont &) = delete;
    ScopedAppFont &operator=(const ScopedAppFont &) = delete;

private:
    QString savedFamily;
    qreal savedPoints;
};
// Data rows "family" (QString, "" the system's) and "points" (qreal, 0 the system's size) for those fonts.
void addFontRows();

// Fails the current test with the scripted dialogs' problems, if any.
#define VERIFY_DIALOGS(d) \
    do { \
        const QString problems_ = (d).verify(); \
        if (!problems_.isEmpty()) QFAIL(qPrintable(problems_)); \
    } while (0)

// Windows-1252 bytes of a line as the project file stores it: every byte complemented.
QByteArray scrambled(const QByteArray &plain);

// Makes a folder refuse new entries (even for root) or lifts that again. False when the file
// system cannot do it; the caller then skips.
bool setFolderWritable(const QString &path, bool writable);

// Puts at `path` (relative to the current folder) what a reader must not open or read whole:
// "fifo" (a real FIFO: opening it to read would wait for a writer), "oversize" (a sparse file a
// little over the readers' bound) or "zero" (a link to /dev/zero). False when it cannot be made.
bool makeOddFile(const QString &path, const QString &kind);
inline const char *const OddFileKinds[] = {"fifo", "oversize", "zero"};

// Whether a shared library whose file name begins with `name` is mapped into this process.
bool isMapped(const QByteArray &name);

// Acts as the unprivileged user "nobody" (its effective user and group) while it lives, so that
// permission bits count for tests run as root. ok is false where that cannot be done (not root).
class AsNobody {
public:
    AsNobody();
    ~AsNobody();
    AsNobody(const AsNobody &) = delete;
    AsNobody &operator=(const AsNobody &) = delete;
    bool ok = false;

private:
    bool root;
};

// Makes the writes into `folder` fail while it lives, with real kernel errors where a test can make
// them: "limit" (a file-size limit of 1 KB as "ulimit -f 1", SIGXFSZ ignored, so a write gets
// EFBIG), "read-only" (the folder refuses new entries); and injected device faults: "write" (EIO),
// "write nothing" (a write that returns 0 and leaves errno at 0) and "sync" (ENOSPC found only at
// the sync). Any other kind does nothing. active() is false when
// the fault cannot be made here; the caller then skips.
class WriteFault {
public:
    WriteFault(const QString &kind, const QString &folder);
    ~WriteFault();
    WriteFault(const WriteFault &) = delete;
    WriteFault &operator=(const WriteFault &) = delete;
    bool active() const { return made; }

private:
    QString kind, folder;
    bool made = true;
    long long previousLimit = 0;
    void (*previousSignal)(int) = nullptr;
};
