#pragma once
// What the language windows read of the course: the names of the current lesson's items and
// the sentence that belongs to an item.

#include <QString>
#include <QStringList>

class ActivityForm;

// The items of CurrentLesson (course 课程, section 课程图片), read through the window's Txtini;
// at most as many as the lesson's picture tables hold.
QStringList readLessonItems(ActivityForm& form);

// The sentence of an item (course 句子排序, section 句子排序, key: the item), read through the
// window's Txtini; empty when the item has none.
QString readSentence(ActivityForm& form, const QString& item);
