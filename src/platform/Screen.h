#pragma once
// The screen as the windows see it: its size, the mouse, and the pixels it shows at a place.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// Size of the primary screen in pixels.
QSize screenSize();
// The mouse position in screen pixels.
QPoint mousePosition();

// Where a dialog-like window of the given size stands: centred across, a third of the free height down.
QPoint dialogPlace(QSize screen, QSize window);

class ScreenPixelSource {
public:
    virtual ~ScreenPixelSource() = default;
    // What the screen shows in the area, the area's size; a null image where the platform gives no
    // pixels (the offscreen platform outside one window, a Wayland session).
    virtual QImage grab(const QRect &area) = 0;
};

// The source in force; installs and returns the previous one (nullptr restores the screen's own).
ScreenPixelSource *setScreenPixelSource(ScreenPixelSource *source);
ScreenPixelSource &screenPixels();
