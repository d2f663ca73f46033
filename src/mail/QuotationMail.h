#pragma once
// The quotation request as the send window composes it, and the mail log "EMail.log" that records
// every attempt: one line "number of drawings;address;DD-MM-YYYY;HH:MM;status" each.
#include "model/PersonalData.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QVMail;
struct ProjectState;

struct QuotationMail {
    bool UseWinsock = false;
    bool UseOutlook = false;
    QString From, EMailAddress, Host, RecipAddress, Subject, NoteText, Attachment;

    // From the project's personal data and mail method, to the factory's address.
    static QuotationMail compose(const ProjectState &state, const QString &attachment);
    // The ten body lines, joined by CR LF, no line end after the last.
    static QString body(const PersonalData &personal);
    // Flags, NewMessage, the properties in their order, the attachment; Send is the caller's.
    void applyTo(QVMail &mail) const;
};

inline const QString MailLogName = QStringLiteral("EMail.log");
// Beside the log: whoever changes the log holds an exclusive flock on it.
inline constexpr char MailLogLockName[] = "EMail.log.lock";

struct MailLogRecord {
    int MarkCount = 0;
    QString Address;
    QDateTime When;
    QString Status; // "Verzonden" or "Mislukt"

    QString line() const;
};

// Appends the record to "EMail.log" in the current folder, under the lock from the read to the
// rename, so that no other program's line is lost. False, with the reason in `error`, when the log
// could not be written or is no regular file of a sane size; the old log is then left whole.
bool WriteMailLog(const MailLogRecord &record, QString *error = nullptr);

// Deletes "EMail.log" under the same lock; false when it is still there or the lock is not had.
// A missing log is no error.
bool removeMailLog();

// The next field of a log line, taken off the front of `line` with its ";" (an empty field reads as
// ""). Without a ";" the whole line, which then stays as it is: later calls repeat the last field.
QString NextLogField(QString &line);
// The five cells of each line of "EMail.log"; none when the log is missing or cannot be read. A line
// that begins with ";" shows whole in every cell.
QList<QStringList> readMailLogRows();
