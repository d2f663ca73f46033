#include "ShapeWidthInputs.h"

#include "platform/Rounding.h"

std::optional<int> readWidthInput(const ShapeWidthInputs *inputs, int index, int sum)
{
    if (!inputs) return std::nullopt;
    const auto v = roundHalfEven(inputs->widthInput(index) + sum);
    if (!v || !fitsInt16(*v)) return std::nullopt;
    return int(*v);
}
