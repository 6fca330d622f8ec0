// Lesson photos: decoded no larger than the stage with their shape kept, many at once in
// item order, and the messages for missing halves one by one in that order.

#include "StoreHarness.h"
#include "shell/core/CourseStore.h"
#include "shell/core/PhotoDecoder.h"

#include <gtest/gtest.h>

namespace {

QImage photo(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(DecodePhoto, ShrinksToTheBoundKeepingTheShapeAndNeverEnlarges)
{
    const QSize stage(1024, 768);
    const struct {
        const char* name;
        QSize photo, bound, decoded;
    } cases[] = {
        {"camera photo", {4000, 3000}, stage, {1024, 768}},
        {"wide photo", {2000, 500}, stage, {1024, 256}},
        {"tall photo", {300, 3000}, stage, {76, 768}},
        {"fits already", {640, 480}, stage, {640, 480}},
        {"exactly the stage", {1024, 768}, stage, {1024, 768}},
        {"a smaller stage", {1024, 768}, {800, 600}, {800, 600}},
        {"a hair of a photo", {20000, 8}, stage, {1024, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = DecodePhoto(DataFixture::jpeg(photo(c.photo, Qt::red)), c.bound);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), c.decoded);
        EXPECT_GT(qRed(image.pixel(image.width() / 2, image.height() / 2)), 200);
    }
}

TEST(DecodePhoto, BytesThatAreNoPictureGiveANullImage)
{
    EXPECT_TRUE(DecodePhoto(QByteArray("not a jpeg"), QSize(1024, 768)).isNull());
    EXPECT_TRUE(DecodePhoto(QByteArray(), QSize(1024, 768)).isNull());
}

TEST(LoadItemPictures, ManyPhotosComeInItemOrderWithTheirMessagesInOrder)
{
    StoreHarness h;
    QStringList items;
    for (int k = 0; k < 12; ++k) {
        items << QStringLiteral("物%1").arg(k);
        h.data.addPhoto(items.last(), photo({160, 120}, QColor::fromHsv(k * 30, 255, 255)));
    }
    h.data.removeFile("pic/wzpic/物3.zic");
    h.data.removeFile("pic/kcpic/物8.zic");
    h.data.removeFile("pic/wzpic/物8.zic");

    const QList<QPixmap> pictures = LoadItemPictures(h.app, items);

    EXPECT_EQ(h.services.messages,
              QStringList({"文件 " + h.data.path("pic/wzpic/物3.zic") + " 没有找到!",
                           "文件 " + h.data.path("pic/kcpic/物8.zic") + " 没有找到!",
                           "文件 " + h.data.path("pic/wzpic/物8.zic") + " 没有找到!"}));
    ASSERT_EQ(pictures.size(), items.size());
    for (int k = 0; k < items.size(); ++k) {
        SCOPED_TRACE(k);
        if (k == 3) continue; // the first half alone: whatever, if anything, it decodes to
        if (k == 8) {
            EXPECT_TRUE(pictures[k].isNull());
            continue;
        }
        ASSERT_FALSE(pictures[k].isNull());
        EXPECT_NEAR(pictures[k].toImage().pixelColor(80, 60).hue(), k * 30, 8);
    }
}

TEST(LoadItemPictures, NoPhotoIsLargerThanTheStage)
{
    StoreHarness h;
    h.app.stage = &h.stage;
    h.stage.resize(800, 600);
    h.data.addPhoto("大象", photo({1600, 1200}, Qt::gray));
    h.data.addPhoto("蚂蚁", photo({40, 30}, Qt::black));
    const QList<QPixmap> pictures = LoadItemPictures(h.app, {"大象", "蚂蚁"});
    EXPECT_EQ(pictures[0].size(), QSize(800, 600));
    EXPECT_EQ(pictures[1].size(), QSize(40, 30));
    EXPECT_EQ(LoadItemPicture(h.app, "大象").size(), QSize(800, 600));
}

} // namespace
