#include "MarkNames.h"

#include "platform/Dialogs.h"
#include "platform/TextFile.h"

#include <QRegularExpression>
#include <cmath>

namespace {
// The character after c, where that is one a label can hold (printable, and in Windows-1252).
std::optional<QChar> nextCharacter(QChar c)
{
    const QChar next(char16_t(c.unicode() + 1));
    if (!next.isPrint() || next.isSpace()) return std::nullopt;
    if (fromCp1252(toCp1252(QString(next))) != QString(next)) return std::nullopt;
    return next;
}
}

QString NextMarkName(const QString &label)
{
    if (label.isEmpty()) return "A";
    if (label == "9") return "10";
    if (label == "Z") return "AA";
    QString next = label;
    for (qsizetype i = next.size() - 1; i >= 0; --i) {
        const QChar c = next[i];
        if (c == '9' || c == 'Z') {
            if (i == 0) break; // the carry runs off the left end
            next[i] = c == '9' ? QChar('0') : QChar('A');
            continue;
        }
        if (const auto stepped = nextCharacter(c)) {
            next[i] = *stepped;
            return next;
        }
        break;
    }
    MsgBox("Kan geen opvolgend merk aanmaken !", MsgStyle::Exclamation, "FOUTMELDING");
    return {};
}

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
