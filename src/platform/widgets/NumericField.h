#pragma once
// A field for a whole number (millimetres, counts): at most four digits by default (format "####",
// 0 to 9999). An empty field reads as 0.
#include "TextField.h"

#include <optional>

class NumericField : public TextField {
    Q_OBJECT
public:
    explicit NumericField(QWidget *parent = nullptr);

    // The number shown; 0 when the field is empty.
    int value() const;
    bool isEmpty() const { return text().trimmed().isEmpty(); }
    // Shows the number, kept within the limits; Change is notified even when the value stays the same.
    void setValue(int value);
    // Shows a text as the user would type it: its leading number within the limits, or nothing.
    void setValueText(const QString &text);
    // Leaves the field without a value.
    void clearValue();

    void setRange(int minimum, int maximum);

    // What leaving the field does with a typed value beyond the limits: bring it within them, or put
    // back the last value within them that the field held (where the value selects something, a
    // number brought within the limits would select something else than what is shown selected).
    enum class OutOfRange { BringWithin, PutBack };
    void setOutOfRange(OutOfRange policy) { outOfRange_ = policy; }
    // Deals with a typed value beyond the limits as leaving the field does; for an action that may come
    // without the focus leaving the field (a tool button's click).
    void settleOutOfRange();
    int minimum() const { return min_; }
    int maximum() const { return max_; }

signals:
    // The value changed: typed by the user, or set by the program (even to the value it had).
    void Change();

protected:
    void leavingField() override;

private:
    void display(int value);
    void applyRange();
    bool inRange(int v) const { return v >= min_ && v <= max_; }
    int min_ = 0;
    int max_ = 9999;
    OutOfRange outOfRange_ = OutOfRange::BringWithin;
    std::optional<int> lastInRange_;
};
