#include "SymbolContext.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <climits>

int SymbolMath::cint(double v)
{
    const auto r = roundHalfEven(v);
    return r ? int(std::clamp<long long>(*r, INT_MIN / 4, INT_MAX / 4)) : 0;
}

int16 SymbolMath::to16(int v) { return int16(std::clamp(v, -32768, 32767)); }

int SymbolMath::spacing(int length, int board)
{
    // A panel side under 51 mm or a breast wall under 76 mm would otherwise divide by 0.
    const int count = std::max(1, cint(double(length) / board));
    return std::max(1, cint(double(length) / count));
}

CompartmentPartRecord *SymbolContext::part(int k) const { return k < c.Parts.size() ? &c.Parts[k] : nullptr; }

void SymbolContext::setPart(int k, int x, int y, int w, int h) const
{
    using SymbolMath::to16;
    if (CompartmentPartRecord *p = part(k)) {
        p->PartX = to16(x);
        p->PartY = to16(y);
        p->PartWidth = to16(w);
        p->PartHeight = to16(h);
    }
}

void SymbolContext::drawPartBox(int k) const
{
    if (const CompartmentPartRecord *p = part(k)) {
        const int x = c.PosX + p->PartX, y = c.PosY + p->PartY;
        tools.DrawBoxMm(x, y, x + p->PartWidth, y + p->PartHeight);
    }
}

void SymbolContext::setFore(bool background) const
{
    CanvasState &s = tools.canvas().state();
    s.ForeColor = background ? s.BackColor : QColor(Qt::black);
}
