#pragma once
// A stage with the language windows registered and a lesson chosen as the launcher leaves it:
// the lesson's items in the course 课程, their photos in ItemPictures (each a solid colour of
// its own, so a test can tell which photo a control shows), and sentences in the course
// 句子排序.

#include "DataFixture.h"
#include "StageFixture.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <vector>

class PictureBox;

struct LanguageFixture {
    explicit LanguageFixture(QSize screen = QSize(1024, 768), bool stretch = false);

    // The lesson 课堂 of these items and, as "item=sentence" lines, their sentences.
    void setLesson(const QStringList& items, const QStringList& sentences = {});

    template <class T> T* open(const char* window)
    {
        return fx.windows.open<T>(QString::fromLatin1(window));
    }
    QStringList sounds() const { return fx.services.soundNames(); }

    // Drags a control by its centre pixel to a point of the stage, as the child does.
    void drag(QWidget* from, QPoint to);
    // The pixel at the middle of a control (rounded down), on the stage.
    QPoint centreOf(QWidget* widget) const;

    DataFixture data;
    StageFixture fx;
};

// The colour of the photo of item k of a lesson.
QColor photoColour(int k);
// Whether an image is (nearly) the colour given at its middle.
bool showsColour(const QImage& image, const QColor& colour);
bool showsColour(const QPixmap& picture, const QColor& colour);
// Whether two pictures show the same text: the same dark pixels but for the odd pixel at the
// edge of a stroke (the text renderer smooths a character a shade differently at times).
bool sameInk(const QImage& a, const QImage& b);
// A picture as PaintPicture stretches it over a white box of the given size.
QImage stretched(const QPixmap& picture, QSize size);
// The visible elements of a control array, by index.
template <class Array> std::vector<int> visibleOf(const Array& array)
{
    std::vector<int> shown;
    array.forEach([&](int i, const auto& c) {
        if (c.Visible()) shown.push_back(i);
    });
    return shown;
}
