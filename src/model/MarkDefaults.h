#pragma once
// What a mark starts with: the defaults Basis.TXT gives at the start (its frame thickness is the
// mullion's and the transom's too), which the project keeps and the main screen shows, and the new
// mark made of the project's defaults.
#include "Catalogue.h"

#include <optional>

// The mark's defaults that a Basis.TXT gives: each only where the file held its line.
struct MarkDefaults {
    std::optional<QString> timberType;
    std::optional<int16> frameThickness;
    std::optional<int16> frameWidth;
    std::optional<int16> mullionThickness;
    std::optional<int16> transomThickness;
    std::optional<bool> resistanceClass2;
};
MarkDefaults markDefaults(const Catalogue::FactoryDefaults &factory);

// A new mark labelled `label`: drawn once, of the project's default timber type, frame sizes and
// mullion and transom thickness; everything else empty.
FrameRecord newMark(const ProjectState &state, const QString &label);
