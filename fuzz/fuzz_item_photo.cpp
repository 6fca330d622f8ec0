// Lesson photos on arbitrary bytes: cut in two halves as mindlark-pack does, joined again
// and decoded as the activity chooser decodes them.

#include "FuzzApplication.h"
#include "shell/core/CourseStore.h"
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

    static QuietServices services;
    services.problems.clear();
    const QPixmap picture = DecodePicture(fuzzContext(services), photo, QStringLiteral("photo"));
    // A failure is always told, a success never.
    if (picture.isNull() == services.problems.isEmpty()) __builtin_trap();
    // The chooser shows the photo as a thumbnail.
    if (!picture.isNull()) picture.scaled(120, 90).toImage();
    return 0;
}
