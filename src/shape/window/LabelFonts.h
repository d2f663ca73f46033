#pragma once
// The two fonts of the overall sizes printed on the shape picture: the width upright, the height
// turned a quarter turn so that it reads upwards along the side of the frame. Both are made from
// one description when the shape window loads and dropped when it unloads.
#include "ShapePicture.h"

#include <optional>

struct LabelFontDescription {
    int height = 0;     // negative: the character height in pixels
    int escapement = 0; // tenths of a degree anticlockwise
    QString faceName;
};

class LabelFonts {
public:
    LabelFonts() = default;
    ~LabelFonts();
    LabelFonts(const LabelFonts &) = delete;
    LabelFonts &operator=(const LabelFonts &) = delete;

    // 200 twips (10 points) high at any resolution: -13 at 15 twips per pixel, -17 at 12.
    void CreateLabelFonts(int twipsPerPixelY = 15);
    // Prints with the vertical or the horizontal font; the picture's font is put back afterwards.
    void PrintSizeLabel(ShapePicture &picture, int x, int y, const QString &text, bool vertical) const;
    void DeleteLabelFonts();

    const LabelFontDescription &LabelFont() const { return description; }
    bool exist() const { return horizontal.has_value(); }
    // Pairs made and not yet deleted, program-wide.
    static int livePairs();

private:
    PictureFont make() const;
    LabelFontDescription description;
    std::optional<PictureFont> vertical_, horizontal;
};
