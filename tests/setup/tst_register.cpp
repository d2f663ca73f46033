#include "SetupSandbox.h"
#include "setup/Register.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <dlfcn.h>
#include <future>
#include <thread>

extern "C" void heldLockTake();
extern "C" void heldLockGive();

class TestRegister : public QObject {
    Q_OBJECT
private slots:
    // The test program is no setup: the registration starts the real one.
    void initTestCase() { setRegistrationProgram(SETUP_PROGRAM); }

    void entryRunsInAChildAndReturns()
    {
        QTemporaryDir dir;
        const QString mark = dir.filePath("mark");
        qputenv("COMPONENT_MARK", QFile::encodeName(mark));
        QVERIFY(RegisterComponent(COMPONENT_RETURNS));
        QVERIFY(CallRegistrationEntry(COMPONENT_RETURNS, true));
        qunsetenv("COMPONENT_MARK");
        QCOMPARE(readFile(mark), QByteArray("register\nunregister\n"));
    }

    void theSharedRuntimeRegisters() { QVERIFY(RegisterComponent(SHARED_RUNTIME)); }

    // Setup registers from a worker thread while its window runs, beside other threads: one started
    // while another thread is loading a library (and holds the loader's lock) still loads the
    // component and returns.
    void aRegistrationWhileAnotherThreadLoadsALibrary()
    {
        QTemporaryDir dir;
        const QString mark = dir.filePath("mark");
        qputenv("COMPONENT_MARK", QFile::encodeName(mark));
        std::thread loading([] { ::dlopen(SLOW_LOAD, RTLD_NOW | RTLD_LOCAL); });
        QThread::msleep(300); // well inside the library's constructor
        const int previous = setRegistrationWait(5000);
        const bool registered = RegisterComponent(COMPONENT_RETURNS);
        setRegistrationWait(previous);
        loading.join();
        qunsetenv("COMPONENT_MARK");
        QVERIFY(registered);
        QCOMPARE(readFile(mark), QByteArray("register\n"));
    }

    // A lock that another thread holds while the registration starts is not held in the component's
    // process, which starts afresh: a copy of the installer would find it held for good, and the
    // component would count as failed after the wait.
    void aLockHeldByAnotherThreadDoesNotReachTheComponent()
    {
        QTemporaryDir dir;
        const QString mark = dir.filePath("mark");
        qputenv("COMPONENT_MARK", QFile::encodeName(mark));
        std::promise<void> taken, registered;
        std::thread holder([&] {
            heldLockTake();
            taken.set_value();
            registered.get_future().wait();
            heldLockGive();
        });
        taken.get_future().wait();
        const int previous = setRegistrationWait(5000);
        const bool done = RegisterComponent(COMPONENT_LOCKS);
        setRegistrationWait(previous);
        registered.set_value();
        holder.join();
        qunsetenv("COMPONENT_MARK");
        QVERIFY(done);
        QCOMPARE(readFile(mark), QByteArray("register\n"));
    }

    // Only the two entries are ever called; anything else on the command line is no registration.
    void theRegistrationCallIsRecognised()
    {
        const auto call = [](QList<QByteArray> words) {
            QList<char *> argv;
            for (QByteArray &w : words) argv << w.data();
            argv << nullptr;
            return isRegistrationCall(int(words.size()), argv.data());
        };
        QVERIFY(call({"setup", "--zantof-register", "/x/libztshare.so", "register"}));
        QVERIFY(call({"setup", "--zantof-register", "/x/libztshare.so", "unregister"}));
        QVERIFY(!call({"setup"}));
        QVERIFY(!call({"setup", "/home/jan/pakket"}));
        QVERIFY(!call({"setup", "--zantof-register", "/x/libztshare.so"}));
        QVERIFY(!call({"setup", "--zantof-register", "/x/libztshare.so", "main"}));
        QVERIFY(!call({"setup", "--zantof-register", "/x/libztshare.so", "register", "extra"}));
    }

    void aHangingEntryIsStoppedAfterTheWait()
    {
        const int previous = setRegistrationWait(300);
        QElapsedTimer clock;
        clock.start();
        const bool registered = RegisterComponent(COMPONENT_HANGS);
        const qint64 took = clock.elapsed();
        setRegistrationWait(previous);
        QVERIFY(!registered);
        QVERIFY2(took >= 300 && took < 5000, qPrintable(QString::number(took)));
    }

    void whatCannotRegister_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("no entry") << "noentry";
        QTest::newRow("no library") << "text";
        QTest::newRow("no file") << "missing";
        QTest::newRow("a folder") << "folder";
    }
    void whatCannotRegister()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = COMPONENT_NOENTRY;
        if (kind == "text") writeFile(path = dir.filePath("SHELLLNK.TLB"), "not a library at all");
        if (kind == "missing") path = dir.filePath("missing.so");
        if (kind == "folder") path = dir.path();
        QVERIFY(!RegisterComponent(path));
        QVERIFY(!CallRegistrationEntry(path, true));
    }
};

QTEST_MAIN(TestRegister)
#include "tst_register.moc"
