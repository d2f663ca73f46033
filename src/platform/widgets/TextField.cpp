#include "TextField.h"

#include <QMouseEvent>

TextField::TextField(QWidget *parent) : QLineEdit(parent) {}

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
