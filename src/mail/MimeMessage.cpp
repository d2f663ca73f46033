#include "MimeMessage.h"

#include "model/MailAddress.h"
#include "platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {
const QByteArray CRLF = "\r\n";

bool isPrintableAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    return true;
}

// One or more encoded-words, each at most 75 characters, folded onto continuation lines.
QByteArray encodedWords(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    QList<QByteArray> words;
    qsizetype start = 0;
    while (start < utf8.size()) {
        qsizetype end = std::min<qsizetype>(start + 45, utf8.size());
        // Never split a multi-byte character.
        while (end < utf8.size() && end > start && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
        words << "=?UTF-8?B?" + utf8.mid(start, end - start).toBase64() + "?=";
        start = end;
    }
    return words.join(CRLF + " ");
}

QByteArray unstructured(const QString &value)
{
    const QString safe = Mime::headerSafe(value);
    return isPrintableAscii(safe) ? safe.toLatin1() : encodedWords(safe);
}

QByteArray quoted(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return '"' + out.toLatin1() + '"';
}

QByteArray header(const char *name, const QByteArray &value) { return QByteArray(name) + ": " + value + CRLF; }
}

QString Mime::headerSafe(const QString &value)
{
    QString out = value;
    out.remove(QChar('\r'));
    out.remove(QChar('\n'));
    out.remove(QChar(u'\0'));
    return out;
}

bool Mime::isSafeAddress(const QString &address) { return isPlainMailAddress(address); }

QStringList Mime::splitAddresses(const QString &list)
{
    QStringList out;
    for (const QString &part : list.split(QRegularExpression("[,;]")))
        if (!part.trimmed().isEmpty()) out << part.trimmed();
    return out;
}

QString Mime::bareFileName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf('\\'), path.lastIndexOf('/'));
    return cut < 0 ? path : path.mid(cut + 1);
}

QString Mime::fromHeader(const QString &name, const QString &address)
{
    const QString safeName = headerSafe(name);
    const QByteArray shownName = isPrintableAscii(safeName) ? quoted(safeName) : encodedWords(safeName);
    return QString::fromLatin1(shownName) + "<" + headerSafe(address) + ">";
}

QByteArray Mime::quotedPrintable(const QString &text)
{
    static const char hex[] = "0123456789ABCDEF";
    QList<QByteArray> out;
    for (const QString &line : text.split(QRegularExpression("\r\n|\r|\n"))) {
        const QByteArray bytes = line.toUtf8();
        QByteArray current;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const bool last = i == bytes.size() - 1;
            QByteArray piece;
            if ((b == ' ' || b == '\t') && !last)
                piece = QByteArray(1, char(b));
            else if (b >= 33 && b <= 126 && b != '=')
                piece = QByteArray(1, char(b));
            else
                piece = QByteArray("=") + hex[b >> 4] + hex[b & 15];
            // At most 76 characters a line, the soft break's "=" included.
            if (current.size() + piece.size() > 75) {
                out << current + "=";
                current.clear();
            }
            current += piece;
        }
        out << current;
    }
    return out.join(CRLF);
}

QByteArray Mime::base64Lines(const QByteArray &data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < encoded.size(); i += 76) out += encoded.mid(i, 76) + CRLF;
    return out;
}

QByteArray Mime::mailDate(const QDateTime &when)
{
    const int offset = when.offsetFromUtc() / 60;
    const int magnitude = std::abs(offset);
    return QLocale::c().toString(when, "ddd, dd MMM yyyy HH:mm:ss").toLatin1()
        + QString::asprintf(" %c%02d%02d", offset < 0 ? '-' : '+', magnitude / 60, magnitude % 60).toLatin1();
}

namespace {
// A 24-bit linear congruential generator with a fixed start.
constexpr quint32 RandomStart = 0x50000;
quint32 randomState = RandomStart;
}

quint64 Mime::boundaryNumber()
{
    randomState = (randomState * 1140671485u + 12820163u) & 0xFFFFFFu;
    return quint64(std::floor(double(randomState) / 16777216.0 * 100000000000.0));
}

void Mime::restartBoundaryNumbers() { randomState = RandomStart; }

QString Mime::messageId(const QDateTime &when)
{
    const QDate d = when.date();
    return QStringLiteral("%1%2%3%4_QVMail")
        .arg(d.year())
        .arg(d.month())
        .arg(d.day())
        .arg(when.time().msecsSinceStartOfDay() / 1000);
}

