#include "activities/cognition/CategoryCourse.h"

#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"

QStringList ReadCategories(AppContext& app, TextBox& Txtini)
{
    LoadCourseItems(app, Txtini, QStringLiteral("类别"), QStringLiteral("类别"),
                    QStringLiteral("分类"));
    return ItemsJustRead(app, Txtini);
}

QStringList ReadCategoryItems(AppContext& app, TextBox& Txtini, const QStringList& categories,
                              int index)
{
    // Past the end the classic read asks for an empty key and gets the items of an earlier
    // read back; here there are simply none.
    if (index < 1 || index > categories.size() || categories[index - 1].isEmpty()) return {};
    LoadCourseItems(app, Txtini, QStringLiteral("课程图片"), categories[index - 1],
                    QStringLiteral("课程"));
    return ItemsJustRead(app, Txtini);
}

int LoadCategoryPhotos(AppContext& app, const QStringList& items, std::span<QPixmap> table,
                       int first)
{
    const int room = std::max(0, int(table.size()) - first);
    const int count = std::min<int>(items.size(), room);
    if (count < items.size())
        app.services.warn(QStringLiteral("%1 photos, only the first %2 fit the window's table")
                              .arg(items.size())
                              .arg(count));
    for (int i = 0; i < count; ++i)
        table[first + i] = LoadItemPicture(app, items[i]);
    return count;
}

int NextCategoryPair(int index, int count)
{
    ++index;
    return index >= count - 1 ? 1 : index;
}

std::optional<CategoryPair> FindCategoryPair(
    AppContext& app, TextBox& Txtini, const QStringList& categories, int index,
    const std::function<bool(const QStringList& first, const QStringList& second)>& playable)
{
    const int count = int(categories.size());
    for (int tries = 0; tries < std::max(count, 1); ++tries) {
        CategoryPair pair{index, ReadCategoryItems(app, Txtini, categories, index),
                          ReadCategoryItems(app, Txtini, categories, index + 1)};
        if (playable(pair.first, pair.second)) return pair;
        index = NextCategoryPair(index, count);
    }
    return std::nullopt;
}
