#pragma once
// What finding the same and classification read from the courses: the category list of
// the course 分类, the items of one category (a lesson of the course 课程), and their
// photos. Categories are counted from 1, as the windows name them.

#include "shell/core/AppContext.h"

#include <QPixmap>
#include <QStringList>
#include <functional>
#include <optional>
#include <span>

class TextBox;

// The category names of 分类 (section and key 类别).
QStringList ReadCategories(AppContext& app, TextBox& Txtini);
// The items of category index (from 1) of categories; none past the end of the list.
QStringList ReadCategoryItems(AppContext& app, TextBox& Txtini, const QStringList& categories,
                              int index);
// The photos of items into table[first], table[first + 1] ...; a list longer than the
// table fills it and says so. Returns how many were put in.
int LoadCategoryPhotos(AppContext& app, const QStringList& items, std::span<QPixmap> table,
                       int first);
// The first category of the pair after the one starting at index: the pairs run (1, 2),
// (2, 3) ... up to (count - 2, count - 1), then (1, 2) again.
int NextCategoryPair(int index, int count);

// Two neighbouring categories and their items.
struct CategoryPair {
    int index; // of the first category
    QStringList first;
    QStringList second;
};
// The pair starting at index, or the next one in the order of the pairs, whose items the
// game can be played with; none when no pair of the list can.
std::optional<CategoryPair> FindCategoryPair(
    AppContext& app, TextBox& Txtini, const QStringList& categories, int index,
    const std::function<bool(const QStringList& first, const QStringList& second)>& playable);