std::optional<MailFault> Mime::readAttachment(const QString &path, MimeAttachment &out)
{
    QFile file;
    if (!QFileInfo(path).isFile()) return MailFault{MailFaults::FileNotFound, "Bestand niet gevonden: " + path};
    if (!openRegularFile(file, path))
        return MailFault{MailFaults::FileUnreadable, "Bestand kan niet gelezen worden: " + path};
    out.fileName = bareFileName(path);
    out.data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return MailFault{MailFaults::FileUnreadable, "Bestand kan niet gelezen worden: " + path};
    return std::nullopt;
}

std::optional<MailFault> Mime::checkAddresses(const QStringList &addresses)
{
    for (const QString &a : addresses)
        if (!isSafeAddress(a)) return MailFault{MailFaults::BadAddress, "Ongeldig e-mail adres: " + headerSafe(a)};
    return std::nullopt;
}

void MimeMessage::stamp(const QDateTime &now, bool confirm, const QString &confirmTo)
{
    date = now;
    messageId = Mime::messageId(now);
    extraHeaders << Mime::XMailerHeader;
    if (confirm) {
        extraHeaders << "X-Confirm-Reading-To: " + confirmTo;
        extraHeaders << "Return-receipt-to: " + from;
    }
}

std::optional<MailFault> MimeMessage::attachAndCheck(const QStringList &files, const QStringList &blindCopies,
                                                     QStringList &envelope)
{
    for (const QString &path : files) {
        MimeAttachment a;
        if (auto fault = Mime::readAttachment(path, a)) return fault;
        attachments << a;
    }
    envelope = to + cc + blindCopies;
    if (envelope.isEmpty()) return MailFault{MailFaults::BadAddress, "Geen ontvanger opgegeven"};
    return Mime::checkAddresses(QStringList{fromAddress} + envelope);
}

QString MimeMessage::boundary() const { return QString::number(boundaryNumber) + "_boundary"; }

QByteArray MimeMessage::render()
{
    QByteArray head;
    if (date.isValid()) head += header("Date", Mime::mailDate(date));
    head += header("From", Mime::headerSafe(from).toUtf8());
    if (!to.isEmpty()) head += header("To", Mime::headerSafe(to.join(", ")).toLatin1());
    if (!cc.isEmpty()) head += header("Cc", Mime::headerSafe(cc.join(", ")).toLatin1());
    head += header("Subject", unstructured(subject));
    if (!messageId.isEmpty()) {
        const QString domain = fromAddress.mid(fromAddress.indexOf('@') + 1);
        head += header("Message-ID", "<" + Mime::headerSafe(messageId + "@" + domain).toLatin1() + ">");
    }
    for (const QString &line : extraHeaders) head += unstructured(line) + CRLF;
    head += header("MIME-Version", "1.0");

    const QByteArray textHeaders = header("Content-Type", "text/plain; charset=UTF-8")
        + header("Content-Transfer-Encoding", "quoted-printable");
    const QByteArray text = Mime::quotedPrintable(body);
    if (!multipart) return head + textHeaders + CRLF + text + CRLF;

    QList<QByteArray> parts;
    if (!body.isEmpty()) parts << textHeaders + CRLF + text + CRLF;
    for (const MimeAttachment &a : attachments) {
        parts << header("Content-Type", "application/octet-stream") + header("Content-Transfer-Encoding", "base64")
                + header("Content-Disposition", "attachment; filename=" + quoted(Mime::headerSafe(a.fileName)))
                + CRLF + Mime::base64Lines(a.data);
    }
    // A boundary must not occur inside any part or the header; base64 cannot hold its "_".
    auto occurs = [&] {
        const QByteArray b = boundary().toLatin1();
        if (head.contains(b)) return true;
        for (const QByteArray &p : parts)
            if (p.contains(b)) return true;
        return false;
    };
    while (occurs()) {
        const quint64 next = Mime::boundaryNumber();
        boundaryNumber = next == boundaryNumber ? next + 1 : next;
    }

    const QByteArray b = boundary().toLatin1();
    QByteArray out = head + header("Content-Type", "multipart/mixed; boundary=" + b) + CRLF;
    for (const QByteArray &p : parts) out += "--" + b + CRLF + p;
    out += "--" + b + "--" + CRLF;
    return out;
}
