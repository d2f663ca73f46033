#include "DirectionPictures.h"

#include "drawing/CompartmentSymbols.h"
#include "model/Vocabularies.h"
#include "platform/ImageCanvas.h"

namespace DirectionPictures {

QPixmap forChoice(const QString &fillCode, const QString &fillType, CompartmentOptions::DirectionChoice choice)
{
    // Sizes whose scale comes out at a whole tenth of a twip per millimetre, so the picture fills
    // the button: a door 1000 x 2000, two leaves 1800 x 2000, a lift-slide door 2400 x 2200, a
    // window 1200 x 1200, each in a frame member of 100.
    const FillCodeInfo *info = FillCodes::find(fillCode);
    const bool door = fillType == FillTypes::Door;
    const bool twoLeaves = info && info->twoLeaves;
    QSize clear(1200, 1200);
    if (info && info->opening == OpeningField::Sliding) clear = QSize(2400, 2200);
    else if (twoLeaves) clear = QSize(1800, door ? 2000 : 1200);
    else if (door) clear = QSize(1000, 2000);

    FrameRecord mark;
    mark.FrameThickness = 100;
    mark.Width = int16(clear.width() + 200);
    mark.Height = int16(clear.height() + 200);
    CompartmentRecord c;
    c.FillType = fillType;
    c.FillCode = fillCode;
    c.PosX = 100;
    c.PosY = 100;
    c.ClearWidth = int16(clear.width());
    c.ClearHeight = int16(clear.height());
    c.Direction = int16(choice.direction);
    c.OpensInward = choice.inward;
    c.Parts = QList<CompartmentPartRecord>(info ? info->parts : 1);
    mark.Compartments = {c};

    ImageCanvas canvas(Size * TwipsPerPixel, Size * TwipsPerPixel);
    DrawTools tools(canvas);
    tools.SetDrawScale(mark.Width, mark.Height);
    tools.DrawBoxMm(0, 0, mark.Width, mark.Height);
    CompartmentSymbols symbols(tools);
    symbols.ReDrawVak(mark, 0);
    return QPixmap::fromImage(canvas.image());
}

}
