#include "WholeNumber.h"

#include <cmath>

namespace {
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The length of the number `text` starts with: a sign, then digits with an optional point
// and fraction, or a point and at least one digit; 0 when it starts with none. Read by hand rather
// than by a pattern: the start reads catalogue lines, and a pattern would load and compile the
// regular-expression engine there (half a megabyte of the start's memory).
qsizetype numberLength(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) ++i;
    const qsizetype digitsFrom = i;
    while (i < n && isDigit(text[i])) ++i;
    if (i > digitsFrom) {
        if (i < n && text[i] == u'.') {
            ++i;
            while (i < n && isDigit(text[i])) ++i;
        }
        return i;
    }
    if (i < n && text[i] == u'.' && i + 1 < n && isDigit(text[i + 1])) {
        i += 2;
        while (i < n && isDigit(text[i])) ++i;
        return i;
    }
    return 0;
}
}

std::optional<int> wholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || numberLength(t) != t.size()) return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    const double r = std::nearbyint(v); // the default rounding mode: to nearest, halves to even
    if (r < -32768 || r > 32767) return std::nullopt;
    return int(r);
}

double leadingNumber(const QString &text)
{
    QString t = text;
    t.remove(' ').remove('\t').remove('\n');
    const qsizetype length = numberLength(t);
    return length > 0 ? t.left(length).toDouble() : 0.0;
}
