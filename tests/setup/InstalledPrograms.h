#pragma once
// Starts an installed program the way the desktop does, with the box spy preloaded: its message
// boxes are recorded and answered from a list.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>

struct Run {
    int exitCode = -1;  // -1: still running after the wait, and then stopped
    QStringList boxes;  // "title|text" of every box, in order
};

// With a user id `asUser` the program runs as that user (and group), through setpriv: only root can.
inline Run runInstalled(const QString &program, const QString &folder, const QStringList &answers, int waitMs,
                        const QStringList &arguments = {}, int asUser = -1)
{
    QTemporaryDir logDir;
    const QString log = logDir.filePath("boxes");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QString started = program;
    QStringList given = arguments;
    if (asUser >= 0) {
        // The spy goes into the program only, not into setpriv; the user must be able to write its log.
        ::chown(QFile::encodeName(logDir.path()).constData(), uid_t(asUser), gid_t(-1));
        const QString id = QString::number(asUser);
        started = "setpriv";
        given = QStringList{"--reuid=" + id, "--regid=" + id, "--clear-groups", "env", "LD_PRELOAD=" BOX_SPY, program} + arguments;
    } else {
        env.insert("LD_PRELOAD", BOX_SPY);
    }
    env.insert("ZANTOF_BOXSPY", log);
    env.insert("ZANTOF_BOXSPY_ANSWERS", answers.join(','));
    env.insert("ASAN_OPTIONS", "detect_leaks=0:verify_asan_link_order=0");
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(started, given);
    Run run;
    if (!p.waitForStarted(10000)) return run;
    if (p.waitForFinished(waitMs)) {
        run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    } else {
        p.kill();
        p.waitForFinished(10000);
    }
    QFile f(log);
    if (f.open(QIODevice::ReadOnly)) run.boxes = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    return run;
}
