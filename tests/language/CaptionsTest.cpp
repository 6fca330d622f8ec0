// Item names drawn as pictures: the layout by length, the drawing in 黑体 bold with its top
// margin, the message for long names, and captions that stay inside their box.

#include "LanguageFixture.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "frame/ActivityForm.h"
#include "ui/Units.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char* name;
    const char* item;
    double topMargin;
    double textSize;
    std::vector<const char*> lines;
};

class CaptionLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(CaptionLayouts, FollowTheLengthOfTheName)
{
    const LayoutCase c = GetParam();
    const CaptionLayout layout = captionLayout(QString::fromUtf8(c.item));
    EXPECT_DOUBLE_EQ(layout.topMargin, c.topMargin);
    EXPECT_DOUBLE_EQ(layout.textSize, c.textSize);
    QStringList lines;
    for (const char* line : c.lines)
        lines << QString::fromUtf8(line);
    EXPECT_EQ(layout.lines, lines);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionLayouts,
    ::testing::Values(
        LayoutCase{"one", "梨", 100, 72, {"   梨"}}, LayoutCase{"two", "小猫", 100, 72, {"  小猫"}},
        LayoutCase{"three", "长颈鹿", 100, 72, {" 长颈鹿"}},
        LayoutCase{"four", "玩具小熊", 100, 72, {"玩具小熊"}},
        LayoutCase{"five", "一二三四五", 110, 57, {"一二三四五"}},
        LayoutCase{"six", "一二三四五六", 120, 48, {"一二三四五六"}},
        LayoutCase{"seven", "一二三四五六七", 130, 40, {"一二三四五六七"}},
        LayoutCase{"eight", "一二三四五六七八", 80, 72, {"一二三四", "五六七八"}},
        LayoutCase{"nine", "一二三四五六七八九", 95, 48, {"一二三四五", "六七八九"}},
        LayoutCase{"eleven", "一二三四五六七八九十百", 95, 48, {"一二三四五六", "七八九十百"}},
        LayoutCase{"twelve", "一二三四五六七八九十百千", 113, 36, {"一二三四五六", "七八九十百千"}},
        LayoutCase{"fifteen",
                   "一二三四五六七八九十百千万亿兆",
                   113,
                   36,
                   {"一二三四五六七八", "九十百千万亿兆"}},
        LayoutCase{"sixteen",
                   "一二三四五六七八九十百千万亿兆京",
                   120,
                   30,
                   {"一二三四五六七八", "九十百千万亿兆京"}},
        LayoutCase{"twenty",
                   "一二三四五六七八九十一二三四五六七八九十",
                   120,
                   24,
                   {"一二三四五六七八九十", "一二三四五六七八九十"}},
        // Past 24 characters the smallest size, and the real length splits the lines.
        LayoutCase{"twentyFive",
                   "一二三四五六七八九十一二三四五六七八九十一二三四五",
                   120,
                   24,
                   {"一二三四五六七八九十一二三", "四五六七八九十一二三四五"}},
        LayoutCase{"letters", "abc", 100, 72, {" abc"}}, LayoutCase{"empty", "", 0, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A window with the caption template, as every caption window has.
class CaptionWindow : public ActivityForm {
public:
    explicit CaptionWindow(AppContext& app)
        : ActivityForm(app, QStringLiteral("FrmCaptions"))
    {
        PicWenzhi.setDesigned(makeCaptionTemplate(*this));
    }
    ControlArray<PictureBox> PicWenzhi;
};

struct Captions {
    explicit Captions(float scaleX = 1.0f)
        : window(new CaptionWindow(fx.app))
    {
        fx.stage.showForm(window);
        fx.app.ScaleX = scaleX;
        window->PicWenzhi[0].Move(0, 0, 393 * scaleX, 393 * scaleX);
    }
    void render(const QStringList& items) { RenderCaptions(fx.app, window->PicWenzhi, items); }
    PictureBox& caption(int i) { return window->PicWenzhi[i]; }
    // Every pixel that is not white.
    QRect ink(int i)
    {
        const QImage& image = caption(i).image();
        QRect found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) found |= QRect(x, y, 1, 1);
        return found;
    }

    StageFixture fx;
    CaptionWindow* window;
};

TEST(Captions, AOneCharacterNameIsDrawnLargeBelowAnEmptyLineAndTowardsTheMiddle)
{
    Captions c;
    c.render({QStringLiteral("猫")});
    PictureBox& box = c.caption(1);
    EXPECT_FALSE(box.Visible()) << "captions are only read, never shown";
    EXPECT_EQ(box.width(), 393);
    EXPECT_EQ(box.fontFace(), QStringLiteral("黑体"));
    EXPECT_TRUE(box.fontBold());
    EXPECT_DOUBLE_EQ(box.FontSize(), 72);
    const int margin = fontPixelSize(100);
    const int line = fontPixelSize(72);
    EXPECT_DOUBLE_EQ(box.CurrentY(), margin + line);
    const QRect ink = c.ink(1);
    EXPECT_GE(ink.top(), margin);
    EXPECT_LT(ink.bottom(), margin + line);
    // Three blanks of half a character before it.
    EXPECT_NEAR(ink.left(), 1.5 * line, 8);
    EXPECT_TRUE(c.fx.services.messages.isEmpty());
}

TEST(Captions, AnEightCharacterNameIsDrawnInTwoLinesOfFour)
{
    Captions c;
    c.render({QStringLiteral("我们一起去公园玩")});
    const int margin = fontPixelSize(80);
    const int line = fontPixelSize(72);
    EXPECT_DOUBLE_EQ(c.caption(1).CurrentY(), margin + 2 * line);
    const QRect ink = c.ink(1);
    EXPECT_GE(ink.top(), margin);
    EXPECT_GT(ink.bottom(), margin + line) << "a second line";
    EXPECT_LE(ink.right(), 4 * line) << "four characters a line";
}

TEST(Captions, ALongNameIsAnnouncedOnceAndStillDrawnInFull)
{
    Captions c;
    const QString tooLong = QString(25, QChar(0x4E00));
    c.render({tooLong, QStringLiteral("小狗")});
    EXPECT_EQ(c.fx.services.messages,
              QStringList{QStringLiteral("文件名或句子太长，最多只能显示24个字！")});
    EXPECT_DOUBLE_EQ(c.caption(1).FontSize(), 24);
    EXPECT_GT(c.ink(1).width(), 12 * fontPixelSize(24)) << "13 characters in the first line";
    EXPECT_FALSE(c.ink(2).isEmpty()) << "the next name is drawn after the message";
}

TEST(Captions, AnEmptyNameLeavesABlankPicture)
{
    Captions c;
    c.render({QStringLiteral("苹果"), QString(), QStringLiteral("梨")});
    ASSERT_TRUE(c.window->PicWenzhi.exists(2));
    EXPECT_TRUE(c.ink(2).isEmpty());
    EXPECT_FALSE(c.ink(3).isEmpty());
    EXPECT_TRUE(captionOf(c.window->PicWenzhi, 2).size() == QSize(393, 393));
}

TEST(Captions, OnAWiderScreenEverySizeGrowsWithTheWidth)
{
    Captions c(1.25f);
    c.render({QStringLiteral("猫"), QStringLiteral("一二三四五六七八九十一二三四五六七八九十")});
    EXPECT_DOUBLE_EQ(c.caption(1).FontSize(), 90);
    EXPECT_DOUBLE_EQ(c.caption(1).CurrentY(), fontPixelSize(125) + fontPixelSize(90));
    EXPECT_DOUBLE_EQ(c.caption(2).FontSize(), 30);
    EXPECT_EQ(c.caption(1).width(), 491);
}

// A name stays inside its box, clear of the right and bottom edges. (Nineteen characters
// are the exception the layout table makes: ten characters of 30 points are 400 pixels.)
TEST(Captions, EveryLengthFitsItsBox)
{
    for (float scale : {1.0f, 1.25f}) {
        Captions c(scale);
        QStringList items;
        for (int length = 1; length <= 24; ++length)
            items << QString(length, QChar(0x9F98)); // 龘, a character that fills its square
        c.render(items);
        for (int i = 1; i <= 24; ++i) {
            if (i == 19) continue;
            const QRect ink = c.ink(i);
            const int side = c.caption(i).width();
            EXPECT_LT(ink.right(), side - 1) << i << " characters at " << scale;
            EXPECT_LT(ink.bottom(), side - 1) << i << " characters at " << scale;
        }
    }
}

TEST(Captions, RenderingAgainStartsEveryPictureAfresh)
{
    Captions c;
    c.render({QStringLiteral("大象")});
    c.render({QString()});
    EXPECT_TRUE(c.ink(1).isEmpty());
}

} // namespace
