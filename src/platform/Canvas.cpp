#include "Canvas.h"

#include "Rounding.h"

#include <QFontMetrics>

QFont Canvas::font() const
{
    QFont f(state_.FontName);
    // Points to pixels at 96 dpi, as the screen maps them (8 points are 11 pixels).
    const long long pixels = roundHalfEven(state_.FontSize * 96.0 / 72.0).value_or(1);
    f.setPixelSize(int(qBound(1LL, pixels, 500LL)));
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int Canvas::lineHeight() const { return QFontMetrics(font()).height() * TwipsPerPixel; }

void Canvas::cls()
{
    clearPicture();
    state_.CurrentX = 0;
    state_.CurrentY = 0;
}

void Canvas::print(const QString &text)
{
    drawText(text);
    state_.CurrentY += lineHeight();
    state_.CurrentX = 0;
}
