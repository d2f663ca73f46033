#pragma once
// A real SMTP server on a loopback port (smtpserver.py under Debian's /usr/bin/python3) and the
// reading of what it received with Python's email package.
#include "mail/MailTransport.h"

#include <QByteArray>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class MailServer {
public:
    MailServer();  // starts the server; check isRunning()
    ~MailServer();
    bool isRunning() const { return port_ > 0; }
    int port() const { return port_; }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

    // Messages received since the last clear(), oldest first.
    int count() const;
    QByteArray raw(int i) const;
    QJsonObject envelope(int i) const;           // mail_from, rcpt_tos
    QJsonObject parsed(int i) const;             // see parsemail.py
    int quitCount() const;                       // QUIT commands seen since the last clear()
    void clear();

    // A port on which nothing listens.
    static int closedPort();

private:
    QStringList files(const QString &suffix) const;
    QTemporaryDir dir;
    QProcess process;
    int port_ = 0;
};

// A loopback port that takes connections and never says a word (Silent: the system accepts, the
// greeting never comes), or that never takes one (NeverAccepts: its one-place queue is full, so a
// new connection waits in its handshake).
class QuietPort {
public:
    enum Mode { Silent, NeverAccepts };
    explicit QuietPort(Mode mode);
    ~QuietPort();
    bool isListening() const { return port_ > 0; }
    int port() const { return port_; }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
    // Readable once a client's connection waits in the queue: a test can act on that event.
    int listeningSocket() const { return listener; }
    void close(); // a connection still waiting is refused from here on

private:
    int listener = -1, queued = -1, port_ = 0;
};

// An attachment's bytes out of parsed(i)["parts"][n]["data"].
QByteArray partData(const QJsonObject &parsed, int part);

// msmtp's sendmail (msmtp-mta) reads ~/.msmtprc: while this lives, HOME points at a folder whose
// configuration relays to the given port.
class SendmailSetup {
public:
    explicit SendmailSetup(int port);
    ~SendmailSetup();
    // A sendmail of our own, first on PATH, that takes the message and fails with status 75.
    void failingSendmail();
    // A sendmail of our own, first on PATH, that takes the message and succeeds; it writes its
    // arguments one a line to arguments() and the message to message().
    void recordingSendmail();
    QString arguments() const { return home.filePath("sendmail.args"); }
    QString message() const { return home.filePath("sendmail.in"); }
    // A sendmail of our own, first on PATH: this shell script.
    void ownSendmail(const QByteArray &script);
    // msmtp without its configuration file, as on a system where nobody set it up.
    void noConfiguration() { QFile::remove(home.filePath(".msmtprc")); }

private:
    QTemporaryDir home;
    QByteArray oldHome, oldPath;
};

// Shorter mail limits for as long as it lives; the program's own come back after.
struct ShortTimeouts {
    MailTimeouts saved = mailTimeouts();
    ShortTimeouts(int connectMs, int responseSeconds)
    {
        mailTimeouts().connectMs = connectMs;
        mailTimeouts().responseSeconds = responseSeconds;
    }
    ~ShortTimeouts() { mailTimeouts() = saved; }
    ShortTimeouts(const ShortTimeouts &) = delete;
    ShortTimeouts &operator=(const ShortTimeouts &) = delete;
};
