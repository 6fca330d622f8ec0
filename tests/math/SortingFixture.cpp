#include "SortingFixture.h"

#include <cstdlib>

SortingFixture::SortingFixture(const QString& levels, QSize screen, bool stretch)
    : SumsFixture({}, {}, screen)
{
    fx.stage.setStretch(stretch);
    data.addCourse(QStringLiteral("数学课程"),
                   QStringLiteral("[排序]\n") + levels + QLatin1Char('\n'));
    for (int n = 1; n <= 10; ++n)
        data.addFile(QStringLiteral("pic/sxpic/数字/%1.gif").arg(n), gifOf(numeral(n)));
}

int numberShown(const QImage& image)
{
    if (image.isNull()) return 0;
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    // The numbers' colours lie 25 steps apart, about what JPEG may shift: take the nearest.
    int nearest = 0;
    int best = 3 * 40;
    for (int n = 1; n <= 10; ++n) {
        const QColor want = SumsFixture::numeral(n);
        const int distance = std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                             std::abs(c.blue() - want.blue());
        if (distance < best) {
            best = distance;
            nearest = n;
        }
    }
    return nearest;
}

bool showsNumber(const QImage& image, int n)
{
    return numberShown(image) == n;
}
