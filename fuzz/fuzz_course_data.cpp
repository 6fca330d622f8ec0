// Carrier reading and course ini decoding on arbitrary bytes: as a carrier file, and as
// the ini text itself, with every section and key looked up at both buffer sizes.

#include "shell/data/CourseCarrier.h"
#include "shell/data/CourseIni.h"

#include <cstddef>
#include <cstdint>

namespace {

void readIni(const QByteArray& text)
{
    const CourseIni ini = CourseIni::parse(text);
    for (const QString& section : ini.sections()) {
        for (const QString& key : ini.keys(section)) {
            const QString full = ini.value(section, key);
            const QString catalogue = ini.value(section, key, 254);
            if (!full.startsWith(catalogue) || ini.valueBytes(section, key) < 0) __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CourseCarrier::Contents contents = CourseCarrier::read(bytes);
    if (contents.status == CourseCarrier::Status::Text) readIni(contents.text);
    readIni(bytes);
    const QByteArray cut = cutGbk(bytes, 999);
    if (cut.size() > 999 || !bytes.startsWith(cut)) __builtin_trap();
    return 0;
}
