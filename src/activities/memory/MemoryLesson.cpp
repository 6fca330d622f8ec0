#include "activities/memory/MemoryLesson.h"

#include "frame/ActivityForm.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"

int ReadLessonPictureCount(ActivityForm& form)
{
    AppContext& app = form.app();
    LoadCourseItems(app, *form.Txtini, QStringLiteral("课程图片"), app.CurrentLesson,
                    QStringLiteral("课程"));
    const int count = int(ItemsJustRead(app, *form.Txtini).size());
    return std::min(count, int(app.ItemPictures.size()) - 1);
}

bool EnoughLessonPictures(ActivityForm& form, int count, int needed)
{
    if (count >= needed) return true;
    AppContext& app = form.app();
    app.services.message(
        QStringLiteral("这一课只有%1幅图片，这个游戏至少要%2幅图片!").arg(count).arg(needed),
        MessageIcon::Exclamation, MessageButtons::Ok);
    form.Unload();
    return false;
}
