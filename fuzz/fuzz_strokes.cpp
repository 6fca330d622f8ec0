// Stroke files on arbitrary bytes: whatever is read back must write out and read again as
// the same strokes.

#include "shell/data/StrokeFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > size_t(StrokeFile::MaxBytes)) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList problems;
    const Strokes strokes = StrokeFile::parse(bytes, &problems);
    for (const Stroke& stroke : strokes)
        if (stroke.isEmpty()) __builtin_trap();
    if (StrokeFile::parse(StrokeFile::write(strokes)) != strokes) __builtin_trap();
    return 0;
}
