#pragma once
// The send of the quotation request as the send window runs it: the drawing file, the request made
// of the project's personal data and mail method, the send, its line in "EMail.log" and the outcome
// told to the user; and "Log wissen" of the mail-log overview. No widgets: the boxes go through the
// platform's dialogs, and the bar that shows the progress is the window's.
#include "QVMail.h"

#include <QObject>

struct ProjectState;

class QuotationSend : public QObject {
    Q_OBJECT
public:
    explicit QuotationSend(QObject *parent = nullptr);

    // Writes the drawing file, sends it with the request to the factory's address, logs the attempt
    // and tells the user how it went; every box is shown before it returns. Nothing goes out without
    // its drawing file, and that attempt is logged too. True when the server took the request.
    bool run(ProjectState &state);

    // "Log wissen": deletes "EMail.log". False when it is still there: the user has been told.
    static bool clearLog();

signals:
    // The send's progress in whole percent as it comes; 100 once the server has taken the request,
    // before the log line and the box.
    void progress(int percent);

private:
    void log(const ProjectState &state, const QString &status);

    QVMail mail_;
};

// One box for each fault of a send, in their order.
void tellSendFaults(const QList<SendFault> &faults);
