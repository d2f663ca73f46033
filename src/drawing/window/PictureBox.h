#pragma once
// The drawing canvas as a control: shows an ImageCanvas pixel for pixel and reports mouse presses
// in twips. The selection marker is a hatched rectangle lying over it.
#include "drawing/DrawTools.h"
#include "platform/ImageCanvas.h"

#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(ImageCanvas &canvas, QWidget *parent = nullptr);
    ImageCanvas &canvas() { return canvas_; }

signals:
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
    void MouseDown(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    ImageCanvas &canvas_;
};

// The marker: placed in twips on the picture box; shown only while it is made visible and has a size.
class CompartmentMarker : public QWidget {
    Q_OBJECT
public:
    explicit CompartmentMarker(PictureBox *picture);

    void place(const MarkerGeometry &geometry);
    const MarkerGeometry &placed() const { return geometry_; }
    void setShown(bool shown);
    // The marker's own visibility, as the window sets it; an empty marker is not painted all the same.
    bool isShown() const { return shown_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void update_();
    MarkerGeometry geometry_;
    bool shown_ = false;
};
