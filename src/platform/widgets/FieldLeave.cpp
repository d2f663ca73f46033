#include "FieldLeave.h"

#include <QWidget>

bool FieldLeave::leaving(const QFocusEvent *event)
{
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false; // the window lost the activation; the field keeps its place
    default:
        break;
    }
    // A field that never had the focus (Qt may pass it on through a field on its way elsewhere) is not left.
    const bool had = hasFocus;
    hasFocus = false;
    return had;
}

bool FieldLeave::settle(QWidget *field, bool cancel, const QString &value)
{
    if (!cancel) {
        refused = false;
        return true;
    }
    refused = true;
    refusedValue = value;
    field->setFocus(Qt::OtherFocusReason);
    return false;
}
