#include "MailTransport.h"

#include "platform/EventWait.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

SendmailTransport::SendmailTransport(const QString &program) : program(program) {}

QString SendmailTransport::findProgram()
{
    const QString onPath = QStandardPaths::findExecutable("sendmail");
    if (!onPath.isEmpty()) return onPath;
    // Where mail transports put it when the user's PATH leaves out the system folders.
    return QStandardPaths::findExecutable("sendmail", {"/usr/sbin", "/usr/lib"});
}

TransportResult SendmailTransport::send(const QString &sender, const QStringList &recipients,
                                        const QByteArray &message, const Progress &progress)
{
    const QString path = program.isEmpty() ? findProgram() : program;
    if (path.isEmpty()) return {false, 127, "Geen verzendprogramma (sendmail) gevonden"};

    // -i: a line holding only "." is part of the message; -f: the envelope sender.
    QStringList args{"-i", "-f", sender, "--"};
    args << recipients;
    // The program may take its time (msmtp talks to a server): the windows keep their events meanwhile.
    QProcess process;
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&] { timedOut = true; });
    auto running = [&] { return process.state() != QProcess::NotRunning && !timedOut; };

    process.start(path, args);
    limit.start(mailTimeouts().connectMs);
    waitWithEvents([&] { return process.state() != QProcess::Starting || timedOut; });
    if (process.error() == QProcess::FailedToStart || process.state() == QProcess::Starting) {
        if (process.state() != QProcess::NotRunning) process.kill();
        process.waitForFinished(1000);
        return {false, 127, path + " kan niet gestart worden: " + process.errorString()};
    }
    process.write(message);
    process.closeWriteChannel();
    limit.start(mailTimeouts().submitMs);
    waitWithEvents([&] { return !running(); });
    if (timedOut) {
        process.kill();
        process.waitForFinished(1000);
        return {false, 124, path + " reageert niet"};
    }
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit)
        return {false, 1, path + " is afgebroken" + (errors.isEmpty() ? QString() : ": " + errors)};
    if (process.exitCode() != 0)
        return {false, process.exitCode(), errors.isEmpty() ? path + " meldt een fout" : errors};
    if (progress) progress(message.size(), message.size());
    return {true, 0, QString()};
}
