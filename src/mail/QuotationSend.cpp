#include "QuotationSend.h"

#include "QuotationMail.h"
#include "drawing/DrawingExport.h"
#include "model/ProjectState.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Rounding.h"

QuotationSend::QuotationSend(QObject *parent) : QObject(parent)
{
    connect(&mail_, &QVMail::SendProgress, this,
            [this](float percent) { emit progress(int(roundHalfEven(double(percent)).value_or(0))); });
}

bool QuotationSend::run(ProjectState &state)
{
    // The log keeps every attempt, also one that stopped at its drawing file.
    if (const QString failed = ExportDrawings(state); !failed.isEmpty()) {
        MsgBox(failed, MsgStyle::Critical, ErrorTitle);
        log(state, "Mislukt");
        return false;
    }
    QuotationMail::compose(state, state.ProjectFileName).applyTo(mail_);
    const bool sent = mail_.Send();
    tellSendFaults(mail_.faults());
    if (sent) {
        emit progress(100);
        log(state, "Verzonden");
        MsgBox("De tekeningen zijn verzonden naar de timmerfabriek", MsgStyle::Information, "Zandrel tofmaar");
    } else {
        log(state, "Mislukt");
        MsgBox("De tekeningen zijn niet verzonden !", MsgStyle::Exclamation, "Zandrel tofmaar");
    }
    return sent;
}

void QuotationSend::log(const ProjectState &state, const QString &status)
{
    const MailLogRecord record{state.MarkCount, state.FactoryEMail, Now(), status};
    QString error;
    if (!WriteMailLog(record, &error))
        MsgBox("Het logbestand " + MailLogName + " kan niet worden bijgewerkt !\r\n\r\n" + error, MsgStyle::Exclamation,
               ErrorTitle);
}

bool QuotationSend::clearLog()
{
    if (removeMailLog()) return true;
    MsgBox("Het logbestand " + MailLogName + " kan niet worden verwijderd !", MsgStyle::Exclamation, ErrorTitle);
    return false;
}

void tellSendFaults(const QList<SendFault> &faults)
{
    for (const SendFault &f : faults) MsgBox(f.text, MsgStyle::Exclamation, f.title);
}
