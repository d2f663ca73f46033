#include "ButtonPictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <initializer_list>

namespace {
// A button picture: a transparent 36 by 36 pixmap, drawn smoothed by `draw`.
template <typename Draw> QPixmap picture(Draw draw)
{
    QPixmap pm(36, 36);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return pm;
}

// A closed outline through the points, in their order.
QPainterPath outline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.moveTo(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it) path.lineTo(*it);
    path.closeSubpath();
    return path;
}

// Hands every request to a plain icon of the picture, made at the first request.
class DrawnOnFirstUse : public QIconEngine {
public:
    explicit DrawnOnFirstUse(QPixmap (*draw)()) : draw_(draw) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override
    {
        auto *copy = new DrawnOnFirstUse(draw_);
        copy->icon_ = icon_;
        return copy;
    }

private:
    const QIcon &icon()
    {
        if (icon_.isNull()) icon_ = QIcon(draw_());
        return icon_;
    }
    QPixmap (*draw_)();
    QIcon icon_;
};
}

QIcon pictureShownLater(QPixmap (*draw)()) { return QIcon(new DrawnOnFirstUse(draw)); }

QPixmap sendPicture()
{
    return picture([](QPainter &p) {
        const QRectF envelope(3, 9, 30, 20);
        p.setPen(QPen(QColor(40, 60, 110), 1.5));
        p.setBrush(QColor(255, 250, 225));
        p.drawRect(envelope);
        p.drawLine(envelope.topLeft(), QPointF(envelope.center().x(), envelope.top() + 11));
        p.drawLine(QPointF(envelope.center().x(), envelope.top() + 11), envelope.topRight());
        p.setBrush(QColor(220, 40, 30));
        p.setPen(Qt::NoPen);
        p.drawPath(outline({{22, 30}, {34, 30}, {34, 26}, {36, 31.5}, {34, 35}, {34, 33}, {22, 33}}));
    });
}

QPixmap helpPicture()
{
    return picture([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPath(outline({{6, 4}, {6, 26}, {11, 21}, {15, 30}, {18, 29}, {14, 20}, {21, 20}}));
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(17);
        p.setFont(f);
        p.setPen(QColor(0, 0, 160));
        p.drawText(QRect(18, 2, 18, 22), Qt::AlignCenter, "?");
    });
}

QPixmap mailLogPicture()
{
    return picture([](QPainter &p) {
        p.setPen(QPen(QColor(40, 60, 110), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 22, 30));
        for (int i = 0; i < 5; ++i) {
            const qreal y = 9 + i * 5;
            p.setPen(QPen(QColor(220, 40, 30), 1.5));
            p.drawLine(QPointF(10, y), QPointF(13, y)); // a tick per letter sent
            p.setPen(QPen(QColor(40, 60, 110), 1.2));
            p.drawLine(QPointF(15, y), QPointF(26, y));
        }
    });
}

QPixmap closePicture()
{
    return picture([](QPainter &p) {
        p.setPen(QPen(QColor(200, 20, 20), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 9), QPointF(27, 27));
        p.drawLine(QPointF(27, 9), QPointF(9, 27));
    });
}
