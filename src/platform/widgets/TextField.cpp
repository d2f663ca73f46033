#include "TextField.h"

#include "platform/TextFile.h"

#include <QApplication>
#include <QMouseEvent>
#include <QToolTip>
#include <QValidator>

namespace {
// The files are Windows-1252, which the factory reads: a character the code page cannot hold is
// refused as it is typed or pasted, rather than turned into "?" later in the file without a word.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (const QChar c : input)
            if (c != u'?' && encodeCp1252(c.unicode()) == '?') {
                refused = c;
                return Invalid;
            }
        refused = QChar();
        return Acceptable;
    }
    mutable QChar refused;
};
}

TextField::TextField(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new Cp1252Validator(this));
    connect(this, &QLineEdit::inputRejected, this, &TextField::inputRefused);
}

void TextField::inputRefused()
{
    // A subclass may have put its own validator in place (the numeric field); only a refused character is told.
    const auto *v = dynamic_cast<const Cp1252Validator *>(validator());
    if (!v || v->refused.isNull()) return;
    refusalNotice_ = QStringLiteral("Het teken \"%1\" kan niet worden opgeslagen en is niet overgenomen.").arg(v->refused);
    QApplication::beep();
    QToolTip::showText(mapToGlobal(QPoint(0, height())), refusalNotice_, this);
}

void TextField::focusInEvent(QFocusEvent *event)
{
    leave.focusIn();
    QLineEdit::focusInEvent(event);
}

void TextField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!leave.leaving(event)) return;
    leavingField();
    bool cancel = false;
    if (!leave.refusedBefore(text())) emit Validate(cancel);
    if (leave.settle(this, cancel, text())) emit LostFocus();
}

void TextField::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit Click();
}
