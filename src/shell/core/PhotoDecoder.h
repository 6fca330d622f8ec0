#pragma once
// Lesson photos decoded at the size they are shown, many at once on all cores.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

// The photo scaled down to fit bound with its aspect ratio kept; a photo that fits keeps its
// own size. A JPEG is decoded at the reduced size directly instead of being decoded whole and
// then shrunk. A null image when the bytes do not decode. Safe on any thread.
QImage DecodePhoto(const QByteArray& bytes, QSize bound);

// DecodePhoto for each photo, spread over the cores; the images come in the photos' order.
QList<QImage> DecodePhotos(const QList<QByteArray>& photos, QSize bound);
