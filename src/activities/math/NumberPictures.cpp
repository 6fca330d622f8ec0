#include "activities/math/NumberPictures.h"

#include "frame/DataPictures.h"

NumberPictures::NumberPictures(AppContext& app, const QString& folder)
    : app_(app)
    , folder_(QStringLiteral("pic/sxpic/") + folder)
{
}

const QPixmap& NumberPictures::of(int n)
{
    auto it = read_.find(n);
    if (it == read_.end())
        it = read_.emplace(n, LoadDataPicture(app_, folder_, QString::number(n))).first;
    return it->second;
}
