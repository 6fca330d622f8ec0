#include "activities/math/SortingLevels.h"

#include "frame/DataPictures.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "ui/Control.h"

namespace {

// As many pictures as a window keeps in its own list.
constexpr int MaxPictures = 100;

} // namespace

SortingLevels::SortingLevels(ActivityForm& form, QString extension)
    : form_(form)
    , extension_(std::move(extension))
{
}

bool SortingLevels::readLevel()
{
    LoadCourseItems(form_.app(), *form_.Txtini, QStringLiteral("排序"), QString::number(level),
                    QStringLiteral("数学课程"));
    items_ = ItemsJustRead(form_.app(), *form_.Txtini).mid(0, MaxPictures);
    return items_.size() > 1;
}

bool SortingLevels::read()
{
    if (!readLevel()) {
        level = 1;
        // Level 1 without numbers to sort would send play round in circles for ever.
        if (!readLevel()) {
            if (!warned_)
                form_.app().services.warn(
                    QStringLiteral("数学课程 [排序] 1= needs at least two numbers to sort"));
            warned_ = true;
            items_.clear();
            pictures_.clear();
            return false;
        }
    }
    pictures_.clear();
    for (const QString& item : items_)
        pictures_.push_back(
            LoadDataPicture(form_.app(), QStringLiteral("pic/sxpic/数字"), item, extension_));
    return true;
}

QSizeF SortingBoxSize(const Control& largest, const Control& smallest, int n)
{
    const double shrink = (n - 1) / 10.0;
    return {largest.Width() - (largest.Width() - smallest.Width()) * shrink,
            largest.Height() - (largest.Height() - smallest.Height()) * shrink};
}
