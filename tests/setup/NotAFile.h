#pragma once
// What a test puts where setup or uninst reads a file of its own, and a wait for a call that must not hang.
#include <QFile>
#include <QString>
#include <QTest>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <sys/stat.h>
#include <thread>

// Runs `call` on a thread of its own and says whether it ended within `ms`; a call that hangs is left
// behind, and the test fails on it.
inline bool endsWithin(int ms, std::function<void()> call)
{
    auto ended = std::make_shared<std::promise<void>>();
    std::future<void> future = ended->get_future();
    std::thread([call = std::move(call), ended] {
        call();
        ended->set_value();
    }).detach();
    return future.wait_for(std::chrono::milliseconds(ms)) == std::future_status::ready;
}

// In place of the file at `path`: "fifo", "zero" (a link to /dev/zero), "folder", or "huge" (a regular
// file one byte over the readers' bound, sparse, so it costs no disk).
inline void putInTheWay(const QString &path, const QString &what)
{
    QFile::remove(path);
    if (what == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    if (what == "zero") QVERIFY(QFile::link("/dev/zero", path));
    if (what == "folder") QVERIFY(QDir().mkpath(path));
    if (what == "huge") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize((qint64(64) << 20) + 1));
    }
}
