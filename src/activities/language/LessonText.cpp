#include "activities/language/LessonText.h"

#include "frame/ActivityForm.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"

QStringList readLessonItems(ActivityForm& form)
{
    AppContext& app = form.app();
    LoadCourseItems(app, *form.Txtini, QStringLiteral("课程图片"), app.CurrentLesson,
                    QStringLiteral("课程"));
    // The photos and captions live in ItemPictures(1..100).
    return ItemsJustRead(app, *form.Txtini).mid(0, int(app.ItemPictures.size()) - 1);
}

QString readSentence(ActivityForm& form, const QString& item)
{
    LoadCourseItems(form.app(), *form.Txtini, QStringLiteral("句子排序"), item,
                    QStringLiteral("句子排序"));
    return form.Txtini->Text();
}
