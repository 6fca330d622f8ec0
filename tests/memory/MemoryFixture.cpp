#include "MemoryFixture.h"

#include "activities/memory/MemoryWindows.h"

#include <QPainter>

MemoryFixture::MemoryFixture(int pictures, QSize screen)
    : fx(data.root(), screen)
{
    registerMemoryWindows(fx.windows);
    QStringList items;
    for (int k = 1; k <= pictures; ++k) {
        items << QStringLiteral("物%1").arg(k);
        QPixmap picture(32, 32);
        picture.fill(QColor::fromHsv(k * 23 % 360, 200, 220));
        fx.app.ItemPictures[size_t(k)] = picture;
    }
    data.addCourse(QStringLiteral("课程"), QStringLiteral("[课程图片]\n课=") +
                                               items.join(QLatin1Char(' ')) + QStringLiteral("\n"));
    fx.app.CurrentLesson = QStringLiteral("课");
}

int MemoryFixture::itemShown(const QPixmap& picture) const
{
    for (int k = 1; k < int(fx.app.ItemPictures.size()); ++k)
        if (!picture.isNull() && picture.cacheKey() == fx.app.ItemPictures[size_t(k)].cacheKey())
            return k;
    return 0;
}

QImage testMaze(int width, int height)
{
    QImage maze(width, height, QImage::Format_RGB32);
    maze.fill(Qt::white);
    QPainter p(&maze);
    const QColor black(0, 0, 0), red(255, 0, 0);
    p.fillRect(10, 10, 200, 4, black);
    p.fillRect(10, 106, 200, 4, black);
    p.fillRect(10, 10, 4, 100, black);
    p.fillRect(206, 10, 4, 100, black);
    p.fillRect(100, 30, 10, 60, black);
    p.fillRect(30, 50, 20, 20, red);
    p.fillRect(170, 50, 20, 20, red);
    return maze;
}
