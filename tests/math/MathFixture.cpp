#include "MathFixture.h"

#include "activities/math/MathWindows.h"
#include "ui/Timer.h"

#include <QBuffer>
#include <algorithm>

MathFixture::MathFixture(QSize screen, bool stretch)
    : fx(data.root(), screen)
{
    fx.stage.setStretch(stretch);
    registerMathWindows(fx.windows);
    data.addCourse(QStringLiteral("数学课程"), QStringLiteral("[图片]\n"
                                                              "图片=苹果 香蕉 梨\n"
                                                              "[项目]\n"
                                                              "项目=比较大小 比较多少 比较长短\n"
                                                              "[比较大小]\n"
                                                              "1=大苹果 小苹果\n"
                                                              "2=大树 小树\n"));
    const std::pair<const char*, QColor> counting[] = {
        {"苹果", Red}, {"香蕉", Orange}, {"梨", Green}};
    for (const auto& [name, colour] : counting)
        data.addFile(QStringLiteral("pic/sxpic/%1.jpg").arg(QString::fromUtf8(name)),
                     DataFixture::jpeg(DataFixture::picture(colour)));
    const std::pair<const char*, QColor> photos[] = {
        {"大苹果", Red}, {"小苹果", Green}, {"大树", Blue}, {"小树", Orange}};
    for (const auto& [name, colour] : photos)
        data.addPhoto(QString::fromUtf8(name), DataFixture::picture(colour));
}

std::vector<int> MathFixture::startingAtSecond(int n, std::vector<int> values)
{
    std::vector<int> perm;
    for (int v = 1; v <= n; ++v)
        if (std::find(values.begin(), values.end(), v) == values.end()) perm.push_back(v);
    values.insert(values.begin(), perm.front());
    values.insert(values.end(), perm.begin() + 1, perm.end());
    return values;
}

bool shows(const QPixmap& picture, const QColor& colour)
{
    if (picture.isNull()) return false;
    const QColor c = picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
    return std::abs(c.red() - colour.red()) < 24 && std::abs(c.green() - colour.green()) < 24 &&
           std::abs(c.blue() - colour.blue()) < 24;
}

void fire(Timer& timer, int times)
{
    for (int i = 0; i < times; ++i)
        timer.fire();
}
