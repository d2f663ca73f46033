#include "MailTransport.h"

#include "CurlLibrary.h"
#include "platform/EventWait.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSysInfo>

#include <atomic>
#include <thread>

namespace {
// What the session on the worker thread shares with its callbacks.
struct Transfer {
    const QByteArray *data = nullptr;
    qsizetype position = 0;
    qint64 lastReported = -1;
    std::function<void(qint64 sent, qint64 total)> progress; // hands the count to the caller's thread
    QString refusal; // the server's last refusal
    bool quitSent = false;
};

size_t readMessage(char *buffer, size_t size, size_t count, void *user)
{
    auto *t = static_cast<Transfer *>(user);
    const qsizetype n = std::min<qsizetype>(qsizetype(size * count), t->data->size() - t->position);
    memcpy(buffer, t->data->constData() + t->position, size_t(n));
    t->position += n;
    return size_t(n);
}

int reportProgress(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded)
{
    auto *t = static_cast<Transfer *>(user);
    // The end-of-data escaping may add a few bytes; the message itself is the whole, and that is
    // reported only once the server has accepted it: a bar at 100% while the server still decides
    // would say it went.
    const qint64 sent = std::min<qint64>(uploaded, std::max<qint64>(t->data->size() - 1, 0));
    if (sent != t->lastReported) {
        t->lastReported = sent;
        t->progress(sent, t->data->size());
    }
    // The outcome is known once QUIT is out: its answer is not waited for (libcurl would give it a
    // whole response timeout of its own, after a stalled server already used one up). The abort
    // leaves the session's result as it was.
    return t->quitSent ? 1 : 0;
}

int keepReplies(CURL *, curl_infotype type, char *data, size_t size, void *user)
{
    auto *t = static_cast<Transfer *>(user);
    if (type == CURLINFO_HEADER_OUT && QByteArray(data, qsizetype(size)).startsWith("QUIT")) t->quitSent = true;
    if (type != CURLINFO_HEADER_IN) return 0;
    // A refusal ("550 5.1.1 Recipient refused") is kept without its code, which is reported on its
    // own; the QUIT that follows it must not overwrite it.
    static const QRegularExpression reply("^([0-9]{3})[ -](.*)$");
    const auto m = reply.match(QString::fromLatin1(data, qsizetype(size)).trimmed());
    if (m.hasMatch() && m.captured(1).toInt() >= 400) t->refusal = m.captured(2);
    return 0;
}

// Host and port out of the server field; false when the field is no plain host name or address.
bool splitServer(const QString &field, QString &host, int &port)
{
    static const QRegularExpression pattern(
        R"(^(?:([A-Za-z0-9](?:[A-Za-z0-9._-]*[A-Za-z0-9])?)|\[([0-9A-Fa-f:.]+)\])(?::([0-9]{1,5}))?$)");
    const auto m = pattern.match(field.trimmed());
    if (!m.hasMatch()) return false;
    host = m.captured(1).isEmpty() ? "[" + m.captured(2) + "]" : m.captured(1);
    port = m.captured(3).isEmpty() ? 25 : m.captured(3).toInt();
    return port >= 1 && port <= 65535;
}

QString ehloName()
{
    static const QRegularExpression plain("^[A-Za-z0-9.-]+$");
    const QString name = QSysInfo::machineHostName();
    return plain.match(name).hasMatch() ? name : QStringLiteral("localhost");
}

// What the user meets most, in Dutch before curl's own words; anything else in curl's alone.
QString explainedFailure(CURLcode rc, const QString &text)
{
    switch (rc) {
    case CURLE_COULDNT_CONNECT: return explained("Geen verbinding met de mailserver", text);
    case CURLE_COULDNT_RESOLVE_HOST: return explained("De naam van de mailserver is onbekend", text);
    case CURLE_OPERATION_TIMEDOUT: return explained("De mailserver antwoordt niet op tijd", text);
    default: return text;
    }
}

// One SMTP session, on the worker thread.
TransportResult session(const CurlLibrary &api, const QString &host, int port, const QString &login,
                        const QString &password, const QString &sender, const QStringList &recipients,
                        Transfer &transfer)
{
    CURL *curl = api.easy_init();
    if (!curl) return {false, CURLE_FAILED_INIT, "SMTP kan niet gestart worden"};

    const QByteArray &message = *transfer.data;
    char errors[CURL_ERROR_SIZE] = {};
    const QByteArray url = QStringLiteral("smtp://%1:%2/%3").arg(host).arg(port).arg(ehloName()).toLatin1();
    const QByteArray from = "<" + sender.toLatin1() + ">";
    curl_slist *rcpt = nullptr;
    for (const QString &r : recipients) rcpt = api.slist_append(rcpt, ("<" + r.toLatin1() + ">").constData());
    const QByteArray user = login.toUtf8(), pass = password.toUtf8();
    const MailTimeouts &limits = mailTimeouts();
    const auto set = api.easy_setopt;

    set(curl, CURLOPT_URL, url.constData());
    set(curl, CURLOPT_PROTOCOLS_STR, "smtp");
    set(curl, CURLOPT_MAIL_FROM, from.constData());
    set(curl, CURLOPT_MAIL_RCPT, rcpt);
    set(curl, CURLOPT_UPLOAD, 1L);
    set(curl, CURLOPT_READFUNCTION, readMessage);
    set(curl, CURLOPT_READDATA, &transfer);
    set(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(message.size()));
    set(curl, CURLOPT_NOPROGRESS, 0L);
    set(curl, CURLOPT_XFERINFOFUNCTION, reportProgress);
    set(curl, CURLOPT_XFERINFODATA, &transfer);
    set(curl, CURLOPT_VERBOSE, 1L); // the debug hook only runs in verbose mode
    set(curl, CURLOPT_DEBUGFUNCTION, keepReplies);
    set(curl, CURLOPT_DEBUGDATA, &transfer);
    set(curl, CURLOPT_ERRORBUFFER, errors);
    set(curl, CURLOPT_NOSIGNAL, 1L);
    set(curl, CURLOPT_CONNECTTIMEOUT_MS, long(limits.connectMs));
    set(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(limits.responseSeconds));
    set(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    set(curl, CURLOPT_LOW_SPEED_TIME, long(limits.responseSeconds));
    // A fresh session for every message, closed with QUIT when the transfer ends.
    set(curl, CURLOPT_FORBID_REUSE, 1L);
    if (!login.isEmpty()) {
        set(curl, CURLOPT_USERNAME, user.constData());
        set(curl, CURLOPT_PASSWORD, pass.constData());
    }

    const CURLcode rc = api.easy_perform(curl);
    long reply = 0;
    api.easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply);
    api.easy_cleanup(curl);
    api.slist_free_all(rcpt);

    if (rc == CURLE_OK) return {true, 250, QString()};
    // A refusal by the server is told with the server's own words; anything else with curl's.
    if (reply >= 400 && !transfer.refusal.isEmpty())
        return {false, int(reply), explained("De mailserver weigert het bericht", transfer.refusal)};
    const QString text = errors[0] ? QString::fromLocal8Bit(errors) : QString::fromLatin1(api.easy_strerror(rc));
    return {false, int(rc), explainedFailure(rc, text)};
}
}

