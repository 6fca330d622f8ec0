#include "SumsFixture.h"

#include <QBuffer>

const QColor SumsFixture::GoodGif(40, 200, 90);
const QColor SumsFixture::BadGif(210, 60, 160);

QByteArray SumsFixture::gifOf(const QColor& c)
{
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    gif += char(c.red());
    gif += char(c.green());
    gif += char(c.blue());
    gif += QByteArray("\x00\x00\x00", 3);
    gif += QByteArray("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b", 16);
    return gif;
}

SumsFixture::SumsFixture(const QString& additions, const QString& subtractions, QSize screen)
    : MathFixture(screen)
{
    setCourse(additions, subtractions);
    for (int n = 1; n <= 10; ++n) {
        data.addFile(QStringLiteral("pic/sxpic/数字/%1.jpg").arg(n),
                     DataFixture::jpeg(DataFixture::picture(numeral(n))));
        data.addFile(QStringLiteral("pic/sxpic/苹果/%1.jpg").arg(n),
                     DataFixture::jpeg(DataFixture::picture(apples(n))));
    }
    data.addFile(QStringLiteral("pic/good.gif"), gifOf(GoodGif));
    data.addFile(QStringLiteral("pic/bad.gif"), gifOf(BadGif));
}

void SumsFixture::setCourse(const QString& additions, const QString& subtractions,
                            const QString& numbers)
{
    data.addCourse(QStringLiteral("数学课程"),
                   QStringLiteral("[图片]\n图片=苹果 香蕉 梨\n[加法]\n") + additions +
                       QStringLiteral("\n[减法]\n") + subtractions + QStringLiteral("\n[数字]\n") +
                       numbers + QStringLiteral("\n"));
}

QColor SumsFixture::numeral(int n)
{
    return QColor(n * 25, 90, 200);
}

QColor SumsFixture::apples(int n)
{
    return QColor(n * 25, 200, 60);
}

QPoint SumsFixture::centreOf(QWidget* w) const
{
    return fx.onStage(w, QPoint(w->width() / 2, w->height() / 2));
}

void SumsFixture::drag(QWidget* picture, QPoint to)
{
    const QPoint from = centreOf(picture);
    QTest::mouseMove(screen(), from);
    QTest::mousePress(screen(), Qt::LeftButton, {}, from);
    QTest::mouseMove(screen(), (from + to) / 2);
    QTest::mouseMove(screen(), to);
    QTest::mouseRelease(screen(), Qt::LeftButton, {}, to);
}

void SumsFixture::dragOnto(QWidget* picture, QWidget* target, QPoint offset)
{
    drag(picture, centreOf(target) + offset);
}

QColor paintedCentre(QWidget* widget)
{
    return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
}
