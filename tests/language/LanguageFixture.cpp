#include "LanguageFixture.h"

#include "activities/language/LanguageWindows.h"

#include <QPainter>

LanguageFixture::LanguageFixture(QSize screen, bool stretch)
    : fx(data.root(), screen)
{
    fx.stage.setStretch(stretch);
    registerLanguageWindows(fx.windows);
}

void LanguageFixture::setLesson(const QStringList& items, const QStringList& sentences)
{
    data.addCourse(QStringLiteral("课程"), QStringLiteral("[课程目录]\n课程目录=课堂\n"
                                                          "[课程图片]\n课堂=") +
                                               items.join(QLatin1Char(' ')) + QLatin1Char('\n'));
    data.addCourse(QStringLiteral("句子排序"), QStringLiteral("[句子排序]\n") +
                                                   sentences.join(QLatin1Char('\n')) +
                                                   QLatin1Char('\n'));
    fx.app.CurrentArea = QStringLiteral("语言");
    fx.app.CurrentLesson = QStringLiteral("课堂");
    for (int k = 1; k <= items.size(); ++k) {
        QImage photo(40, 40, QImage::Format_RGB32);
        photo.fill(photoColour(k));
        fx.app.ItemPictures[k] = QPixmap::fromImage(photo);
    }
}

void LanguageFixture::drag(QWidget* from, QPoint to)
{
    QWindow* screen = fx.stage.windowHandle();
    const QPoint at = centreOf(from);
    QTest::mouseMove(screen, at);
    QTest::mousePress(screen, Qt::LeftButton, {}, at);
    QTest::mouseMove(screen, (at + to) / 2);
    QTest::mouseMove(screen, to);
    QTest::mouseRelease(screen, Qt::LeftButton, {}, to);
}

QPoint LanguageFixture::centreOf(QWidget* widget) const
{
    return fx.onStage(widget, QPoint(widget->width() / 2, widget->height() / 2));
}

QColor photoColour(int k)
{
    return QColor::fromHsv((k * 47) % 360, 230, 220);
}

bool showsColour(const QImage& image, const QColor& colour)
{
    if (image.isNull()) return false;
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    return std::abs(c.red() - colour.red()) < 8 && std::abs(c.green() - colour.green()) < 8 &&
           std::abs(c.blue() - colour.blue()) < 8;
}

bool showsColour(const QPixmap& picture, const QColor& colour)
{
    return showsColour(picture.toImage(), colour);
}

bool sameInk(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return false;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128)) ++differing;
    return differing <= a.width() * a.height() / 100;
}

QImage stretched(const QPixmap& picture, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform, picture.size() != size);
    p.drawImage(QRect(QPoint(0, 0), size), picture.toImage());
    return image;
}
