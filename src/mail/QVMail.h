#pragma once
// The mail facade: sends one message with attachments over one of three paths, chosen by two flags
// that the host sets before NewMessage and before any other property:
//   UseWinsock            the SMTP component (SmtpComponent), with one retry on Host2
//   otherwise UseOutlook  the system's sendmail (SendmailItem)
//   otherwise             the mail control (MailControl)
// A message's life: NewMessage, the properties and Attachment calls, then Send. Every event of a
// send is raised inside Send, before it returns. The facade shows nothing: what went wrong comes back
// as its faults, for the caller to tell the user.
#include "MailControl.h"
#include "MimeMessage.h"
#include "SmtpComponent.h"
#include "SendmailItem.h"

#include <QList>
#include <QObject>
#include <memory>

// One failure of a send as the user is to be told of it: the box's text and title.
struct SendFault {
    QString text;
    QString title;
    bool operator==(const SendFault &) const = default;
};

class QVMail : public QObject {
    Q_OBJECT
public:
    explicit QVMail(QObject *parent = nullptr);
    ~QVMail() override;

    qint16 ErrorCount = 0; // failed sends since the facade was made; never reset
    bool UseWinsock = false;
    bool UseOutlook = false;
    bool SendOk = false;   // the outcome of the send in progress

    // Write-only properties: applied at once to the path the flags select.
    void setLoginName(const QString &value);
    void setPassword(const QString &value);
    void setFrom(const QString &value) { From = value; }
    void setHost(const QString &value);
    void setHost2(const QString &value) { Host2 = value; }
    void setEMailAddress(const QString &value) { EMailAddress = value; }
    void setRecipAddress(const QString &value);
    void setBCC(const QString &value);
    void setCC(const QString &value);
    void setConfirm(bool value) { Confirm = value; }
    void setQuitOutlook(bool value) { QuitOutlook = value; }
    void setSubject(const QString &value);
    void setNoteText(const QString &value);
    // Adds a file; a file that cannot be read fails the send, not this call.
    void Attachment(const QString &FileName);

    void NewMessage();
    void ServerConnect();
    void ServerDisconnect();
    bool Send();
    // What the last Send met, in the order it met it; none when it went out.
    const QList<SendFault> &faults() const { return faults_; }

    // What a test looks at: the back ends of the message being built.
    const MailControl &mailControl() const { return mMail1; }
    const SmtpComponent *smtpComponent() const { return QVMailWS.get(); }
    const SendmailItem *sendmailItem() const { return OutlookItem.get(); }
    bool serverConnected() const { return ServerConnected; }

signals:
    void Ready();
    void EMailError();
    void SendProgress(float PercentComplete);
    void Connected(); // never raised

private:
    enum class Path { WinSock, Sendmail, MailControl };
    Path path() const { return UseWinsock ? Path::WinSock : UseOutlook ? Path::Sendmail : Path::MailControl; }

    void addFault(const QString &text, const QString &title);
    void route(const QString &value, QString SmtpComponent::*component, QString SendmailItem::*item,
               QString MailControl::*control);
    void ReportMailControlError(int code, const QString &text);
    bool sendErrorHandler(const MailFault &fault);
    bool sendWinsock(const QString &address);
    bool sendThroughSendmail(const QString &address);
    bool sendMailControl(const QString &address);

    void QVMailWS_Progress(qint32 Percent);
    void QVMailWS_SendFailed(const QString &Explanation);
    void QVMailWS_SendSuccesful();
    void OnMailControlError(int code, const QString &text);
    void OnMailControlProgress(qint32 sent, qint32 total);
    void OnMailControlDone();

    std::unique_ptr<SmtpComponent> QVMailWS;
    bool OutlookApp = false; // sendmail is taken into use at the first Outlook message
    std::unique_ptr<SendmailItem> OutlookItem;
    MailControl mMail1;

    QList<SendFault> faults_;
    QString NoteText, From, EMailAddress, RecipAddress, Host2;
    bool ServerConnected = false;
    bool Confirm = false;
    bool QuitOutlook = false;
    bool SilentFirstTry = false;
};
