#include "SetupSandbox.h"
#include "setup/Register.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

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
