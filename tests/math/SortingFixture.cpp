#include "SortingFixture.h"

SortingFixture::SortingFixture(const QString& levels, QSize screen, bool stretch)
    : SumsFixture({}, {}, screen)
{
    fx.stage.setStretch(stretch);
    data.addCourse(QStringLiteral("数学课程"),
                   QStringLiteral("[排序]\n") + levels + QLatin1Char('\n'));
    for (int n = 1; n <= 10; ++n)
        data.addFile(QStringLiteral("pic/sxpic/数字/%1.gif").arg(n), gifOf(numeral(n)));
}

bool showsNumber(const QImage& image, int n)
{
    return shows(QPixmap::fromImage(image), SumsFixture::numeral(n));
}
