#include "MailTransport.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>

#include <curl/curl.h>

#include <mutex>

MailTimeouts &mailTimeouts()
{
    static MailTimeouts timeouts;
    return timeouts;
}

namespace {
struct Transfer {
    const QByteArray *data = nullptr;
    qsizetype position = 0;
    qint64 lastReported = -1;
    const MailTransport::Progress *progress = nullptr;
    QString refusal; // the server's last refusal
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
    // The end-of-data escaping may add a few bytes; the message itself is the whole.
    const qint64 sent = std::min<qint64>(uploaded, t->data->size());
    if (sent != t->lastReported && *t->progress) {
        t->lastReported = sent;
        (*t->progress)(sent, t->data->size());
    }
    return 0;
}

int keepReplies(CURL *, curl_infotype type, char *data, size_t size, void *user)
{
    if (type != CURLINFO_HEADER_IN) return 0;
    // A refusal ("550 5.1.1 Recipient refused") is kept without its code, which is reported on its
    // own; the QUIT that follows it must not overwrite it.
    static const QRegularExpression reply("^([0-9]{3})[ -](.*)$");
    const auto m = reply.match(QString::fromLatin1(data, qsizetype(size)).trimmed());
    if (m.hasMatch() && m.captured(1).toInt() >= 400) static_cast<Transfer *>(user)->refusal = m.captured(2);
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
}

SmtpTransport::SmtpTransport(const QString &server, const QString &login, const QString &password)
    : server(server), login(login), password(password)
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

TransportResult SmtpTransport::send(const QString &sender, const QStringList &recipients, const QByteArray &message,
                                    const Progress &progress)
{
    QString host;
    int port = 0;
    if (!splitServer(server, host, port))
        return {false, CURLE_URL_MALFORMAT, "Ongeldige mailserver: " + server};

    CURL *curl = curl_easy_init();
    if (!curl) return {false, CURLE_FAILED_INIT, "SMTP kan niet gestart worden"};

    Transfer transfer;
    transfer.data = &message;
    transfer.progress = &progress;
    char errors[CURL_ERROR_SIZE] = {};
    const QByteArray url = QStringLiteral("smtp://%1:%2/%3").arg(host).arg(port).arg(ehloName()).toLatin1();
    const QByteArray from = "<" + sender.toLatin1() + ">";
    curl_slist *rcpt = nullptr;
    for (const QString &r : recipients) rcpt = curl_slist_append(rcpt, ("<" + r.toLatin1() + ">").constData());
    const QByteArray user = login.toUtf8(), pass = password.toUtf8();
    const MailTimeouts &limits = mailTimeouts();

    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp");
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readMessage);
    curl_easy_setopt(curl, CURLOPT_READDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(message.size()));
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, reportProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L); // the debug hook only runs in verbose mode
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, keepReplies);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errors);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(limits.connectMs));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(limits.responseSeconds));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(limits.responseSeconds));
    // A fresh session for every message, closed with QUIT when the transfer ends.
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    if (!login.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, pass.constData());
    }

    const CURLcode rc = curl_easy_perform(curl);
    long reply = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply);
    curl_easy_cleanup(curl);
    curl_slist_free_all(rcpt);

    if (rc == CURLE_OK) return {true, 250, QString()};
    // A refusal by the server is told in the server's words; anything else in curl's.
    if (reply >= 400 && !transfer.refusal.isEmpty()) return {false, int(reply), transfer.refusal};
    const QString text = errors[0] ? QString::fromLocal8Bit(errors) : QString::fromLatin1(curl_easy_strerror(rc));
    return {false, int(rc), text};
}
