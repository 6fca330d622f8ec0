#include "shell/windows/CatalogueEntries.h"

#include "shell/core/CourseStore.h"

namespace {

// The catalogue reads its sections with a 255-byte buffer, one byte of it the final NUL.
constexpr int CatalogueValueBytes = 254;

// Keys "1".."last" of section 目录; stops after the first empty value when asked to.
CatalogueEntries readDirectory(AppContext& app, const QString& course, int last, bool stopAtEmpty)
{
    CatalogueEntries result;
    result.entries = ReadNumberedValues(app, QStringLiteral("目录"), course, last, stopAtEmpty,
                                        CatalogueValueBytes);
    // Counting only the entries found keeps a list of exactly 10, 20 ... entries from
    // ending in an empty page.
    result.count = int(result.entries.size());
    return result;
}

} // namespace

CatalogueEntries ReadCatalogueEntries(AppContext& app, TextBox& Txtini, const QString& area)
{
    if (isLessonArea(area)) {
        CatalogueEntries result;
        result.entries = LoadCourseItems(app, Txtini, QStringLiteral("课程目录"),
                                         QStringLiteral("课程目录"), QStringLiteral("课程"));
        result.count = int(result.entries.size());
        return result;
    }
    if (area == QStringLiteral("数学"))
        return readDirectory(app, QStringLiteral("数学课程"), 100, true);
    if (area == QStringLiteral("认知")) {
        CatalogueEntries result = readDirectory(app, QStringLiteral("认知"), 10, false);
        result.count = 10;
        return result;
    }
    if (area == QStringLiteral("填色")) {
        CatalogueEntries result = readDirectory(app, QStringLiteral("tianshe"), 10, false);
        result.count = 10;
        return result;
    }
    return {};
}
