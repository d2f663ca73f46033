#pragma once
// A one-line text field; an empty field reads as "".
#include "FieldLeave.h"

#include <QLineEdit>

class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget *parent = nullptr);

    // What the user was last told when typing or pasting was refused; "" when nothing was refused.
    QString refusalNotice() const { return refusalNotice_; }

signals:
    // The user leaves the field; set cancel to keep the focus in it.
    void Validate(bool &cancel);
    void LostFocus();
    void Click();

protected:
    // Runs as the field is left, before the validation notification.
    virtual void leavingField() {}
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void inputRefused();

    FieldLeave leave;
    QString refusalNotice_;
};
