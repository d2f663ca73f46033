#pragma once
// The canvas on a picture that keeps what was drawn: a QImage of Width/15 by Height/15 pixels,
// drawn without antialiasing so that drawing a figure again in the background colour erases it.
#include "Canvas.h"

#include <QBrush>
#include <QImage>
#include <QPen>

#include <functional>

class ImageCanvas : public Canvas {
public:
    ImageCanvas(int width, int height);

    const QImage &image() const { return image_; }
    // Called after every change of the picture, so that a widget showing it can repaint.
    void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }
    // The pixel that holds a point in twips (twips 0..14 are pixel 0).
    static int toPixel(int twips);

    void line(QPoint p1, QPoint p2) override;
    void box(QPoint p1, QPoint p2) override;
    void circle(QPoint c, int r) override;

protected:
    void clearPicture() override;
    void drawText(const QString &text) override;

private:
    QPen pen() const;
    QBrush brush() const;
    void notify() const { if (changed_) changed_(); }
    QImage image_;
    std::function<void()> changed_;
};
