#include "shell/core/PhotoDecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentMap>

namespace {

bool exceeds(QSize size, QSize bound)
{
    return size.width() > bound.width() || size.height() > bound.height();
}

// At least one pixel each way, even for a photo of an extreme shape.
QSize fitted(QSize size, QSize bound)
{
    return size.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace

QImage DecodePhoto(const QByteArray& bytes, QSize bound)
{
    if (bytes.isEmpty()) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    const bool shrink = bound.isValid() && size.isValid() && exceeds(size, bound);
    if (shrink) {
        reader.setScaledSize(fitted(size, bound));
        // Asks the JPEG reader for its smooth downscaler rather than the blocky fast one.
        reader.setQuality(75);
    }
    QImage image = reader.read();
    // Formats that cannot tell their size up front are shrunk after the decode.
    if (!image.isNull() && bound.isValid() && exceeds(image.size(), bound))
        image = image.scaled(fitted(image.size(), bound), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    return image;
}

QList<QImage> DecodePhotos(const QList<QByteArray>& photos, QSize bound)
{
    if (photos.size() <= 1) {
        QList<QImage> images;
        for (const QByteArray& photo : photos)
            images << DecodePhoto(photo, bound);
        return images;
    }
    return QtConcurrent::blockingMapped<QList<QImage>>(
        photos, [bound](const QByteArray& photo) { return DecodePhoto(photo, bound); });
}
