#pragma once
// The pictures of the numbers, numerals (pic/sxpic/数字/<n>.jpg) or so many apples
// (pic/sxpic/苹果/<n>.jpg), each read once. A number without a picture (a sum above ten)
// shows an empty place, with one warning.

#include "shell/core/AppContext.h"

#include <QPixmap>
#include <map>

class NumberPictures {
public:
    // folder: 数字 or 苹果.
    NumberPictures(AppContext& app, const QString& folder);

    const QPixmap& of(int n);

private:
    AppContext& app_;
    QString folder_;
    std::map<int, QPixmap> read_;
};
