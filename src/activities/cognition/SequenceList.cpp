#include "activities/cognition/SequenceList.h"

#include "activities/cognition/CourseProblem.h"
#include "frame/ActivityForm.h"
#include "frame/DataPictures.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"

namespace {

constexpr int MostPictures = 100;

} // namespace

QStringList ReadSequenceList(ActivityForm& form)
{
    AppContext& app = form.app();
    LoadCourseItems(app, *form.Txtini, QStringLiteral("顺序推理"), QStringLiteral("1"),
                    QStringLiteral("顺序推理"));
    QStringList sequence = ItemsJustRead(app, *form.Txtini);
    if (sequence.size() > MostPictures) {
        app.services.warn(QStringLiteral("The sequence of 顺序推理 has %1 pictures; the first %2 "
                                         "are used")
                              .arg(sequence.size())
                              .arg(MostPictures));
        sequence = sequence.mid(0, MostPictures);
    }
    return sequence;
}

bool SequenceCanBePlayed(ActivityForm& form, const QStringList& sequence)
{
    if (sequence.size() >= 2) return true;
    CloseForCourseProblem(form, QStringLiteral("至少要设置2个图片!"),
                          QStringLiteral("the sequence of 顺序推理 has %1 pictures, a sequence "
                                         "needs two")
                              .arg(sequence.size()));
    return false;
}

QPixmap LoadSequencePicture(AppContext& app, const QString& item)
{
    return LoadDataPicture(app, QStringLiteral("pic/顺序推理图"), item);
}
