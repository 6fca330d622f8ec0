#include "shell/data/CourseCarrier.h"

#include <QtEndian>

namespace CourseCarrier {

namespace {
constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
} // namespace

void scramble(QByteArray& bytes)
{
    char* data = bytes.data();
    for (qsizetype j = 0; j < bytes.size(); ++j)
        data[j] = char(data[j] ^ Key[j % 4]);
}

Contents read(const QByteArray& file)
{
    if (file.size() < FileHeaderSize) return {Status::TooShort, {}};
    if (file[0] != 'B' || file[1] != 'M') return {Status::BadSignature, {}};
    const qint32 declared = qFromLittleEndian<qint32>(file.constData() + 2);
    if (declared < FileHeaderSize || declared > file.size()) return {Status::BadSize, {}};
    if (declared == file.size()) return {Status::NoText, {}};
    QByteArray text = file.mid(declared);
    scramble(text);
    return {Status::Text, text};
}

QByteArray make(const QByteArray& text)
{
    // An 8 x 8 light-blue 24-bit bitmap: any picture viewer shows it.
    constexpr int side = 8;
    constexpr int rowBytes = side * 3; // already a multiple of 4
    constexpr int pixelBytes = rowBytes * side;
    constexpr int fileSize = FileHeaderSize + InfoHeaderSize + pixelBytes;

    QByteArray bmp(fileSize, '\0');
    char* p = bmp.data();
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<qint32>(fileSize, p + 2);
    qToLittleEndian<qint32>(FileHeaderSize + InfoHeaderSize, p + 10);
    qToLittleEndian<qint32>(InfoHeaderSize, p + 14);
    qToLittleEndian<qint32>(side, p + 18);
    qToLittleEndian<qint32>(side, p + 22);
    qToLittleEndian<qint16>(1, p + 26);  // planes
    qToLittleEndian<qint16>(24, p + 28); // bits per pixel
    qToLittleEndian<qint32>(pixelBytes, p + 34);
    qToLittleEndian<qint32>(3780, p + 38); // 96 dpi
    qToLittleEndian<qint32>(3780, p + 42);
    for (int i = 0; i < side * side; ++i) {
        char* px = p + FileHeaderSize + InfoHeaderSize + i * 3;
        px[0] = char(0xF0); // blue
        px[1] = char(0xD8); // green
        px[2] = char(0xB0); // red
    }
    QByteArray tail = text;
    scramble(tail);
    return bmp + tail;
}

QString describe(Status status)
{
    switch (status) {
    case Status::Text:
        return QStringLiteral("holds course text");
    case Status::NoText:
        return QStringLiteral("holds no course text");
    case Status::TooShort:
        return QStringLiteral("is too short to be a bitmap");
    case Status::BadSignature:
        return QStringLiteral("is not a bitmap");
    case Status::BadSize:
        return QStringLiteral("declares a bitmap size that does not fit the file");
    }
    return {};
}

} // namespace CourseCarrier
