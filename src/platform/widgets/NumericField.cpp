#include "NumericField.h"

#include <QValidator>

namespace {
// Digits, after one leading minus where the range goes below 0; what the field holds at every step
// of typing, so nothing is ever an intermediate state. Checked by hand: a pattern validator would
// load and compile the regular-expression engine when the program shows its first value.
class DigitsValidator : public QValidator {
public:
    DigitsValidator(bool withMinus, QObject *parent) : QValidator(parent), withMinus_(withMinus) {}
    State validate(QString &input, int &) const override
    {
        for (qsizetype i = withMinus_ && input.startsWith(u'-') ? 1 : 0; i < input.size(); ++i)
            if (input[i] < u'0' || input[i] > u'9') return Invalid;
        return Acceptable;
    }

private:
    bool withMinus_;
};
}

NumericField::NumericField(QWidget *parent) : TextField(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyRange();
    connect(this, &QLineEdit::textEdited, this, &NumericField::Change);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!isEmpty() && inRange(value())) lastInRange_ = value();
    });
}

void NumericField::applyRange()
{
    // Digits only: a locale validator would also take group separators ("123.") while typing.
    setValidator(new DigitsValidator(min_ < 0, this));
    const int digits = int(QString::number(qMax(qAbs(min_), qAbs(max_))).size());
    setMaxLength(digits + (min_ < 0 ? 1 : 0));
}

void NumericField::setRange(int minimum, int maximum)
{
    min_ = minimum;
    max_ = qMax(minimum, maximum);
    applyRange();
    if (!isEmpty()) display(value());
}

int NumericField::value() const
{
    bool ok = false;
    const int v = text().trimmed().toInt(&ok);
    return ok ? v : 0;
}

void NumericField::display(int v) { QLineEdit::setText(QString::number(qBound(min_, v, max_))); }

void NumericField::setValue(int v)
{
    display(v);
    emit Change();
}

void NumericField::setValueText(const QString &t)
{
    const QString s = t.trimmed();
    qsizetype end = 0;
    if (end < s.size() && (s[end] == '-' || s[end] == '+')) ++end;
    while (end < s.size() && s[end] >= '0' && s[end] <= '9') ++end;
    bool ok = false;
    const qlonglong v = s.left(end).toLongLong(&ok);
    if (ok)
        setValue(int(qBound<qlonglong>(qlonglong(min_), v, qlonglong(max_))));
    else
        clearValue();
}

void NumericField::clearValue()
{
    QLineEdit::setText(QString());
    emit Change();
}

void NumericField::leavingField() { settleOutOfRange(); }

void NumericField::settleOutOfRange()
{
    if (isEmpty() || inRange(value())) return;
    if (outOfRange_ == OutOfRange::PutBack && lastInRange_ && inRange(*lastInRange_))
        setValue(*lastInRange_);
    else
        setValue(value()); // brought within the limits
}
