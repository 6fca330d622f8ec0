#include "DataFolder.h"

#include "Fatal.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

DataFolder::DataFolder(const QString& root)
    : m_root(root) {
    if (!m_root.mkpath(QStringLiteral("."))) fatal(QStringLiteral("cannot create %1").arg(root));
}

QString DataFolder::path(const QString& relativePath) const {
    return m_root.filePath(relativePath);
}

void DataFolder::write(const QString& relativePath, const QByteArray& bytes) const {
    const QString full = path(relativePath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fatal(QStringLiteral("cannot write %1").arg(full));
}

static QByteArray encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality))
        fatal(QStringLiteral("cannot encode a %1 picture").arg(QLatin1String(format)));
    return bytes;
}

QByteArray DataFolder::jpeg(const QImage& image) const {
    return encode(image.convertToFormat(QImage::Format_RGB32), "JPG", 88);
}

void DataFolder::writeImage(const QString& relativePath, const QImage& image) const {
    const QString suffix = QFileInfo(relativePath).suffix().toLower();
    if (suffix == QLatin1String("jpg"))
        write(relativePath, jpeg(image));
    else if (suffix == QLatin1String("png"))
        write(relativePath, encode(image, "PNG", -1));
    else if (suffix == QLatin1String("bmp"))
        write(relativePath, encode(image.convertToFormat(QImage::Format_RGB32), "BMP", -1));
    else
        fatal(QStringLiteral("no writer for %1").arg(relativePath));
}
