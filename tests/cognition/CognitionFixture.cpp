#include "CognitionFixture.h"

#include "activities/cognition/CognitionWindows.h"

namespace {

QString lessonLines(const QString& key, const QStringList& items)
{
    return key + QLatin1Char('=') + items.join(QLatin1Char(' ')) + QLatin1Char('\n');
}

} // namespace

CognitionFixture::CognitionFixture(QSize screen)
    : fx(data.root(), screen)
{
    registerCognitionWindows(fx.windows);
}

// Colours 50 steps apart in each channel: a JPEG of one of them is never taken for another.
QColor CognitionFixture::colourOf(const QString& item)
{
    if (auto it = palette_.find(item); it != palette_.end()) return it->second;
    const int i = int(palette_.size());
    const QColor colour(30 + 50 * (i % 5), 30 + 50 * (i / 5 % 5), 30 + 50 * (i / 25 % 5));
    palette_.emplace(item, colour);
    return colour;
}

void CognitionFixture::setCategories(const Categories& categories)
{
    categories_ = categories;
    QStringList names;
    for (const auto& [name, items] : categories) {
        names << name;
        for (const QString& item : items)
            data.addPhoto(item, DataFixture::picture(colourOf(item)));
    }
    data.addCourse(QStringLiteral("分类"), lessonLines(QStringLiteral("[类别]\n类别"), names));
    writeLessons();
}

void CognitionFixture::setColours(const QStringList& colours)
{
    colours_ = colours;
    for (const QString& colour : colours)
        data.addFile(QStringLiteral("pic/color/%1.jpg").arg(colour),
                     DataFixture::jpeg(DataFixture::picture(colourOf(colour))));
    writeLessons();
}

void CognitionFixture::setSequence(const QStringList& items)
{
    for (const QString& item : items)
        data.addFile(QStringLiteral("pic/顺序推理图/%1.jpg").arg(item),
                     DataFixture::jpeg(DataFixture::picture(colourOf(item))));
    data.addCourse(QStringLiteral("顺序推理"), lessonLines(QStringLiteral("[顺序推理]\n1"), items));
}

void CognitionFixture::setLesson(const QString& lesson, const QStringList& items)
{
    for (const QString& item : items) {
        photos_[item] = DataFixture::picture(colourOf(item));
        data.addPhoto(item, photos_[item]);
    }
    lessons_.emplace_back(lesson, items);
    writeLessons();
}

void CognitionFixture::setLesson(const QString& lesson,
                                 const std::vector<std::pair<QString, QImage>>& photos)
{
    QStringList items;
    for (const auto& [item, photo] : photos) {
        data.addPhoto(item, photo);
        photos_[item] = photo;
        items << item;
    }
    lessons_.emplace_back(lesson, items);
    writeLessons();
}

void CognitionFixture::setOutlines(const std::vector<std::pair<QString, QImage>>& pages)
{
    outlines_.clear();
    for (const auto& [name, outline] : pages) {
        outlines_ << name;
        if (!outline.isNull())
            data.addFile(QStringLiteral("pic/drawpic/%1.bmp").arg(name), DataFixture::bmp(outline));
    }
    writeLessons();
}

void CognitionFixture::chooseLesson(const QString& lesson)
{
    fx.app.CurrentArea = QStringLiteral("手眼协调");
    fx.app.CurrentLesson = lesson;
    for (const auto& [name, items] : lessons_) {
        if (name != lesson) continue;
        for (int k = 1; k <= items.size(); ++k)
            fx.app.ItemPictures[size_t(k)] = QPixmap::fromImage(photos_[items[k - 1]]);
    }
}

void CognitionFixture::writeLessons()
{
    QString text = QStringLiteral("[课程图片]\n");
    for (const auto& [name, items] : categories_)
        text += lessonLines(name, items);
    for (const auto& [name, items] : lessons_)
        text += lessonLines(name, items);
    text += QStringLiteral("[分辨颜色]\n") + lessonLines(QStringLiteral("颜色"), colours_);
    text += QStringLiteral("[填色图片]\n") + lessonLines(QStringLiteral("1"), outlines_);
    data.addCourse(QStringLiteral("课程"), text);
}

QStringList CognitionFixture::rewards() const
{
    QStringList lines;
    for (const QString& line : fx.services.logLines)
        if (line.startsWith(QStringLiteral("reward "))) lines << line;
    return lines;
}

QString CognitionFixture::itemShown(const QImage& picture) const
{
    if (picture.isNull()) return {};
    const QColor c = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    for (const auto& [item, colour] : palette_)
        if (std::abs(c.red() - colour.red()) < 20 && std::abs(c.green() - colour.green()) < 20 &&
            std::abs(c.blue() - colour.blue()) < 20)
            return item;
    return {};
}

QStringList numbered(const QString& stem, int n)
{
    QStringList names;
    for (int i = 1; i <= n; ++i)
        names << stem + QString::number(i);
    return names;
}
