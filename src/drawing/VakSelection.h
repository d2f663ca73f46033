#pragma once
// The drawing window as the options window sees it: the number of the selected compartment (its
// compartment-number field, 1-based) and the redraw of that compartment. The options window looks
// the compartment up through it at every event, so both windows always work on the same one.
class VakSelection {
public:
    virtual ~VakSelection() = default;
    // False when the field is empty; the number then reads as 0.
    virtual bool hasVakNumber() const = 0;
    virtual int vakNumber() const = 0;
    virtual int vakNumberMinimum() const = 0;
    virtual int vakNumberMaximum() const = 0;
    // Shows the number; the drawing window then selects and marks that compartment.
    virtual void setVakNumber(int number) = 0;
    // Redraws the selected compartment.
    virtual void ReDrawVak() = 0;
};
