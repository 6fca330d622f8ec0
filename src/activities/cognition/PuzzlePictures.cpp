#include "activities/cognition/PuzzlePictures.h"

#include "frame/ActivityForm.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/LessonPictures.h"
#include "shell/windows/CatalogueEntries.h"

#include <algorithm>

int PreparePuzzlePictures(ActivityForm& form)
{
    AppContext& app = form.app();
    if (app.CurrentLesson.isEmpty()) {
        app.ItemCount = 0;
        return 0;
    }
    int count = 0;
    if (isLessonArea(app.CurrentArea)) {
        LoadCourseItems(app, *form.Txtini, QStringLiteral("课程图片"), app.CurrentLesson,
                        QStringLiteral("课程"));
        count = std::min(int(ItemsJustRead(app, *form.Txtini).size()),
                         int(app.ItemPictures.size()) - 1);
    } else {
        count = LoadLessonPictures(app, *form.Txtini);
    }
    app.ItemCount = int16_t(count);
    return count;
}
