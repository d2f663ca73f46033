#include "QuotationMail.h"

#include "QVMail.h"
#include "model/ProjectState.h"
#include "platform/RegularFile.h"
#include "platform/TextFile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

QuotationMail QuotationMail::compose(const ProjectState &state, const QString &attachment)
{
    const PersonalData &personal = state.Personal;
    QuotationMail m;
    // WinSock and Outlook have paths of their own; any other method sends as "Standaard".
    m.UseWinsock = state.MailMethod == MailMethodKind::WinSock;
    m.UseOutlook = state.MailMethod == MailMethodKind::Outlook;
    m.From = personal.Company;
    m.EMailAddress = personal.EMail;
    m.Host = personal.MailServer;
    m.RecipAddress = state.FactoryEMail;
    m.Subject = QStringLiteral("Offerte aanvraag");
    m.NoteText = body(personal);
    m.Attachment = attachment;
    return m;
}

QString QuotationMail::body(const PersonalData &p)
{
    return QStringList{
        "Dit is een automatisch gegenereerde e-mail van een offerte aanvraag van:",
        "",
        p.Company,
        p.Contact,
        p.Address,
        p.Postcode + " " + p.Town,
        "Tel: " + p.Telephone + " Fax: " + p.Fax,
        p.EMail,
        "",
        "zie bijlage voor de tekeningen",
    }.join("\r\n");
}

void QuotationMail::applyTo(QVMail &mail) const
{
    mail.UseWinsock = UseWinsock;
    mail.UseOutlook = UseOutlook;
    mail.NewMessage();
    mail.setFrom(From);
    mail.setEMailAddress(EMailAddress);
    mail.setHost(Host);
    mail.setRecipAddress(RecipAddress);
    mail.setSubject(Subject);
    mail.setNoteText(NoteText);
    mail.Attachment(Attachment);
}

QString MailLogRecord::line() const
{
    // One record a line, fields split at ";": no text field may hold either.
    const auto field = [](QString text) { return text.remove('\r').remove('\n').replace(';', ','); };
    return QStringList{QString::number(MarkCount), field(Address), When.toString("dd-MM-yyyy"), When.toString("HH:mm"),
                       field(Status)}
        .join(';');
}

namespace {
// Two programs in one folder (started twice, or a folder shared by two users) each read the log,
// write a new one and rename it over the old: without a lock a rename between the other's read and
// rename drops the other's line. The lock is a file of its own: the rename replaces the log's inode,
// and a lock on the replaced one would not keep out the next reader.
class MailLogLock {
public:
    MailLogLock()
    {
        // Read-only is enough for flock, so a lock file that another user made serves this one too.
        fd = ::open(MailLogLockName, O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0666);
        if (fd < 0) {
            refusal = writeFailureText(errno);
            return;
        }
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            refusal = QString(MailLogLockName) + ": Dit is geen gewoon bestand";
            return;
        }
        // The other holds it for one read and one write; a holder that never lets go is refused.
        QDeadlineTimer deadline(10000);
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                refusal = writeFailureText(errno);
                return;
            }
            if (deadline.hasExpired()) {
                refusal = "Het logbestand is in gebruik door een ander programma.";
                return;
            }
            QThread::msleep(5);
        }
        held = true;
    }
    ~MailLogLock()
    {
        if (fd >= 0) ::close(fd); // lets go of the lock
    }
    MailLogLock(const MailLogLock &) = delete;
    MailLogLock &operator=(const MailLogLock &) = delete;

    bool held = false;
    QString refusal;

private:
    int fd = -1;
};
}

bool WriteMailLog(const MailLogRecord &record, QString *error)
{
    const MailLogLock lock;
    if (!lock.held) {
        if (error) *error = lock.refusal;
        return false;
    }
    const QString existing = findFile(MailLogName);
    const QString path = existing.isEmpty() ? MailLogName : existing;
    QByteArray bytes;
    if (!existing.isEmpty()) {
        // A log that is no regular file (a FIFO would never answer) or is too large is not appended to.
        std::optional<QByteArray> read = readRegularFile(existing, error);
        if (!read) return false;
        bytes = std::move(*read);
        // A log that someone ended without a line end still gets its own line for this record.
        if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r')) bytes += "\r\n";
    }
    bytes += toCp1252(record.line()) + "\r\n";
    return writeBytes(path, bytes, error);
}

bool removeMailLog()
{
    if (findFile(MailLogName).isEmpty()) return true;
    // Not between another program's read and its rename: that rename would bring the lines back.
    const MailLogLock lock;
    if (!lock.held) return false;
    const QString path = findFile(MailLogName);
    if (path.isEmpty()) return true;
    QFile::remove(path);
    return !QFile::exists(path);
}

QString NextLogField(QString &line)
{
    const qsizetype p = line.indexOf(';');
    if (p < 0) return line;
    const QString field = line.left(p);
    line = line.mid(p + 1);
    return field;
}

QList<QStringList> readMailLogRows()
{
    const QString path = findFile(MailLogName);
    if (path.isEmpty()) return {};
    const std::optional<QStringList> lines = readTextLines(path);
    if (!lines) return {};
    QList<QStringList> rows;
    for (QString line : *lines) {
        // A line that begins with ";" has no count: no line of ours, shown whole in every column.
        const bool ours = !line.startsWith(';');
        QStringList cells;
        for (int column = 0; column < 5; ++column) cells << (ours ? NextLogField(line) : line);
        rows << cells;
    }
    return rows;
}
