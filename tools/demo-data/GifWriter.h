#pragma once
// Animated GIF files (Qt reads GIF but cannot write it): frames are reduced to a colour
// table each and written with giflib, looping for ever.

#include <QByteArray>
#include <QImage>
#include <QList>

struct GifFrame {
    QImage image;
    int delayMs = 100;
};

QByteArray encodeGif(const QList<GifFrame>& frames);
