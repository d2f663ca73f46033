#include "MailTransport.h"

#include "platform/EventWait.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int ExitConfig = 78;
// What of the error output a box shows: its first lines, as many as read well in one box.
constexpr int ShownLines = 10;
constexpr qsizetype ShownCharacters = 1000;
constexpr qsizetype KeptErrorBytes = 4 * ShownCharacters;

QString firstLines(const QString &text, bool cut)
{
    QString shown = text.section('\n', 0, ShownLines - 1);
    cut = cut || shown.size() < text.size();
    if (shown.size() > ShownCharacters) {
        shown.truncate(ShownCharacters);
        cut = true;
    }
    return cut ? shown.trimmed() + "..." : shown;
}
}

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
    // Its output is no concern of ours, its error output only as far as a box can show it: both
    // are taken as they come, so that a program that writes without end fills no memory.
    process.setStandardOutputFile(QProcess::nullDevice());
    QByteArray errorOutput;
    bool errorOutputCut = false;
    const auto keepErrorOutput = [&] {
        const QByteArray more = process.readAllStandardError();
        const qsizetype room = std::max<qsizetype>(KeptErrorBytes - errorOutput.size(), 0);
        errorOutput += more.left(room);
        errorOutputCut = errorOutputCut || more.size() > room;
    };
    QObject::connect(&process, &QProcess::readyReadStandardError, keepErrorOutput);
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
    keepErrorOutput();
    const QString errors = firstLines(QString::fromLocal8Bit(errorOutput).trimmed(), errorOutputCut);
    if (process.exitStatus() != QProcess::NormalExit)
        return {false, 1, path + " is afgebroken" + (errors.isEmpty() ? QString() : ": " + errors)};
    // 78 is sysexits' EX_CONFIG: msmtp's answer when it has no account to send with.
    if (process.exitCode() == ExitConfig)
        return {false, ExitConfig, explained("Het verzendprogramma (sendmail) is niet ingesteld", errors)};
    if (process.exitCode() != 0)
        return {false, process.exitCode(), errors.isEmpty() ? path + " meldt een fout" : errors};
    if (progress) progress(message.size(), message.size());
    return {true, 0, QString()};
}
