#pragma once
// Probes into the installer's worker thread that report by events, never by the clock: a test knows
// where the worker is instead of guessing how long it takes to get there.
#include "setup/Unpack.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <memory>
#include <unistd.h>

// The worker, in the sync of the first file it unpacks (its data written, the file not yet in
// place), posts an event to the window's thread and waits for it to be handled: the window's event
// loop ran while the unpack was mid-file. A frozen window lets the safety wait run out.
class LiveWhileUnpacking {
public:
    enum State { NotYet, Live, Frozen };
    LiveWhileUnpacking()
    {
        setUnpackSyncHook([this](int fd) {
            if (calls_++ == 0) check();
            return ::fdatasync(fd);
        });
    }
    ~LiveWhileUnpacking() { setUnpackSyncHook(nullptr); }
    State state() const { return state_; }

private:
    void check()
    {
        if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
            state_ = Frozen; // the unpack runs on the window's own thread
            return;
        }
        auto handled = std::make_shared<QSemaphore>();
        QMetaObject::invokeMethod(QCoreApplication::instance(), [handled] { handled->release(); }, Qt::QueuedConnection);
        state_ = handled->tryAcquire(1, 60000) ? Live : Frozen;
    }
    std::atomic<int> calls_ = 0;
    std::atomic<State> state_ = NotYet;
};

// The hanging test component writes its process id to the file $ZANTOF_HANG_MARK names once its
// registration entry runs.
class HangMark {
public:
    HangMark() { qputenv("ZANTOF_HANG_MARK", QFile::encodeName(path())); }
    ~HangMark() { qunsetenv("ZANTOF_HANG_MARK"); }
    QString path() const { return dir_.path() + "/hangs.pid"; }
    // Handles events until the entry runs; its process id, or 0 when `stillWaiting` said stop first.
    template <typename Still> pid_t waitForEntry(Still stillWaiting, int ms = 60000)
    {
        QDeadlineTimer deadline(ms);
        while (!QFile::exists(path()) && stillWaiting() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? pid_t(f.readAll().trimmed().toLong()) : 0;
    }

private:
    QTemporaryDir dir_;
};
