#pragma once
// The "Outlook" mail path: a mail item handed to the system's sendmail.
#include "MimeMessage.h"

#include <QString>
#include <QStringList>
#include <optional>

class SendmailItem {
public:
    QString To, CC, BCC, Subject, Body;
    QStringList Attachments; // file paths, in the order added
    bool ReadReceiptRequested = false;

    // Builds the message with the given sender and hands it to sendmail; a fault when
    // it could not be built or the program did not take it.
    std::optional<MailFault> Send(const QString &fromName, const QString &fromAddress);
};
