#pragma once
// Rights tests need a user whose rights count: root ignores the modes of folders. Run as root, the
// test function (with its current row) runs again in a child process as user nobody, and the root
// run only reports the child's result; run as any other user, the test does its checks itself.
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <unistd.h>

// "" when the child passed, else what it said; a null string when no child could be started.
inline QString rerunAsNobody()
{
    QString function = QTest::currentTestFunction();
    if (QTest::currentDataTag()) function += QString(":") + QTest::currentDataTag();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", "/tmp"); // nobody's own home does not exist; every test sets its own
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory("/tmp");
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", QCoreApplication::applicationFilePath(),
                        function});
    if (!p.waitForStarted(10000)) return QString();
    p.waitForFinished(120000);
    const QString said = QString::fromLocal8Bit(p.readAll());
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) return QString("");
    return said.isEmpty() ? QString("the run as nobody ended with %1").arg(p.exitCode()) : said;
}

// At the start of a test function: as root, runs it as nobody and returns from it.
#define RUN_AS_UNPRIVILEGED_USER() \
    do { \
        if (::geteuid() == 0) { \
            const QString said_ = rerunAsNobody(); \
            if (said_.isNull()) QSKIP("setpriv cannot start a run as another user here"); \
            if (!said_.isEmpty()) QFAIL(qPrintable(said_)); \
            return; \
        } \
    } while (0)
