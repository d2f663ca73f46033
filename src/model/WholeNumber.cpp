#include "WholeNumber.h"

#include <QRegularExpression>
#include <cmath>

std::optional<int> WholeNumber(const QString &text)
{
    static const QRegularExpression number(R"(^[+-]?(\d+(\.\d*)?|\.\d+)$)");
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch()) return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    const double r = std::nearbyint(v); // the default rounding mode: to nearest, halves to even
    if (r < -32768 || r > 32767) return std::nullopt;
    return int(r);
}

double LeadingNumber(const QString &text)
{
    static const QRegularExpression leading(R"(^([+-]?(\d+(\.\d*)?|\.\d+)))");
    QString t = text;
    t.remove(' ').remove('\t').remove('\n');
    const QRegularExpressionMatch m = leading.match(t);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}
