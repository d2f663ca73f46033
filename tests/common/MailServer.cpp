#include "MailServer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Debian's own interpreter: another python3 first on PATH may lack aiosmtpd.
const QString Python = "/usr/bin/python3";
const QString Scripts = ZANTOF_TEST_COMMON_DIR;
}

MailServer::MailServer()
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(Python, {Scripts + "/smtpserver.py", "--out", dir.path()});
    if (!process.waitForStarted(5000)) return;
    while (process.canReadLine() || process.waitForReadyRead(10000)) {
        if (!process.canReadLine()) continue;
        const QByteArray line = process.readLine().trimmed();
        if (line.startsWith("PORT ")) {
            port_ = line.mid(5).toInt();
            break;
        }
        if (process.state() != QProcess::Running) break;
    }
}

MailServer::~MailServer()
{
    process.kill();
    process.waitForFinished(3000);
}

QStringList MailServer::files(const QString &suffix) const
{
    QStringList names = QDir(dir.path()).entryList({"*." + suffix}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.section('.', 0, 0).toInt() < b.section('.', 0, 0).toInt();
    });
    for (QString &n : names) n = dir.filePath(n);
    return names;
}

int MailServer::count() const { return int(files("eml").size()); }

QByteArray MailServer::raw(int i) const
{
    QFile f(files("eml").value(i));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QJsonObject MailServer::envelope(int i) const
{
    QString path = files("eml").value(i);
    path.replace(QRegularExpression("\\.eml$"), ".json");
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

QJsonObject MailServer::parsed(int i) const
{
    QProcess parser;
    parser.start(Python, {Scripts + "/parsemail.py", files("eml").value(i)});
    parser.waitForFinished(10000);
    return QJsonDocument::fromJson(parser.readAllStandardOutput()).object();
}

int MailServer::quitCount() const
{
    QFile f(dir.filePath("sessions.log"));
    return f.open(QIODevice::ReadOnly) ? int(f.readAll().count('\n')) : 0;
}

void MailServer::clear()
{
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files)) QFile::remove(dir.filePath(name));
}

int MailServer::closedPort()
{
    // A port the system just handed out and took back: nothing listens there.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof addr;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &length) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}

QuietPort::QuietPort(Mode mode)
{
    listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof addr;
    if (::bind(listener, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0
        || ::listen(listener, mode == Silent ? 16 : 0) != 0
        || ::getsockname(listener, reinterpret_cast<sockaddr *>(&addr), &length) != 0)
        return;
    if (mode == NeverAccepts) {
        // The one place of the queue, taken and never accepted: the next handshake goes unanswered.
        queued = ::socket(AF_INET, SOCK_STREAM, 0);
        if (::connect(queued, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0) return;
    }
    port_ = ntohs(addr.sin_port);
}

QuietPort::~QuietPort() { close(); }

void QuietPort::close()
{
    for (int *fd : {&queued, &listener})
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
}

QByteArray partData(const QJsonObject &parsed, int part)
{
    return QByteArray::fromBase64(parsed["parts"].toArray()[part].toObject()["data"].toString().toLatin1());
}

SendmailSetup::SendmailSetup(int port) : oldHome(qgetenv("HOME")), oldPath(qgetenv("PATH"))
{
    QFile rc(home.filePath(".msmtprc"));
    rc.open(QIODevice::WriteOnly);
    rc.write(QStringLiteral("account default\nhost 127.0.0.1\nport %1\nauth off\ntls off\n").arg(port).toLatin1());
    rc.close();
    rc.setPermissions(QFile::ReadOwner | QFile::WriteOwner); // msmtp refuses a configuration others can read
    qputenv("HOME", home.path().toLocal8Bit());
}

void SendmailSetup::failingSendmail()
{
    ownSendmail("#!/bin/sh\ncat >/dev/null\necho 'sendmail: cannot reach mail hub' >&2\nexit 75\n");
}

void SendmailSetup::recordingSendmail()
{
    ownSendmail("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >'" + QFile::encodeName(arguments())
                + "'\ncat >'" + QFile::encodeName(message()) + "'\nexit 0\n");
}

void SendmailSetup::ownSendmail(const QByteArray &text)
{
    QDir(home.path()).mkpath("bin");
    QFile script(home.filePath("bin/sendmail"));
    script.open(QIODevice::WriteOnly);
    script.write(text);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", home.filePath("bin").toLocal8Bit() + ":" + oldPath);
}

SendmailSetup::~SendmailSetup()
{
    qputenv("HOME", oldHome);
    qputenv("PATH", oldPath);
}
