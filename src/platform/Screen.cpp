#include "Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace {
class RealScreenPixels final : public ScreenPixelSource {
public:
    QImage grab(const QRect &area) override
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen || area.isEmpty()) return {};
        const QImage image = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        // A partial or scaled answer is no use for pixel-by-pixel work.
        if (image.isNull() || image.size() != area.size()) return {};
        return image.convertToFormat(QImage::Format_RGB32);
    }
};

RealScreenPixels realPixels;
ScreenPixelSource *current = nullptr;
}

QSize screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

QPoint mousePosition() { return QCursor::pos(); }

QPoint dialogPlace(QSize screen, QSize window)
{
    return QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 3);
}

ScreenPixelSource *setScreenPixelSource(ScreenPixelSource *source)
{
    ScreenPixelSource *previous = current;
    current = source;
    return previous;
}

ScreenPixelSource &screenPixels() { return current ? *current : realPixels; }
