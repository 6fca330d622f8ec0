// Picture files of the data folder (BMP outlines and mazes, GIF animations, JPEG counting
// pictures) on arbitrary bytes, decoded as the windows load them, then read pixel by pixel
// the way the colouring and maze windows look at them.

#include "FuzzApplication.h"
#include "shell/core/CourseStore.h"

#include <QImage>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static QuietServices services;
    services.problems.clear();
    const QPixmap picture = DecodePicture(fuzzContext(services), bytes, QStringLiteral("picture"));
    if (picture.isNull() == services.problems.isEmpty()) __builtin_trap();
    if (picture.isNull()) return 0;

    const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    if (image.size() != picture.size()) __builtin_trap();
    // Corners and centre: every decoded pixel must be readable.
    const int w = image.width() - 1;
    const int h = image.height() - 1;
    volatile QRgb sum = image.pixel(0, 0) ^ image.pixel(w, h) ^ image.pixel(w / 2, h / 2);
    (void)sum;
    return 0;
}
