#pragma once
// The shape window's picture box Pic1: a persistent image in pixels holding the shape bitmap and
// what is printed on it, with the drawing state that printing uses (the selected font and the
// current position). The clear-size inputs are its children.
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>

// A font as it is selected into the picture: the face and size, and the direction in which the
// text runs, in tenths of a degree anticlockwise (900: upwards).
struct PictureFont {
    QFont font;
    int escapement = 0;
    bool operator==(const PictureFont &) const = default;
};

class ShapePicture : public QWidget {
    Q_OBJECT
public:
    explicit ShapePicture(QWidget *parent = nullptr);

    // Replaces the picture and everything printed on it; a null image leaves the picture empty.
    void setPicture(const QImage &picture);
    bool hasPicture() const { return hasPicture_; }
    const QImage &image() const { return image_; }

    // The picture's own font; what is selected for one print goes back to it.
    PictureFont ownFont() const { return own_; }
    PictureFont selectedFont() const { return selected_; }
    // Selects a font for the following prints; returns the one selected before.
    PictureFont selectFont(const PictureFont &font);

    void setCurrentPosition(QPoint at) { position_ = at; }
    QPoint currentPosition() const { return position_; }
    // Prints the text in the selected font with its top-left corner at the current position (for
    // a rotated font the corner turns with the text), in the fore colour, without a background.
    void print(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image_;
    bool hasPicture_ = false;
    PictureFont own_;
    PictureFont selected_;
    QPoint position_;
};
