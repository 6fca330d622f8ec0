// Lesson photos on arbitrary bytes: cut in two halves as mindlark-pack does, joined again
// and decoded as the activity chooser decodes them.

#include "FuzzApplication.h"
#include "shell/core/PhotoDecoder.h"
#include "shell/data/SplitPhoto.h"

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
    const auto [first, second] = SplitPhoto::split(bytes);
    const QByteArray photo = SplitPhoto::join(first, second);
    if (photo != bytes) __builtin_trap();

    // As the chooser decodes it: scaled down to the stage on the way in.
    const QImage image = DecodePhoto(photo, QSize(1024, 768));
    if (!image.isNull() && (image.width() > 1024 || image.height() > 768)) __builtin_trap();
    // The windows show the photo stretched into their pictures.
    if (!image.isNull() && image.scaled(120, 90).size() != QSize(120, 90)) __builtin_trap();
    return 0;
}
