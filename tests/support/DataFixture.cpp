#include "DataFixture.h"

#include "shell/data/CourseCarrier.h"
#include "shell/data/CourseIni.h"
#include "shell/data/SplitPhoto.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString tempTemplate()
{
    // ctest points MINDLARK_TEST_TMP into the build folder so that leftovers are easy to find.
    const QString base = qEnvironmentVariable("MINDLARK_TEST_TMP", QDir::tempPath());
    QDir().mkpath(base);
    return base + QStringLiteral("/data-XXXXXX");
}

} // namespace

DataFixture::DataFixture()
    : dir_(tempTemplate())
    , root_(dir_.path())
{
    if (!dir_.isValid())
        qFatal("DataFixture: no temporary folder: %s", qPrintable(dir_.errorString()));
    addFile(QStringLiteral("kc/课程.mdb"), {});
}

QString DataFixture::path(const QString& relPath) const
{
    return root_ + QLatin1Char('/') + relPath;
}

void DataFixture::addCourse(const QString& course, const QString& iniText)
{
    addCourseBytes(course, encodeGbk(iniText));
}

void DataFixture::addCourseBytes(const QString& course, const QByteArray& gbk)
{
    addFile(QStringLiteral("pic/fmpic/%1.bmp").arg(course), CourseCarrier::make(gbk));
}

void DataFixture::addPhoto(const QString& item, const QImage& image)
{
    const auto [first, second] = SplitPhoto::split(jpeg(image));
    addFile(QStringLiteral("pic/kcpic/%1.zic").arg(item), first);
    addFile(QStringLiteral("pic/wzpic/%1.zic").arg(item), second);
}

void DataFixture::addFile(const QString& relPath, const QByteArray& bytes)
{
    const QString full = path(relPath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("DataFixture: cannot write %s", qPrintable(full));
}

void DataFixture::removeFile(const QString& relPath)
{
    QFile::remove(path(relPath));
}

QImage DataFixture::picture(QColor color)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QByteArray DataFixture::jpeg(const QImage& image)
{
    return encode(image, "JPG");
}

QByteArray DataFixture::bmp(const QImage& image)
{
    return encode(image, "BMP");
}

QByteArray DataFixture::encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
