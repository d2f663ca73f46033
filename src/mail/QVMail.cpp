#include "QVMail.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h" // ErrorTitle

#include <QGuiApplication>

#include <algorithm>

QVMail::QVMail(QObject *parent) : QObject(parent)
{
    mMail1.onError = [this](int code, const QString &text) { OnMailControlError(code, text); };
    mMail1.onProgress = [this](qint32 sent, qint32 total) { OnMailControlProgress(sent, total); };
    mMail1.onDone = [this] { OnMailControlDone(); };
}

QVMail::~QVMail() = default;

// A property goes to the path the flags select now. On the Outlook path the settings that Outlook has
// no use for (login, password, server) go to the mail control; without a message on the selected
// path a property has nowhere to go, which Send then reports.
void QVMail::route(const QString &value, QString SmtpComponent::*component, QString SendmailItem::*item,
                   QString MailControl::*control)
{
    switch (path()) {
    case Path::WinSock:
        if (QVMailWS) (*QVMailWS).*component = value;
        return;
    case Path::Sendmail:
        if (!item) break;
        if (OutlookItem) (*OutlookItem).*item = value;
        return;
    case Path::MailControl: break;
    }
    mMail1.*control = value;
}

void QVMail::setLoginName(const QString &value)
{
    route(value, &SmtpComponent::LoginName, nullptr, &MailControl::LoginName);
}

void QVMail::setPassword(const QString &value) { route(value, &SmtpComponent::Password, nullptr, &MailControl::Password); }

void QVMail::setHost(const QString &value) { route(value, &SmtpComponent::MailServer, nullptr, &MailControl::Host); }

void QVMail::setRecipAddress(const QString &value)
{
    RecipAddress = value;
    // The component separates its lists with ";".
    if (path() == Path::WinSock && QVMailWS) QVMailWS->Recipients = QString(value).replace(',', ';');
    else route(value, &SmtpComponent::Recipients, &SendmailItem::To, &MailControl::Recipient);
}

void QVMail::setBCC(const QString &value) { route(value, &SmtpComponent::BlindCopies, &SendmailItem::BCC, &MailControl::BlindCopy); }

void QVMail::setCC(const QString &value) { route(value, &SmtpComponent::Copies, &SendmailItem::CC, &MailControl::Copy); }

void QVMail::setSubject(const QString &value) { route(value, &SmtpComponent::Subject, &SendmailItem::Subject, &MailControl::Subject); }

void QVMail::setNoteText(const QString &value)
{
    if (path() == Path::MailControl)
        NoteText = value; // becomes the body at Send
    else
        route(value, &SmtpComponent::Body, &SendmailItem::Body, nullptr);
}

void QVMail::Attachment(const QString &FileName)
{
    switch (path()) {
    case Path::WinSock:
        if (QVMailWS)
            QVMailWS->Attachments = QVMailWS->Attachments.isEmpty() ? FileName : QVMailWS->Attachments + ";" + FileName;
        break;
    case Path::Sendmail:
        if (OutlookItem) OutlookItem->Attachments << FileName;
        break;
    case Path::MailControl:
        if (mMail1.ContentType != "multipart") mMail1.makeMultipart(Mime::boundaryNumber());
        mMail1.addFilePart(FileName);
        break;
    }
}

void QVMail::NewMessage()
{
    switch (path()) {
    case Path::WinSock:
        QVMailWS = std::make_unique<SmtpComponent>();
        QVMailWS->Progress = [this](qint32 percent) { QVMailWS_Progress(percent); };
        QVMailWS->SendFailed = [this](const QString &why) { QVMailWS_SendFailed(why); };
        QVMailWS->SendSuccesful = [this] { QVMailWS_SendSuccesful(); };
        QVMailWS->Setting1 = 0;
        QVMailWS->Setting2 = 1;
        QVMailWS->ListSeparator = ";";
        break;
    case Path::Sendmail:
        OutlookApp = true;
        OutlookItem = std::make_unique<SendmailItem>();
        break;
    case Path::MailControl: mMail1.newMessage(); break;
    }
}

void QVMail::ServerConnect()
{
    if (ServerConnected) return;
    mMail1.connect();
    ServerConnected = true;
}

void QVMail::ServerDisconnect()
{
    if (!ServerConnected) return;
    mMail1.disconnect();
    ServerConnected = false;
}

void QVMail::addFault(const QString &text, const QString &title) { faults_ << SendFault{text, title}; }

