#pragma once
// The shape window's clear-width inputs B(0) to B(4) as the frame drawing reads them: two shapes
// take a column position from what the inputs hold at the moment of drawing, not from the mark.
// The drawing window hands an implementation over the open shape window to DrawFrame.
#include "model/Records.h"

#include <optional>

class ShapeWidthInputs {
public:
    virtual ~ShapeWidthInputs() = default;
    // The current value of input B(index); an empty input reads as 0.
    virtual double widthInput(int index) const = 0;
};

// One read: the input's value plus `sum`, rounded halves to even; nullopt without inputs, for a
// value that is no number, or when the result does not fit 16 bits.
std::optional<int> readWidthInput(const ShapeWidthInputs *inputs, int index, int sum = 0);
