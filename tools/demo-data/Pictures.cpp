#include "Pictures.h"

#include "DataFolder.h"
#include "DemoContent.h"
#include "GifWriter.h"
#include "Glyphs.h"
#include "ItemPainter.h"
#include "shell/data/SplitPhoto.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int PhotoSide = 400;    // lesson photos fill up to 529 x 521 pixels in the jigsaw
constexpr int CountingSide = 240; // counting and number pictures show at 97 to 313 pixels

void writeSplitPhoto(const DataFolder& out, const QString& name, const QImage& image)
{
    const auto [first, second] = SplitPhoto::split(out.jpeg(image));
    out.write(QStringLiteral("pic/kcpic/%1.zic").arg(name), first);
    out.write(QStringLiteral("pic/wzpic/%1.zic").arg(name), second);
}

const QColor DigitColours[] = {"#e53935", "#fb8c00", "#fdd835", "#43a047", "#00acc1",
                               "#1e88e5", "#5e35b1", "#d81b60", "#6d4c41", "#3949ab"};

QImage paintNumeral(int n)
{
    QImage image(CountingSide, CountingSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = DigitColours[(n - 1) % 10];
    p.setPen(QPen(colour, 8));
    p.setBrush(colour.lighter(185));
    p.drawRoundedRect(QRectF(6, 6, CountingSide - 12, CountingSide - 12), 36, 36);
    const QString text = QString::number(n);
    QFont font = Glyphs::sans(n < 10 ? 190 : 150);
    QPainterPath path;
    const QFontMetricsF metrics(font);
    path.addText((CountingSide - metrics.horizontalAdvance(text)) / 2,
                 (CountingSide + metrics.capHeight()) / 2, font, text);
    p.setPen(QPen(colour.darker(150), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(path);
    return image;
}

QImage paintApples(int n)
{
    PictureRecipe apples = PictureRecipe::parse(QStringLiteral("苹果"), QStringLiteral("🍎"));
    apples.count = n;
    apples.cell = 0.22; // the same apple size in every picture, ten still fit
    apples.background = QColor(Qt::white);
    return paintItem(apples, CountingSide);
}

} // namespace

void writeItemPictures(const DemoContent& content, const DataFolder& out)
{
    for (const QString& name : content.photoItems())
        writeSplitPhoto(out, name, paintItem(content.picture(name), PhotoSide));

    const ContentIni& math = content.course(QStringLiteral("数学课程"));
    for (const QString& name : math.items(QStringLiteral("图片"), QStringLiteral("图片")))
        out.writeImage(QStringLiteral("pic/sxpic/%1.jpg").arg(name),
                       paintItem(content.picture(name), CountingSide));

    const ContentIni& lessons = content.course(QStringLiteral("课程"));
    for (const QString& colour : lessons.items(QStringLiteral("分辨颜色"), QStringLiteral("颜色")))
        out.writeImage(QStringLiteral("pic/color/%1.jpg").arg(colour),
                       paintItem(content.picture(colour), PhotoSide));

    const ContentIni& sequence = content.course(QStringLiteral("顺序推理"));
    for (const QString& name : sequence.items(QStringLiteral("顺序推理"), QStringLiteral("1")))
        out.writeImage(QStringLiteral("pic/顺序推理图/%1.jpg").arg(name),
                       paintItem(content.picture(name), PhotoSide));
}

void writeNumberPictures(const DataFolder& out)
{
    for (int n = 1; n <= 10; ++n) {
        const QImage numeral = paintNumeral(n);
        out.writeImage(QStringLiteral("pic/sxpic/数字/%1.jpg").arg(n), numeral);
        out.write(QStringLiteral("pic/sxpic/数字/%1.gif").arg(n), encodeGif({{numeral, 0}}));
        out.writeImage(QStringLiteral("pic/sxpic/苹果/%1.jpg").arg(n), paintApples(n));
    }
}
