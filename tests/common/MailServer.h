#pragma once
// A real SMTP server on a loopback port (smtpserver.py under Debian's /usr/bin/python3) and the
// reading of what it received with Python's email package.
#include <QByteArray>
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

private:
    QTemporaryDir home;
    QByteArray oldHome, oldPath;
};
