#include "shell/core/LessonPictures.h"

#include "shell/core/CourseStore.h"

int LoadLessonPictures(AppContext& app, TextBox& Txtini)
{
    const QStringList items = LoadCourseItems(app, Txtini, QStringLiteral("课程图片"),
                                              app.CurrentLesson, QStringLiteral("课程"));
    // ItemPictures ends at 100; a longer lesson shows its first hundred photos.
    const int count = std::min<int>(items.size(), int(app.ItemPictures.size()) - 1);
    if (count < items.size())
        app.services.warn(QStringLiteral("Lesson %1: %2 photos, only the first %3 are used")
                              .arg(app.CurrentLesson)
                              .arg(items.size())
                              .arg(count));
    const QList<QPixmap> photos = LoadItemPictures(app, items.first(count));
    for (int k = 1; k <= count; ++k)
        app.ItemPictures[k] = photos[k - 1];
    return count;
}
