#pragma once
// One run of setup into a program folder, without windows: the unpack of the archive and the shared
// components' copy and registration on a thread of its own, then the menu entries, the uninstall
// entry and the note of the folders made above the program folder; or the undo of what the run wrote.
// It returns what failed as the texts setup shows and leaves the showing to its caller.
//
// The folder's lock is held from lock() until finish(), leave() or undo(): every write of the run,
// and every box its caller shows of it, falls inside the lock.
#include "setup/FolderLock.h"
#include "setup/Unpack.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

// Why an installation stopped: the rest of the sentence "De installatie is gestopt, want ...", and
// the detail that goes in brackets after it ("" for none).
struct InstallationStop {
    QString reason, detail;
};

class Installation {
public:
    enum class Outcome {
        Stopped,  // stopped on request during the unpack: nothing to say
        Failed,   // stopped by a failure, see failure()
        Unpacked, // the files and the components are in place: complete() does the rest
    };

    Installation() = default;
    Installation(const Installation &) = delete;
    Installation &operator=(const Installation &) = delete;
    // Stops the worker and waits for it; what it wrote stays.
    ~Installation();

    // The archive checked whole, before anything is written: "" when it can be installed, else why not.
    static QString archiveRefusal(const QString &archive);

    // Takes the program folder's lock. False when another setup or uninst holds it: nothing is written.
    bool lock(const QString &folder);
    // Unpacks `archive` into the locked folder, then copies and registers the components, on a thread
    // of its own: one that hangs holds up that thread only. An earlier installation's files stay on
    // the folder's file list; each name unpacked now is added as soon as its file is in place, so
    // that a run that stops halfway can still be removed. `progress` (the percentage unpacked) and
    // `ended` are called on that thread.
    void start(const QString &archive, const std::function<void(int)> &progress, const std::function<void()> &ended);
    bool running() const { return worker_.joinable(); }
    // Waits for the worker to end, if it runs.
    void wait();
    // Holds the unpack between entries, and lets it go on; a component's registration is not held.
    void pause() { control_.pause(); }
    void resume() { control_.resume(); }
    // Stops the worker and waits for it to end.
    void stop();

    // Once the worker has ended.
    Outcome outcome() const;
    InstallationStop failure() const;

    // After Unpacked: the menu entries in the Start-menu folder `menuName` ("\" between its folders),
    // the uninstall entry and the note of the folders made above the program folder. What failed of
    // the whole run, in the order it was done.
    QStringList complete(const QString &menuName);
    // The menu entries' folder, once complete() has made it.
    QString shortcutFolder() const { return shortcutFolder_; }

    // Whether the run wrote anything that undo() removes.
    bool wroteAny() const;
    // After complete(): lets go of the lock, and removes the folders made for a target given up on
    // the way where they are empty.
    void finish();
    // After a stop: lets go of the lock, and removes the folders this run made where they are empty.
    void leave();
    // What this run put in place goes: the files it unpacked where there were none, the components it
    // copied where there were none, its file list (an earlier one comes back as it was), its place on
    // the components' list; then it leaves. A file of an earlier installation that was replaced stays.
    void undo();

private:
    // On the worker, after the unpack.
    void installSystemFiles();
    bool noteMadeFolders();
    void removeMadeFolders(const QStringList &folders);

    QString folder_, listPath_, shortcutFolder_;
    // The target's lock, from lock() until the run is done or undone.
    FolderLock lock_;
    std::thread worker_;
    UnpackControl control_;
    // Written by the worker; read only once it has been joined.
    UnpackOutcome unpacked_;
    std::atomic<bool> listFailed_ = false;
    std::optional<QByteArray> earlierList_; // the file list as an earlier installation left it
    QStringList systemCreated_;             // components copied where there were none
    QStringList systemFailures_;
    InstallationStop systemStop_; // why the components' part stops the run, if it does
    bool addedUser_ = false;      // this folder was added to the components' users
};
