#pragma once
// What the input fields share about leaving a field.
//
// Leaving means the focus moves to another control of the same window. A window losing the
// activation (a message box, a file dialog, another program, the menu) is not leaving a field, so
// a check shown in a message box can never run again because of its own box.
//
// A field check can refuse the move: the focus goes back into the field. It refuses once per
// value: leaving again with the same text lets the user go, so a check never traps the focus.
#include <QFocusEvent>
#include <QString>

class QWidget;

class FieldLeave {
public:
    void focusIn() { hasFocus = true; }
    // True when the focus change leaves the field.
    bool leaving(const QFocusEvent *event);
    // The value was refused when the field was last left: it is not checked (nor reported) again.
    bool refusedBefore(const QString &value) const { return refused && refusedValue == value; }
    // After the validation notification: true when the move stands. On a refusal puts the focus back.
    bool settle(QWidget *field, bool cancel, const QString &value);

private:
    bool hasFocus = false;
    bool refused = false;
    QString refusedValue;
};
