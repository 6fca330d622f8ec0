// Pictures named by the course data: each format the data folder holds decodes, and a
// missing or broken file leaves a blank and one warning that names it.

#include "frame/DataPictures.h"
#include "DataFixture.h"
#include "FakeServices.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TEST(DataPictures, EveryFormatOfTheDataFolderDecodes)
{
    // The extension is only part of the path: content decides, as with the classic loader.
    const QImage image = DataFixture::picture(Qt::red).scaled(30, 20);
    const struct {
        const char* format;
        const char* extension;
    } cases[] = {{"BMP", "bmp"}, {"JPG", "jpg"}, {"PNG", "png"}, {"BMP", "jpg"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " as ." + c.extension);
        DataFixture data;
        FakeServices services;
        AppContext app(services, data.root());
        data.addFile(QStringLiteral("pic/sxpic/苹果.") + c.extension, encoded(image, c.format));
        const QPixmap picture = LoadDataPicture(app, "pic/sxpic", "苹果", c.extension);
        EXPECT_EQ(picture.size(), QSize(30, 20));
        EXPECT_TRUE(services.warnings.isEmpty());
    }
}

TEST(DataPictures, MissingOrBrokenFilesLeaveABlankAndOneWarning)
{
    const struct {
        const char* name;
        QByteArray bytes; // null: no file
        const char* warning;
    } cases[] = {
        {"missing", {}, "Cannot read "},
        {"empty", QByteArray(""), "does not decode"},
        {"garbage", QByteArray("BM\x10\x00\x00\x00garbage", 14), "does not decode"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DataFixture data;
        FakeServices services;
        AppContext app(services, data.root());
        if (!c.bytes.isNull())
            data.addFile(QStringLiteral("pic/sxpic/%1.jpg").arg(c.name), c.bytes);
        EXPECT_TRUE(LoadDataPicture(app, "pic/sxpic", c.name).isNull());
        ASSERT_EQ(services.warnings.size(), 1);
        EXPECT_TRUE(services.warnings[0].contains(c.warning)) << services.warnings[0].toStdString();
        EXPECT_TRUE(services.warnings[0].contains(c.name));
    }
}

} // namespace
