// Draws the pictures of the ten basic shapes for the main screen's shape buttons (normal and
// selected "_S"), and the program icon, into a catalogue folder:
//   gen_vormen <catalogue folder>   writes Vormen/*.bmp and ICO/ZanTof.ico
// Each picture is a small schematic of the frame: timber where the members are, glass between them.
#include "shape/ShapeCodes.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPolygon>
#include <QTextStream>

namespace {
constexpr int Size = 44;     // pixels, square
constexpr int Member = 4;    // timber thickness in pixels
const QColor Wood(196, 146, 86);
const QColor Outline(60, 40, 20);

struct Colours {
    QColor background, glass;
};
const Colours Normal{QColor(255, 255, 255), QColor(178, 218, 242)};
const Colours Selected{QColor(0, 200, 255), QColor(255, 255, 214)};

struct Picture {
    QPolygon outline;    // the frame's outer edge; empty for a loose sash
    QList<QRect> panes;  // the openings between the members
};

// Splits a rectangle into n columns (or rows) separated by a member.
QList<QRect> columns(const QRect &r, int n)
{
    QList<QRect> out;
    const int inner = r.width() - (n - 1) * Member;
    int x = r.left();
    for (int i = 0; i < n; ++i) {
        const int w = inner * (i + 1) / n - inner * i / n;
        out << QRect(x, r.top(), w, r.height());
        x += w + Member;
    }
    return out;
}

QRect rowPart(const QRect &r, int fromPercent, int toPercent)
{
    const int inner = r.height() - Member;
    const int top = r.top() + inner * fromPercent / 100 + (fromPercent > 0 ? Member : 0);
    const int bottom = r.top() + inner * toPercent / 100 + (toPercent < 100 ? 0 : Member);
    return QRect(r.left(), top, r.width(), bottom - top);
}

QRect inside(const QRect &r) { return r.adjusted(Member, Member, -Member, -Member); }

QPolygon box(const QRect &r) { return QPolygon(r); }

// A stepped outline as a frame is drawn: one top edge across, the sections from left to right
// with their bottom edges. A raised section ends higher, over an open corner.
QPolygon stepped(const QList<int> &xs, const QList<int> &bottoms, int top)
{
    QPolygon p;
    p << QPoint(xs.first(), top);
    for (int i = 0; i < bottoms.size(); ++i) p << QPoint(xs[i], bottoms[i]) << QPoint(xs[i + 1], bottoms[i]);
    p << QPoint(xs.last(), top);
    return p;
}

Picture picture(int k)
{
    const QRect frame(5, 4, 34, 36);
    const QRect wide(3, 7, 38, 30);
    switch (k) {
    case 0: return {box(frame), {inside(frame)}};
    case 1: return {box(frame), columns(inside(frame), 2)};
    case 2: return {box(wide), columns(inside(wide), 3)};
    case 3: return {box(wide), columns(inside(wide), 4)};
    case 4: { // raised section at the left, the full-height one at the right
        const int t = 4;
        return {stepped({3, 16, 41}, {28, 40}, t),
                {QRect(3 + Member, t + Member, 13 - 2 * Member + Member / 2, 28 - t - 2 * Member),
                 QRect(16 + Member / 2 + 1, t + Member, 41 - 16 - Member - Member / 2 - 1, 40 - t - 2 * Member)}};
    }
    case 5: { // the full-height section in the middle, raised ones either side
        const int t = 4;
        const QRect side(2 + Member, t + Member, 13 - 2 - Member - Member / 2, 28 - t - 2 * Member);
        QTransform mirror(-1, 0, 0, 1, Size, 0);
        return {stepped({2, 13, 31, 42}, {28, 40, 28}, t),
                {side, QRect(13 + Member / 2, t + Member, 31 - 13 - Member, 40 - t - 2 * Member), mirror.mapRect(side)}};
    }
    case 6: { // the mirror image of 4
        Picture p = picture(4);
        QTransform mirror(-1, 0, 0, 1, Size, 0);
        p.outline = mirror.map(p.outline);
        for (QRect &r : p.panes) r = mirror.mapRect(r).translated(-1, 0);
        return p;
    }
    case 7: { // one transom: a fanlight above
        const QRect in = inside(frame);
        return {box(frame), {rowPart(in, 0, 30), rowPart(in, 30, 100)}};
    }
    case 8: { // a mullion, with transoms at different heights on either side
        const QList<QRect> cols = columns(inside(frame), 2);
        return {box(frame),
                {rowPart(cols[0], 0, 35), rowPart(cols[0], 35, 100), rowPart(cols[1], 0, 55), rowPart(cols[1], 55, 100)}};
    }
    default: { // a loose sash without a frame
        const QRect sash(10, 5, 24, 34);
        return {QPolygon(), {inside(sash).adjusted(-1, -1, 1, 1), sash}};
    }
    }
}

QImage draw(int k, const Colours &c)
{
    QImage img(Size, Size, QImage::Format_RGB888);
    img.fill(c.background);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const Picture pic = picture(k);
    p.setPen(QPen(Outline, 1));
    if (k == 9) {
        // The sash: timber all round, the glass, and the opening mark from the hinge side.
        const QRect sash = pic.panes[1], glass = pic.panes[0];
        p.setBrush(Wood);
        p.drawRect(sash.adjusted(0, 0, -1, -1));
        p.setBrush(c.glass);
        p.drawRect(glass.adjusted(0, 0, -1, -1));
        p.drawLine(glass.topLeft(), QPoint(glass.right() - 1, glass.center().y()));
        p.drawLine(QPoint(glass.right() - 1, glass.center().y()), glass.bottomLeft() - QPoint(0, 1));
        return img;
    }
    p.setBrush(Wood);
    p.drawPolygon(pic.outline.translated(0, 0));
    p.setBrush(c.glass);
    for (const QRect &r : pic.panes) p.drawRect(r.adjusted(0, 0, -1, -1));
    return img;
}

QImage icon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int m = qMax(2, size / 8);
    const QRect frame(1, 1, size - 2, size - 2);
    p.fillRect(frame, Wood);
    const QRect in = frame.adjusted(m, m, -m, -m);
    const int half = (in.width() - m) / 2;
    const QColor glass = Normal.glass;
    p.fillRect(QRect(in.left(), in.top(), half, half), glass);
    p.fillRect(QRect(in.left() + half + m, in.top(), in.width() - half - m, half), glass);
    p.fillRect(QRect(in.left(), in.top() + half + m, half, in.height() - half - m), glass);
    p.fillRect(QRect(in.left() + half + m, in.top() + half + m, in.width() - half - m, in.height() - half - m), glass);
    p.setPen(Outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    return img;
}
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: gen_vormen <catalogue folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath("Vormen");
    out.mkpath("ICO");
    for (int k = 0; k < ShapeCodes::BasicShapeCount; ++k) {
        for (bool selected : {false, true}) {
            const QString name = out.filePath(ShapeCodes::pictureFile(k, selected));
            if (!draw(k, selected ? Selected : Normal).save(name, "BMP")) {
                err << "cannot write " << name << "\n";
                return 1;
            }
        }
    }
    QImageWriter ico(out.filePath("ICO/ZanTof.ico"), "ico");
    if (!ico.write(icon(32))) {
        err << "cannot write ICO/ZanTof.ico: " << ico.errorString() << "\n";
        return 1;
    }
    return 0;
}
