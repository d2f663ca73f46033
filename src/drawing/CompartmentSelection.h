#pragma once
// The drawing window as the options window sees it: the number of the selected compartment (its
// compartment-number field, 1-based) and the redraw of that compartment. The options window looks
// the compartment up through it at every event, so both windows always work on the same one.
class CompartmentSelection {
public:
    virtual ~CompartmentSelection() = default;
    // False when the field is empty; the number then reads as 0.
    virtual bool hasCompartmentNumber() const = 0;
    virtual int compartmentNumber() const = 0;
    virtual int compartmentNumberMinimum() const = 0;
    virtual int compartmentNumberMaximum() const = 0;
    // Shows the number; the drawing window then selects and marks that compartment.
    virtual void setCompartmentNumber(int number) = 0;
    // Redraws the selected compartment.
    virtual void ReDrawVak() = 0;

    // On to the next compartment; after the last, the first.
    void selectNextCompartment()
    {
        const int v = compartmentNumber();
        setCompartmentNumber(v < compartmentNumberMaximum() ? v + 1 : compartmentNumberMinimum());
    }
};
