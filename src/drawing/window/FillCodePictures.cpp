#include "FillCodePictures.h"

#include "model/Vocabularies.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int S = FillCodePictures::Size;
const QColor Ink(0, 0, 0);
const QColor Timber(150, 95, 40);

QPixmap blank()
{
    QPixmap pm(S, S);
    pm.fill(Qt::transparent);
    return pm;
}

QPen pen(bool dotted = false, const QColor &colour = Ink)
{
    QPen p(colour, 1, Qt::SolidLine);
    if (dotted) p.setDashPattern({2, 2}); // one-pixel dots would read as grey at this size
    p.setCosmetic(true);
    return p;
}

// The frame around a picture: tall for a door, square for a window or panel.
QRect outline(bool door) { return door ? QRect(7, 1, 18, 29) : QRect(3, 4, 26, 23); }

void frame(QPainter &p, const QRect &r)
{
    p.setPen(pen(false, Timber));
    p.setBrush(QColor(255, 250, 235));
    p.drawRect(r);
    p.setBrush(Qt::NoBrush);
}

// Lines from the left corners to the middle of the right edge: a leaf hung at the left.
void side(QPainter &p, const QRect &r, bool dotted)
{
    p.setPen(pen(dotted));
    const int ym = r.center().y();
    p.drawLine(r.left(), r.top(), r.right(), ym);
    p.drawLine(r.right(), ym, r.left(), r.bottom());
}

void tilt(QPainter &p, const QRect &r)
{
    p.setPen(pen(true));
    const int xm = r.center().x();
    p.drawLine(xm, r.top(), r.left(), r.bottom());
    p.drawLine(xm, r.top(), r.right(), r.bottom());
}

