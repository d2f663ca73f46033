// libcurl as the first SMTP send loads it, each case in a fresh process with its own library path:
// the reason told is that of libcurl.so.4 itself, and a library of that name without curl's calls
// or whose initialisation fails is refused, never called through.
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Load {
    int exitCode = -1;
    QString reason;
};

Load load(const QString &libraryPath)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!libraryPath.isEmpty()) env.insert("LD_LIBRARY_PATH", libraryPath);
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(env);
    process.start(CURL_LOAD, {});
    Load out;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return out;
    out.exitCode = process.exitCode();
    out.reason = QString::fromLocal8Bit(process.readAllStandardOutput());
    return out;
}
}

class TestCurlLoad : public QObject {
    Q_OBJECT
private slots:
    void theSystemsLibraryLoads() { QCOMPARE(load(QString()).exitCode, 0); }

    // An empty libcurl.so.4 first on the path: its own reason, not that of a fallback name.
    void theReasonIsThatOfLibcurlItself()
    {
        QTemporaryDir dir;
        QFile empty(dir.filePath("libcurl.so.4"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        const Load l = load(dir.path());
        QCOMPARE(l.exitCode, 1);
        QVERIFY2(l.reason.contains("libcurl.so.4") && l.reason.contains("file too short"), qPrintable(l.reason));
    }

    void aLibraryThatIsNoCurlIsRefused_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("without curl's calls") << FAKE_CURL_NOCALLS << "curl_global_init ontbreekt in libcurl.so.4";
        QTest::newRow("its initialisation fails") << FAKE_CURL_INITFAILS << "fake curl: no initialisation";
    }
    void aLibraryThatIsNoCurlIsRefused()
    {
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        const Load l = load(folder);
        QCOMPARE(l.exitCode, 1);
        QCOMPARE(l.reason, reason);
    }
};

QTEST_GUILESS_MAIN(TestCurlLoad)
#include "tst_curlload.moc"
