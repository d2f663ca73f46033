#pragma once
// How a finished message leaves the program. The mail paths build the message; a transport only
// hands it over (to an SMTP server, or to the system's sendmail) and says how it went.
// A send returns when it is over, but the calling thread's events run while it waits (windows
// paint, timers fire); its progress reports arrive on that thread, all before send returns.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

struct TransportResult {
    bool sent = false;
    int code = 0;  // the server's reply code, or the transport's own error number
    QString text;  // the server's reply, or what went wrong
};

// Timeouts of every send; a test shortens them.
struct MailTimeouts {
    int connectMs = 30000;      // to reach the mail server
    int responseSeconds = 60;   // for each answer of the server, and for a stalled upload
    int submitMs = 120000;      // for sendmail to finish
};
MailTimeouts &mailTimeouts();

// A failure as the user reads it: our Dutch explanation, then the transport's own words in brackets.
QString explained(const QString &explanation, const QString &own);

class MailTransport {
public:
    // Bytes handed over so far of the whole message; the whole only once the message is accepted.
    using Progress = std::function<void(qint64 sent, qint64 total)>;
    virtual ~MailTransport() = default;
    virtual TransportResult send(const QString &sender, const QStringList &recipients, const QByteArray &message,
                                 const Progress &progress) = 0;
};

// SMTP to the user's outgoing mail server: "host" (port 25) or "host:port". One session per send,
// on a thread of its own: EHLO (HELO when refused), MAIL FROM, RCPT TO, DATA, QUIT. No answer is
// waited for longer than the response timeout, and the answer to QUIT not at all.
class SmtpTransport final : public MailTransport {
public:
    SmtpTransport(const QString &server, const QString &login = QString(), const QString &password = QString());
    TransportResult send(const QString &sender, const QStringList &recipients, const QByteArray &message,
                         const Progress &progress) override;

private:
    QString server, login, password;
};

// The sendmail-compatible program of the system (found on PATH); its exit status is the outcome.
class SendmailTransport final : public MailTransport {
public:
    explicit SendmailTransport(const QString &program = QString()); // "" finds "sendmail"
    TransportResult send(const QString &sender, const QStringList &recipients, const QByteArray &message,
                         const Progress &progress) override;
    static QString findProgram();

private:
    QString program;
};
