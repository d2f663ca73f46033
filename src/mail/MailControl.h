#pragma once
// The "Standaard" mail path: a mail control that builds one MIME message part by part and sends it
// over SMTP. It reports through three events, all raised inside send(): error, progress and done.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class MailControl {
public:
    struct Part {
        bool text = false; // the body part; otherwise a file attachment
        QString body;
        QString file;      // full path of an attachment
    };

    QString LoginName, Password, Host;
    QString Recipient, BlindCopy, Copy, Subject;
    QString FromHeader, SenderAddress, MessageId;
    QStringList ExtraHeaders; // appended in order
    QString Body;             // the body of a message without parts
    QString ContentType;      // "multipart" once makeMultipart ran
    quint64 BoundaryNumber = 0;
    QList<Part> Parts;

    std::function<void(int code, const QString &text)> onError;
    std::function<void(qint32 sent, qint32 total)> onProgress;
    std::function<void()> onDone;

    void newMessage();
    // multipart/mixed with the boundary `number` followed by "_boundary".
    void makeMultipart(quint64 number);
    void addFilePart(const QString &path);
    void insertTextPart(int index, const QString &text);
    // The SMTP session itself is opened and closed by every send; these keep the control's state.
    void connect() { connected = true; }
    void disconnect() { connected = false; }
    bool isConnected() const { return connected; }
    // Builds the message and sends it; every outcome comes as an event.
    void send();

private:
    bool connected = false;
};
