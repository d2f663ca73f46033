#include "QuotationMail.h"

#include "QVMail.h"
#include "platform/TextFile.h"

#include <QFile>

QuotationMail QuotationMail::compose(const PersonalData &personal, int mailMethod, const QString &factoryEMail,
                                     const QString &attachment)
{
    QuotationMail m;
    m.UseWinsock = mailMethod == 1;
    m.UseOutlook = mailMethod == 2;
    m.From = personal.Company;
    m.EMailAddress = personal.EMail;
    m.Host = personal.MailServer;
    m.RecipAddress = factoryEMail;
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

bool WriteMailLog(const MailLogRecord &record, QString *error)
{
    const QString existing = findFile(MailLogName);
    const QString path = existing.isEmpty() ? MailLogName : existing;
    QByteArray bytes;
    if (!existing.isEmpty()) {
        QFile file(existing);
        if (!file.open(QIODevice::ReadOnly)) {
            if (error) *error = file.errorString();
            return false;
        }
        bytes = file.readAll();
        // A log that someone ended without a line end still gets its own line for this record.
        if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r')) bytes += "\r\n";
    }
    bytes += toCp1252(record.line()) + "\r\n";
    return writeBytes(path, bytes, error);
}

QString NextLogField(QString &line)
{
    const qsizetype p = line.indexOf(';');
    if (p < 0) return line;
    const QString field = line.left(p);
    line = line.mid(p + 1);
    return field;
}

QList<QStringList> ReadMailLogRows()
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