bool QVMail::Send()
{
    SendOk = true;
    faults_.clear();
    // The address goes into the header and the SMTP envelope: it must be one plain address.
    const QString address = EMailAddress.trimmed();
    if (!Mime::isSafeAddress(address)) {
        addFault("U heeft geen of een ongeldig eigen e-mail adres opgegeven !\r\n(zie VU Durivavozuz, [D] Invoer vaste "
              "gegevens)",
              "Foutmelding");
        ++ErrorCount;
        return false;
    }
    switch (path()) {
    case Path::WinSock: return sendWinsock(address);
    case Path::Sendmail: return sendThroughSendmail(address);
    case Path::MailControl: break;
    }
    return sendMailControl(address);
}

bool QVMail::sendWinsock(const QString &address)
{
    if (!QVMailWS) return sendErrorHandler({MailFaults::NoMessage, "Geen bericht aangemaakt"});
    QVMailWS->SenderAddress = address;
    QVMailWS->SenderName = From;
    QVMailWS->ReadReceipt = Confirm;
    // The first attempt keeps quiet only when a second server can still take the message.
    SilentFirstTry = !Host2.isEmpty();
    QVMailWS->Send();
    const bool silent = SilentFirstTry;
    SilentFirstTry = false;
    if (SendOk) return true;
    if (silent) {
        SendOk = true;
        QVMailWS->MailServer = Host2;
        QVMailWS->Send();
    }
    if (!SendOk) {
        ++ErrorCount;
        return false;
    }
    return true;
}

bool QVMail::sendThroughSendmail(const QString &address)
{
    if (!OutlookItem) return sendErrorHandler({MailFaults::NoMessage, "Geen bericht aangemaakt"});
    OutlookItem->ReadReceiptRequested = Confirm;
    const std::optional<MailFault> fault = OutlookItem->Send(From, address);
    // The program ends with every message; QuitOutlook has nothing left to close.
    OutlookItem.reset();
    OutlookApp = false;
    if (fault) return sendErrorHandler(*fault);
    return SendOk;
}

bool QVMail::sendMailControl(const QString &address)
{
    mMail1.FromHeader = Mime::fromHeader(From, address);
    mMail1.SenderAddress = address;
    mMail1.ExtraHeaders << Mime::XMailerHeader;
    if (Confirm) {
        mMail1.ExtraHeaders << "X-Confirm-Reading-To: " + mMail1.Recipient;
        mMail1.ExtraHeaders << "Return-receipt-to: " + mMail1.FromHeader;
    }
    mMail1.MessageId = Mime::messageId(Now());
    if (!mMail1.Parts.isEmpty() && !NoteText.isEmpty())
        mMail1.insertTextPart(0, NoteText);
    else
        mMail1.Body = NoteText;
    if (!ServerConnected) ServerConnect();
    mMail1.send();
    if (ServerConnected) ServerDisconnect();
    // A failure here was reported by the control's error event; it does not count in ErrorCount.
    return SendOk;
}

bool QVMail::sendErrorHandler(const MailFault &fault)
{
    SendOk = false;
    ++ErrorCount;
    emit EMailError();
    addFault("Er is een fout opgetreden tijdens het versturen van de e-mail naar " + RecipAddress.toLower()
                    + "\r\n(Foutcode: " + QString::number(fault.number) + ": " + fault.description + ")",
                ErrorTitle);
    return false;
}

void QVMail::ReportMailControlError(int code, const QString &text)
{
    emit EMailError();
    SendOk = false;
    if (!SilentFirstTry)
        addFault("Er is een fout opgetreden tijdens het versturen van de E-Mail naar " + RecipAddress + "\r(Foutcode: "
                  + QString::number(qint16(code)) + " " + text + ")",
              ErrorTitle);
}

void QVMail::QVMailWS_Progress(qint32 Percent) { emit SendProgress(float(Percent)); }

void QVMail::QVMailWS_SendFailed(const QString &Explanation)
{
    if (!SilentFirstTry) {
        emit EMailError();
        addFault("Er is een fout opgetreden tijdens het versturen van de E-Mail naar " + RecipAddress + "\rFoutcode: "
                  + Explanation,
              ErrorTitle);
    }
    SendOk = false;
}

void QVMail::QVMailWS_SendSuccesful() { emit Ready(); }

void QVMail::OnMailControlError(int code, const QString &text) { ReportMailControlError(code, text); }

void QVMail::OnMailControlProgress(qint32 sent, qint32 total)
{
    if (total == 0) return;
    // 99.6% would show as 100% before the server has said yes; only the whole is 100.
    const double percent = double(sent) / double(total) * 100.0;
    emit SendProgress(float(sent < total ? std::min(percent, 99.0) : percent));
}

void QVMail::OnMailControlDone()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) && QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    emit Ready();
}
