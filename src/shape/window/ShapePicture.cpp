#include "ShapePicture.h"

#include "shape/ClearSizeLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
const QColor Background(Qt::white);
const QColor ForeColour(Qt::black);
}

ShapePicture::ShapePicture(QWidget *parent)
    : QWidget(parent),
      image_(ClearSizeLayout::PictureWidth, ClearSizeLayout::PictureHeight, QImage::Format_RGB32)
{
    setObjectName("Pic1");
    setFixedSize(image_.size());
    image_.fill(Background);
    own_.font = font();
    selected_ = own_;
}

void ShapePicture::setPicture(const QImage &picture)
{
    image_.fill(Background);
    hasPicture_ = !picture.isNull();
    if (hasPicture_) {
        QPainter p(&image_);
        p.drawImage(0, 0, picture);
    }
    update();
}

PictureFont ShapePicture::selectFont(const PictureFont &font)
{
    const PictureFont before = selected_;
    selected_ = font;
    return before;
}

void ShapePicture::print(const QString &text)
{
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(selected_.font);
    p.setPen(ForeColour);
    p.translate(position_);
    p.rotate(-selected_.escapement / 10.0);
    p.drawText(QPoint(0, QFontMetrics(selected_.font).ascent()), text);
    update();
}

void ShapePicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, image_);
}
