#pragma once
// The "WinSock" mail path: an SMTP component that takes the whole message in plain settings, sends
// it in one call and answers with Progress, SendFailed or SendSuccesful before that call returns.
#include <QString>
#include <functional>

class SmtpComponent {
public:
    QString LoginName, Password, MailServer;
    QString Recipients, BlindCopies, Copies; // lists separated by ListSeparator
    QString Subject, Body;
    QString SenderAddress, SenderName;
    bool ReadReceipt = false;
    QString ListSeparator = ";";
    // Written by the facade for every new message; they change nothing here.
    int Setting1 = 0, Setting2 = 0;
    QString Attachments; // file paths separated by ";"

    std::function<void(qint32 percent)> Progress;
    std::function<void(const QString &explanation)> SendFailed;
    std::function<void()> SendSuccesful;

    void Send();
};
