#include "PictureBox.h"

#include "platform/Rounding.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(ImageCanvas &canvas, QWidget *parent) : QWidget(parent), canvas_(canvas)
{
    setFixedSize(canvas_.image().size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.setChanged([this] { update(); });
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, canvas_.image());
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: break;
    }
    const Qt::KeyboardModifiers m = event->modifiers();
    const int shift = (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
    const QPoint at = event->position().toPoint();
    emit MouseDown(button, shift, float(at.x() * TwipsPerPixel), float(at.y() * TwipsPerPixel));
}

CompartmentMarker::CompartmentMarker(PictureBox *picture) : QWidget(picture)
{
    setAttribute(Qt::WA_TransparentForMouseEvents); // a click on the marker is a click on the drawing
    hide();
}

void CompartmentMarker::place(const MarkerGeometry &geometry)
{
    geometry_ = geometry;
    update_();
}

void CompartmentMarker::setShown(bool shown)
{
    shown_ = shown;
    update_();
}

void CompartmentMarker::update_()
{
    if (!shown_ || !geometry_.visible) {
        hide();
        return;
    }
    const int left = ImageCanvas::toPixel(geometry_.Left);
    const int top = ImageCanvas::toPixel(geometry_.Top);
    const int right = ImageCanvas::toPixel(geometry_.Left + int(roundHalfEven(geometry_.Width).value_or(0)));
    const int bottom = ImageCanvas::toPixel(geometry_.Top + int(roundHalfEven(geometry_.Height).value_or(0)));
    setGeometry(left, top, std::max(1, right - left), std::max(1, bottom - top));
    show();
    raise();
    update();
}

void CompartmentMarker::paintEvent(QPaintEvent *)
{
    // Hatched and otherwise transparent, so that what lies in the compartment stays visible.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect(), QBrush(QColor(0, 0, 160), Qt::BDiagPattern));
}
