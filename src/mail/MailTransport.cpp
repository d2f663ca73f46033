#include "MailTransport.h"

MailTimeouts &mailTimeouts()
{
    static MailTimeouts timeouts;
    return timeouts;
}

QString explained(const QString &explanation, const QString &own)
{
    return own.isEmpty() ? explanation : explanation + " (" + own + ")";
}
