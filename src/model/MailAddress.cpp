#include "MailAddress.h"

bool isPlainMailAddress(const QString &address)
{
    const qsizetype at = address.indexOf('@');
    if (at <= 0 || at != address.lastIndexOf('@') || at == address.size() - 1) return false;
    for (QChar c : address)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || c == '<' || c == '>') return false;
    return true;
}
