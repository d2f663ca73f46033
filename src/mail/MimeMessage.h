#pragma once
// The one MIME writer of the three mail paths: CRLF line ends, a quoted-printable UTF-8 text part and
// base64 attachments. Header values are cleaned here, so no caller can slip a line into the header.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct MimeAttachment {
    QString fileName; // bare name, as the disposition shows it
    QByteArray data;
};

struct MimeMessage {
    QString from;         // the From header's value (Mime::fromHeader)
    QString fromAddress;  // the sender's address; its domain ends the message identifier
    QStringList to, cc;   // addresses (blind copies never appear in the header)
    QString subject;
    QString body;         // lines joined by CRLF
    QStringList extraHeaders; // whole lines "Name: value", in order
    QString messageId;    // the part before "@"; the sender's domain is added
    QDateTime date;
    // Multipart when true; the body (when not empty) is then the first part, the attachments follow.
    bool multipart = false;
    quint64 boundaryNumber = 0; // the boundary is this number followed by "_boundary"
    QList<MimeAttachment> attachments;

    QString boundary() const;
    // Date, message identifier and X-Mailer header; with `confirm` also the two read-receipt headers.
    void stamp(const QDateTime &now, bool confirm, const QString &confirmTo);
    // Reads the files in as attachments and checks the sender and every recipient. `envelope` gets
    // the recipients of the SMTP envelope: To, Cc, then the blind copies.
    std::optional<struct MailFault> attachAndCheck(const QStringList &files, const QStringList &blindCopies,
                                                   QStringList &envelope);
    // The message as it goes over the wire. A boundary that occurs in the text is replaced by the
    // next Mime::boundaryNumber() until it no longer does (the chosen one is kept).
    QByteArray render();
};

// A failure inside a send that is not the server's answer: a file that cannot be attached, an address
// that cannot go into the message, a send without a message.
struct MailFault {
    int number = 0;
    QString description;
};

namespace MailFaults {
enum : int { BadAddress = 5, FileNotFound = 53, FileUnreadable = 57, NoMessage = 91 };
}

namespace Mime {
// A number for a boundary: the whole part of a pseudo-random value in [0, 1) times 10^11. The
// generator is never seeded, so every program start draws the same sequence.
quint64 boundaryNumber();
void restartBoundaryNumbers(); // back to the start of the sequence, as at program start

constexpr const char *XMailerHeader = "X-Mailer: Mabry";
// Year, month, day and seconds since midnight in plain decimal, then "_QVMail".
QString messageId(const QDateTime &when);
// The From header's value: "name"<address>, no blank before "<"; a name outside ASCII as an encoded-word.
QString fromHeader(const QString &name, const QString &address);
// CR, LF and NUL taken out: what is left cannot start a new header line.
QString headerSafe(const QString &value);
// An address we are willing to put into a header or an SMTP command: the one address rule,
// isPlainMailAddress (one "@", something on both sides, no blanks, control characters, "<" or ">").
bool isSafeAddress(const QString &address);
// Recipients as a list: split at "," and ";", blanks around each taken off, empty ones dropped.
QStringList splitAddresses(const QString &list);
// The text after the last "\" or "/", or the whole text when there is none.
QString bareFileName(const QString &path);
// The file's bytes under its bare name; a fault when it is missing or cannot be read.
std::optional<MailFault> readAttachment(const QString &path, MimeAttachment &out);
// Every address of the list passes isSafeAddress; otherwise the fault names the first one that does not.
std::optional<MailFault> checkAddresses(const QStringList &addresses);

QByteArray quotedPrintable(const QString &text);
QByteArray base64Lines(const QByteArray &data);
// The Date header's value: English day and month names, numeric zone ("Mon, 07 Dec 2026 09:05:00 +0100").
QByteArray mailDate(const QDateTime &when);
}
