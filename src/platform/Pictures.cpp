#include "Pictures.h"

#include "RegularFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

QImage readPicture(const QString &path)
{
    const std::optional<QByteArray> bytes = readRegularFile(path);
    return bytes ? QImage::fromData(*bytes) : QImage();
}

QIcon readIcon(const QString &path)
{
    std::optional<QByteArray> bytes = readRegularFile(path);
    if (!bytes) return {};
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QIcon icon;
    do {
        const QImage image = reader.read();
        if (image.isNull()) break;
        icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    return icon;
}
