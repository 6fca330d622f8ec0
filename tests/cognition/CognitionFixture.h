#pragma once
// A stage with the cognition windows registered over a small data folder that a test fills:
// categories (the course 分类 and their items in 课程), colours, a sequence, lessons. Every
// picture is a solid colour of its own, so a test can tell which item a control shows.

#include "DataFixture.h"
#include "StageFixture.h"

#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>

struct CognitionFixture {
    // A stage of the given size; the 4:3 area in its middle.
    explicit CognitionFixture(QSize screen = QSize(1024, 768));

    DataFixture data;
    StageFixture fx;

    using Categories = std::vector<std::pair<QString, QStringList>>;
    // The course 分类 names the categories in this order; 课程 lists their items, each
    // with a photo of its own.
    void setCategories(const Categories& categories);
    // 分辨颜色 of 课程, with a picture in pic/color for each colour.
    void setColours(const QStringList& colours);
    // The course 顺序推理, with a picture in pic/顺序推理图 for each item.
    void setSequence(const QStringList& items);
    // A lesson of 课程 whose photos are in the data.
    void setLesson(const QString& lesson, const QStringList& items);
    // The same with a photo of its own for each item.
    void setLesson(const QString& lesson, const std::vector<std::pair<QString, QImage>>& photos);
    // The colouring book (填色图片 of 课程) and an outline in pic/drawpic for each page that
    // has a picture (a null one leaves the file out).
    void setOutlines(const std::vector<std::pair<QString, QImage>>& pages);
    // The chooser's step: the lesson chosen in an area of lessons, its photos in ItemPictures.
    void chooseLesson(const QString& lesson);

    template <class T> T* open(const char* window)
    {
        return fx.windows.open<T>(QString::fromUtf8(window));
    }
    void click(QWidget* widget) { fx.click(widget); }
    QStringList sounds() const { return fx.services.soundNames(); }
    // The reward lines of the log, in order: "reward right", "reward wrong".
    QStringList rewards() const;

    // The item whose colour a picture shows, or an empty name when it shows none of them.
    QString itemShown(const QImage& picture) const;
    QString itemShown(const QPixmap& picture) const { return itemShown(picture.toImage()); }
    QColor colourOf(const QString& item);

private:
    void writeLessons();

    Categories categories_;
    QStringList colours_;
    std::vector<std::pair<QString, QStringList>> lessons_;
    QStringList outlines_;
    std::map<QString, QImage> photos_;
    std::map<QString, QColor> palette_;
};

// stem1, stem2 ... stemN: names of items that differ only in their number.
QStringList numbered(const QString& stem, int n);
