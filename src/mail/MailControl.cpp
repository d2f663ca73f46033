#include "MailControl.h"

#include "platform/Clock.h"

#include "MailTransport.h"
#include "MimeMessage.h"

void MailControl::newMessage()
{
    // The server, the login and the connection stay; the message starts empty.
    Recipient.clear();
    BlindCopy.clear();
    Copy.clear();
    Subject.clear();
    FromHeader.clear();
    SenderAddress.clear();
    MessageId.clear();
    ExtraHeaders.clear();
    Body.clear();
    ContentType = "text";
    BoundaryNumber = 0;
    Parts.clear();
}

void MailControl::makeMultipart(quint64 number)
{
    ContentType = "multipart";
    BoundaryNumber = number;
}

void MailControl::addFilePart(const QString &path) { Parts << Part{false, QString(), path}; }

void MailControl::insertTextPart(int index, const QString &text)
{
    Parts.insert(std::clamp<qsizetype>(index, 0, Parts.size()), Part{true, text, QString()});
}

void MailControl::send()
{
    auto fail = [this](int code, const QString &text) {
        if (onError) onError(code, text);
    };
    MimeMessage m;
    m.from = FromHeader;
    m.fromAddress = SenderAddress;
    m.to = Mime::splitAddresses(Recipient);
    m.cc = Mime::splitAddresses(Copy);
    m.subject = Subject;
    m.extraHeaders = ExtraHeaders;
    m.messageId = MessageId;
    m.date = Now();
    m.multipart = ContentType == "multipart";
    m.boundaryNumber = BoundaryNumber;
    m.body = Body;
    QStringList files;
    for (const Part &p : Parts) {
        if (p.text)
            m.body = p.body;
        else
            files << p.file;
    }
    QStringList envelope;
    if (const auto fault = m.attachAndCheck(files, Mime::splitAddresses(BlindCopy), envelope))
        return fail(fault->number, fault->description);

    const QByteArray message = m.render();
    BoundaryNumber = m.boundaryNumber;
    SmtpTransport smtp(Host, LoginName, Password);
    const TransportResult result = smtp.send(SenderAddress, envelope, message, [this](qint64 sent, qint64 total) {
        if (onProgress) onProgress(qint32(sent), qint32(total));
    });
    if (!result.sent) return fail(result.code, result.text);
    if (onDone) onDone();
}
