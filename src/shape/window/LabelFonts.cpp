#include "LabelFonts.h"

#include "platform/Rounding.h"

namespace {
int pairs = 0;
constexpr int LabelTwips = 200;
}

LabelFonts::~LabelFonts() { DeleteLabelFonts(); }

int LabelFonts::livePairs() { return pairs; }

PictureFont LabelFonts::make() const
{
    PictureFont f;
    f.font = QFont(description.faceName);
    f.font.setPixelSize(-description.height);
    f.font.setStyleStrategy(QFont::NoAntialias);
    f.escapement = description.escapement;
    return f;
}

void LabelFonts::CreateLabelFonts(int twipsPerPixelY)
{
    DeleteLabelFonts();
    description = {};
    description.height = int(divRoundHalfEven(-LabelTwips, twipsPerPixelY > 0 ? twipsPerPixelY : 15));
    description.faceName = "Arial";
    description.escapement = 900;
    vertical_ = make();
    description.escapement = 0;
    horizontal = make();
    ++pairs;
}

void LabelFonts::PrintSizeLabel(ShapePicture &picture, int x, int y, const QString &text, bool vertical) const
{
    const std::optional<PictureFont> &font = vertical ? vertical_ : horizontal;
    if (!font) return;
    const PictureFont kept = picture.selectFont(*font);
    picture.setCurrentPosition({x, y});
    picture.print(text);
    picture.selectFont(kept);
}

void LabelFonts::DeleteLabelFonts()
{
    if (!horizontal) return;
    vertical_.reset();
    horizontal.reset();
    --pairs;
}
