#pragma once
// The levels of the sorting windows: 数学课程 [排序], key "1", "2" ..., each value the
// numbers of the level in their right order, each the name of a number picture in
// pic/sxpic/数字. A level of a single number (or none, as a missing key gives) means the
// levels have run out: play goes on at level 1.

#include "frame/ActivityForm.h"

#include <QPixmap>
#include <QSizeF>
#include <QStringList>
#include <vector>

class Control;

class SortingLevels {
public:
    // extension: jpg or gif, the kind of number picture the window shows.
    SortingLevels(ActivityForm& form, QString extension);

    int level = 1;

    // Reads the current level into the window's Txtini, going back to level 1 after the last
    // one, and loads its pictures. False when not even level 1 has two numbers to sort (said
    // once in a warning): there is nothing to play.
    bool read();
    const QStringList& items() const { return items_; }
    int count() const { return int(items_.size()); }
    // The picture of item i (1..count()).
    const QPixmap& picture(int i) const { return pictures_[i - 1]; }

private:
    bool readLevel();

    ActivityForm& form_;
    QString extension_;
    QStringList items_;
    std::vector<QPixmap> pictures_;
    bool warned_ = false;
};

// The size of each number box when a level has n numbers: the largest reference for one
// number, shrinking by a tenth of the way to the smallest reference for every further number
// (one number is the largest size, eleven the smallest, more are smaller still).
QSizeF SortingBoxSize(const Control& largest, const Control& smallest, int n);
