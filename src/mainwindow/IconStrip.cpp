#include "IconStrip.h"

#include <QPainter>
#include <QPolygon>

namespace IconStrip {

namespace {
// Small glyphs, one string per row: '#' is a pixel in the given colour.
void glyph(QPainter &p, int x, int y, const QColor &colour, std::initializer_list<const char *> rows)
{
    p.setPen(colour);
    int r = 0;
    for (const char *row : rows) {
        for (int c = 0; row[c]; ++c)
            if (row[c] == '#') p.drawPoint(x + c, y + r);
        ++r;
    }
}

void bubble(QPainter &p, int x0, const QColor &outline)
{
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawRoundedRect(x0 + 1, 1, 13, 10, 3, 3);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygon({{x0 + 4, 11}, {x0 + 8, 11}, {x0 + 3, 15}}));
    p.setPen(outline);
    p.drawLine(x0 + 3, 12, x0 + 3, 15);
    p.drawLine(x0 + 4, 14, x0 + 7, 12);
}

void cross(QPainter &p, int x0, int from, int to, const QColor &colour)
{
    p.setPen(colour);
    for (int i = from; i <= to; ++i) {
        p.drawPoint(x0 + i, i);
        p.drawPoint(x0 + i + 1, i);
        p.drawPoint(x0 + to + from - i, i);
        p.drawPoint(x0 + to + from - i + 1, i);
    }
}

void closeFace(QPainter &p, int x0, const QColor &face, const QColor &border, const QColor &mark)
{
    p.setPen(border);
    p.setBrush(face);
    p.drawRect(x0 + 1, 1, 13, 13);
    cross(p, x0, 4, 10, mark);
}

void magnifier(QPainter &p, int x0, int y0, const QColor &rim)
{
    p.setPen(rim);
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(x0 + 1, y0 + 1, 7, 7);
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.drawLine(x0 + 8, y0 + 8, x0 + 11, y0 + 11);
}

QImage drawStrip()
{
    QImage strip(CellSize * Cells, CellSize, QImage::Format_RGB32);
    strip.fill(Transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing, false); // no pixel half green
    auto at = [](int cell) { return (cell - 1) * CellSize; };

    // 1 stop
    p.setPen(QColor(128, 0, 0));
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(at(1) + 0, 0, 15, 15);
    cross(p, at(1), 4, 10, Qt::white);

    // 2 warning
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 220, 0));
    p.drawPolygon(QPolygon({{at(2) + 7, 0}, {at(2) + 8, 0}, {at(2) + 15, 14}, {at(2) + 0, 14}}));
    p.fillRect(at(2) + 7, 4, 2, 6, Qt::black);
    p.fillRect(at(2) + 7, 11, 2, 2, Qt::black);

    // 3 information
    bubble(p, at(3), QColor(0, 0, 160));
    glyph(p, at(3) + 6, 2, QColor(0, 0, 200), {"##", "", "###", " ##", " ##", " ##", "####"});

    // 4 question
    bubble(p, at(4), QColor(0, 0, 160));
    glyph(p, at(4) + 5, 2, QColor(0, 0, 200), {" ### ", "#   #", "   # ", "  #  ", "  #  ", "     ", "  #  "});

    // 5 two persons
    p.setPen(QColor(60, 40, 20));
    p.setBrush(QColor(90, 120, 200));
    p.drawRoundedRect(at(5) + 6, 9, 9, 6, 2, 2);
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(at(5) + 8, 3, 5, 5);
    p.setBrush(QColor(200, 70, 50));
    p.drawRoundedRect(at(5) + 0, 10, 8, 5, 2, 2);
    p.setBrush(QColor(250, 210, 170));
    p.drawEllipse(at(5) + 1, 5, 5, 5);

    // 6 keys
    p.setPen(QColor(120, 90, 0));
    p.setBrush(QColor(240, 200, 40));
    p.drawEllipse(at(6) + 0, 0, 6, 6);
    p.fillRect(at(6) + 5, 5, 1, 1, QColor(120, 90, 0));
    p.setPen(QPen(QColor(120, 90, 0), 2));
    p.drawLine(at(6) + 5, 5, at(6) + 13, 13);
    p.setPen(QColor(120, 90, 0));
    p.drawLine(at(6) + 10, 12, at(6) + 12, 10);
    p.drawLine(at(6) + 8, 10, at(6) + 9, 9);
    p.fillRect(at(6) + 2, 2, 2, 2, Transparent);

    // 7 magnifier
    magnifier(p, at(7), 1, QColor(40, 40, 40));
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.drawLine(at(7) + 11, 11, at(7) + 14, 14);

    // 8 disc with a magnifier
    p.setPen(QColor(0, 70, 0));
    p.setBrush(QColor(40, 150, 60));
    p.drawEllipse(at(8) + 0, 0, 15, 15);
    magnifier(p, at(8) + 2, 2, Qt::white);

    // 9 to 11 the close button: normal, highlighted, pressed
    closeFace(p, at(9), QColor(236, 236, 236), QColor(160, 160, 160), QColor(110, 110, 110));
    closeFace(p, at(10), QColor(255, 140, 40), QColor(200, 90, 0), Qt::white);
    closeFace(p, at(11), QColor(190, 80, 0), QColor(120, 50, 0), QColor(255, 230, 210));

    // 12 white square with a green border (not the transparent green)
    p.setPen(QColor(0, 150, 0));
    p.setBrush(Qt::white);
    p.drawRect(at(12) + 1, 1, 13, 13);
    return strip;
}
}

const QImage &stripImage()
{
    static const QImage strip = drawStrip();
    return strip;
}

void MaskedCopy(QImage &destination, const QImage &source, const QRect &sourceRect, QPoint at, QRgb transparent)
{
    for (int y = 0; y < sourceRect.height(); ++y) {
        for (int x = 0; x < sourceRect.width(); ++x) {
            const QPoint from = sourceRect.topLeft() + QPoint(x, y), to = at + QPoint(x, y);
            if (!source.valid(from) || !destination.valid(to)) continue;
            const QRgb pixel = source.pixel(from);
            if ((pixel & 0xFFFFFF) != (transparent & 0xFFFFFF)) destination.setPixel(to, pixel);
        }
    }
}

QImage cellPicture(int cell, int size, const QColor &back)
{
    const QImage &strip = stripImage();
    QImage canvas(strip.size(), QImage::Format_RGB32);
    canvas.fill(back);
    MaskedCopy(canvas, strip, strip.rect(), QPoint(0, 0), Transparent);
    return canvas.copy((cell - 1) * size, 0, size, size);
}

} // namespace IconStrip
