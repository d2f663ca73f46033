#include "SetupSandbox.h"
#include "setup/Register.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <dlfcn.h>
#include <thread>

class TestRegister : public QObject {
    Q_OBJECT
private slots:
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

    // Setup registers from a worker thread while its window runs, so the child is forked from a process
    // with threads: one started while another thread is loading a library (and holds the loader's
    // lock) still loads the component and returns, as the C library's fork waits for that lock.
    void aRegistrationWhileAnotherThreadLoadsALibrary()
    {
        QTemporaryDir dir;
        const QString mark = dir.filePath("mark");
        qputenv("COMPONENT_MARK", QFile::encodeName(mark));
        std::thread loading([] { ::dlopen(SLOW_LOAD, RTLD_NOW | RTLD_LOCAL); });
        QThread::msleep(300); // well inside the library's constructor
        const int previous = setRegistrationWait(2000);
        const bool registered = RegisterComponent(COMPONENT_RETURNS);
        setRegistrationWait(previous);
        loading.join();
        qunsetenv("COMPONENT_MARK");
        QVERIFY(registered);
        QCOMPARE(readFile(mark), QByteArray("register\n"));
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