void diagonals(QPainter &p, const QRect &r, bool dotted)
{
    p.setPen(pen(dotted));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

// Two leaves side by side: the meeting line, and both diagonals.
void pair(QPainter &p, const QRect &r, bool dotted, bool tilts)
{
    const int xm = r.center().x();
    p.setPen(pen());
    p.drawLine(xm, r.top(), xm, r.bottom());
    diagonals(p, r, dotted);
    if (tilts) {
        p.setPen(pen(true));
        p.drawLine((r.left() + xm) / 2, r.top(), r.left(), r.bottom());
        p.drawLine((r.left() + xm) / 2, r.top(), xm, r.bottom());
    }
}

void arrow(QPainter &p, int x1, int x2, int y)
{
    p.setPen(pen());
    p.drawLine(x1, y, x2, y);
    const int d = x2 > x1 ? -4 : 4;
    p.drawLine(x2, y, x2 + d, y - 3);
    p.drawLine(x2, y, x2 + d, y + 3);
}

// Panels: boards, a raised panel, or a cross hatch in the panel's own tint.
void boards(QPainter &p, const QRect &r)
{
    p.setPen(pen());
    for (int y = r.top() + 4; y < r.bottom(); y += 4) p.drawLine(r.left(), y, r.right(), y);
}

void verticalBoards(QPainter &p, const QRect &r)
{
    p.setPen(pen());
    for (int x = r.left() + 4; x < r.right(); x += 4) p.drawLine(x, r.top(), x, r.bottom());
}

void raised(QPainter &p, const QRect &r)
{
    const QRect inner = r.adjusted(6, 6, -6, -6);
    p.setPen(pen());
    p.drawRect(inner);
    p.drawLine(r.topLeft(), inner.topLeft());
    p.drawLine(r.topRight(), inner.topRight());
    p.drawLine(r.bottomRight(), inner.bottomRight());
    p.drawLine(r.bottomLeft(), inner.bottomLeft());
}

void hatched(QPainter &p, const QRect &r, const QColor &tint)
{
    const QRect in = r.adjusted(1, 1, -1, -1);
    p.fillRect(in, tint.lighter(125));
    p.fillRect(in, QBrush(tint.darker(160), Qt::DiagCrossPattern));
}

void twoPanes(QPainter &p, const QRect &r, bool dotted)
{
    p.setPen(pen());
    p.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    side(p, r, dotted);
}

void liftSlide(QPainter &p, const QRect &r)
{
    p.setPen(pen());
    p.drawLine(r.center().x(), r.top(), r.center().x(), r.bottom());
    arrow(p, r.left() + 3, r.center().x() - 2, r.center().y());
    arrow(p, r.right() - 3, r.center().x() + 2, r.center().y() + 6);
}

void topHung(QPainter &p, const QRect &r)
{
    p.setPen(pen());
    p.drawLine(r.topLeft(), QPoint(r.center().x(), r.bottom()));
    p.drawLine(r.topRight(), QPoint(r.center().x(), r.bottom()));
}

void bottomHung(QPainter &p, const QRect &r)
{
    p.setPen(pen(true));
    p.drawLine(QPoint(r.center().x(), r.top()), r.bottomLeft());
    p.drawLine(QPoint(r.center().x(), r.top()), r.bottomRight());
}

// What a fill code's button shows inside its frame.
struct Picture {
    QString code;
    void (*draw)(QPainter &, const QRect &);
};

const QList<Picture> &pictures()
{
    using P = QPainter;
    using R = QRect;
    static const QList<Picture> table = {
        {"DE", [](P &p, const R &r) { side(p, r, false); }},
        {"BE", [](P &p, const R &r) { side(p, r, true); }},
        {"D2", [](P &p, const R &r) { twoPanes(p, r, false); }},
        {"B2", [](P &p, const R &r) { twoPanes(p, r, true); }},
        {"DD", [](P &p, const R &r) { tilt(p, r); side(p, r, true); }},
        {"DU", [](P &p, const R &r) { pair(p, r, false, false); }},
        {"DK", [](P &p, const R &r) { pair(p, r, false, true); }},
        {"SD", liftSlide},
        {"RA", [](P &p, const R &r) { side(p, r, false); }},
        {"RB", [](P &p, const R &r) { side(p, r, true); }},
        {"KL", topHung},
        {"VA", bottomHung},
        {"DV", [](P &p, const R &r) { tilt(p, r); side(p, r, true); }},
        {"SU", [](P &p, const R &r) { pair(p, r, false, false); }},
        {"SV", [](P &p, const R &r) { pair(p, r, false, true); }},
        {"PRA", boards},
        {"PTR", [](P &p, const R &r) { hatched(p, r, QColor(200, 200, 200)); }},
        {"PWB", [](P &p, const R &r) { hatched(p, r, QColor(205, 170, 110)); }},
        {"PGL", [](P &p, const R &r) { hatched(p, r, QColor(150, 190, 230)); }},
        {"PBO", raised},
        {"PV", verticalBoards},
    };
    return table;
}

const Picture *pictureOf(const QString &code)
{
    for (const Picture &picture : pictures())
        if (picture.code == code) return &picture;
    return nullptr;
}

void back(QPainter &p)
{
    QPen pn(Ink, 2);
    p.setPen(pn);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    path.moveTo(25, 22);
    path.cubicTo(25, 12, 18, 10, 8, 10);
    p.drawPath(path);
    p.setBrush(Ink);
    p.drawPolygon(QPolygon({QPoint(4, 10), QPoint(10, 5), QPoint(10, 15)}));
}
}

QPixmap FillCodePictures::forButton(int button)
{
    QPixmap pm = blank();
    QPainter p(&pm);
    const FillCodeInfo *info = FillCodes::forButton(button);
    if (!info) {
        back(p);
        return pm;
    }
    const QRect r = outline(info->fillType == FillTypes::Door);
    frame(p, r);
    if (const Picture *picture = pictureOf(info->code)) picture->draw(p, r);
    return pm;
}

bool FillCodePictures::hasPicture(const QString &code) { return pictureOf(code) != nullptr; }

QPixmap FillCodePictures::erase()
{
    QPixmap pm = blank();
    QPainter p(&pm);
    const QRect r = outline(false);
    p.setPen(pen(true));
    p.drawRect(r);
    QPen red(QColor(190, 0, 0), 3);
    p.setPen(red);
    p.drawLine(r.left() + 5, r.top() + 5, r.right() - 5, r.bottom() - 5);
    p.drawLine(r.right() - 5, r.top() + 5, r.left() + 5, r.bottom() - 5);
    return pm;
}
