#pragma once
// What the send-window tests share: the moment every send happens, and the window run as the
// opener runs it.
#include "mail/window/EMail.h"
#include "model/ProjectState.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>

// 7 December 2026, 09:05 in the Netherlands' winter time: the log lines read "07-12-2026;09:05".
inline QDateTime sendMoment() { return QDateTime(QDate(2026, 12, 7), QTime(9, 5, 0), Qt::OffsetFromUTC, 3600); }

// Gives the project these personal data and mail method, shows the window as the opener does and
// lets its activation run; true when it unloaded itself.
inline bool runSendWindow(const PersonalData &personal, int method, QPointer<EMail> *shown = nullptr)
{
    Project().Personal = personal;
    Project().MailMethod = mailMethodAt(method);
    QPointer<EMail> w = EMail::Show(nullptr);
    if (!w) return false;
    if (shown) *shown = w;
    if (w->isLoaded()) Form::activated(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !w;
}
