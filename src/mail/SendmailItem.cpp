#include "SendmailItem.h"

#include "MailTransport.h"
#include "platform/Clock.h"

std::optional<MailFault> SendmailItem::Send(const QString &fromName, const QString &fromAddress)
{
    MimeMessage m;
    m.from = Mime::fromHeader(fromName, fromAddress);
    m.fromAddress = fromAddress;
    m.to = Mime::splitAddresses(To);
    m.cc = Mime::splitAddresses(CC);
    m.subject = Subject;
    m.body = Body;
    m.stamp(Now(), ReadReceiptRequested, To);
    m.multipart = !Attachments.isEmpty();
    if (m.multipart) m.boundaryNumber = Mime::boundaryNumber();
    QStringList envelope;
    if (auto fault = m.attachAndCheck(Attachments, Mime::splitAddresses(BCC), envelope)) return fault;

    SendmailTransport program;
    const TransportResult result = program.send(fromAddress, envelope, m.render(), {});
    if (!result.sent) return MailFault{result.code, result.text};
    return std::nullopt;
}
