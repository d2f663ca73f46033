#include "SmtpComponent.h"

#include "MailTransport.h"
#include "MimeMessage.h"
#include "platform/Clock.h"

namespace {
QStringList splitList(const QString &list, const QString &separator)
{
    QStringList out;
    for (const QString &item : list.split(separator.isEmpty() ? QString(";") : separator))
        if (!item.trimmed().isEmpty()) out << item.trimmed();
    return out;
}
}

void SmtpComponent::Send()
{
    MimeMessage m;
    m.from = Mime::fromHeader(SenderName, SenderAddress);
    m.fromAddress = SenderAddress;
    m.to = splitList(Recipients, ListSeparator);
    m.cc = splitList(Copies, ListSeparator);
    m.subject = Subject;
    m.body = Body;
    m.stamp(Now(), ReadReceipt, Recipients);
    const QStringList files = splitList(Attachments, ";");
    m.multipart = !files.isEmpty();
    if (m.multipart) m.boundaryNumber = Mime::boundaryNumber();
    QStringList envelope;
    if (const auto fault = m.attachAndCheck(files, splitList(BlindCopies, ListSeparator), envelope)) {
        if (SendFailed) SendFailed(fault->description);
        return;
    }

    SmtpTransport smtp(MailServer, LoginName, Password);
    const TransportResult result = smtp.send(SenderAddress, envelope, m.render(), [this](qint64 sent, qint64 total) {
        if (Progress && total > 0) Progress(qint32(sent * 100 / total));
    });
    if (!result.sent) {
        if (SendFailed) SendFailed(QString::number(result.code) + " " + result.text);
        return;
    }
    if (SendSuccesful) SendSuccesful();
}