SmtpTransport::SmtpTransport(const QString &server, const QString &login, const QString &password)
    : server(server), login(login), password(password)
{
}

TransportResult SmtpTransport::send(const QString &sender, const QStringList &recipients, const QByteArray &message,
                                    const Progress &progress)
{
    QString host;
    int port = 0;
    if (!splitServer(server, host, port))
        return {false, CURLE_URL_MALFORMAT, "Ongeldige mailserver: " + server};
    QString why;
    const CurlLibrary *curl = CurlLibrary::get(&why);
    if (!curl) return {false, CURLE_FAILED_INIT, "SMTP kan niet gestart worden: " + why};

    // The session runs on a thread of its own, so that the windows keep painting and the progress
    // shows while the server takes its time; its reports come back to this thread as queued calls.
    QObject receiver;
    std::atomic<bool> done = false;
    TransportResult result;
    Transfer transfer;
    transfer.data = &message;
    transfer.progress = [&receiver, &progress](qint64 sent, qint64 total) {
        if (progress)
            QMetaObject::invokeMethod(&receiver, [&progress, sent, total] { progress(sent, total); }, Qt::QueuedConnection);
    };
    std::thread worker([&] {
        result = session(*curl, host, port, login, password, sender, recipients, transfer);
        done = true;
        QMetaObject::invokeMethod(&receiver, [] {}, Qt::QueuedConnection); // wakes the wait below
    });
    waitWithEvents([&] { return done.load(); });
    worker.join();
    // Every report of the session reaches the caller before the send returns.
    QCoreApplication::sendPostedEvents(&receiver, QEvent::MetaCall);
    if (result.sent && progress) progress(message.size(), message.size());
    return result;
}

