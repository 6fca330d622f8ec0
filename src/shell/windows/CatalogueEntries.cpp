#include "shell/windows/CatalogueEntries.h"

#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"

namespace {

// The catalogue reads its sections with a 255-byte buffer, one byte of it the final NUL.
constexpr int CatalogueValueBytes = 254;

// Keys "1".."last" of section 目录; stops after the first empty value when asked to.
CatalogueEntries readDirectory(AppContext& app, const QString& course, int last, bool stopAtEmpty)
{
    CatalogueEntries result;
    const std::optional<CourseIni> ini = ExtractCourseIni(app, course);
    if (!ini) return result;
    for (int k = 1; k <= last; ++k) {
        const QString entry =
            ini->value(QStringLiteral("目录"), QString::number(k), CatalogueValueBytes);
        if (stopAtEmpty && entry.isEmpty()) break;
        result.entries << entry;
    }
    // Counting only the entries found keeps a list of exactly 10, 20 ... entries from
    // ending in an empty page.
    result.count = int(result.entries.size());
    return result;
}

} // namespace

bool isLessonArea(const QString& area)
{
    return area == QStringLiteral("语言") || area == QStringLiteral("手眼协调") ||
           area == QStringLiteral("记忆力训练");
}

bool isActivityArea(const QString& area)
{
    return area == QStringLiteral("数学") || area == QStringLiteral("认知") ||
           area == QStringLiteral("填色");
}

CatalogueEntries ReadCatalogueEntries(AppContext& app, TextBox& Txtini, const QString& area)
{
    if (isLessonArea(area)) {
        LoadCourseItems(app, Txtini, QStringLiteral("课程目录"), QStringLiteral("课程目录"),
                        QStringLiteral("课程"));
        CatalogueEntries result;
        result.entries = ItemsJustRead(app, Txtini);
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
