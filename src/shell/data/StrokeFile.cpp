#include "shell/data/StrokeFile.h"

#include "shell/data/CourseIni.h"

#include <cstdlib>
#include <optional>

namespace {

// Far outside any writing box, yet small enough that drawing to it is harmless.
constexpr int MaxCoordinate = 100000;

std::optional<QPoint> parsePoint(const QString& value)
{
    const QStringList parts = value.simplified().split(QLatin1Char(' '));
    if (parts.size() != 2) return std::nullopt;
    bool okX = false, okY = false;
    const int x = parts[0].toInt(&okX);
    const int y = parts[1].toInt(&okY);
    if (!okX || !okY || std::abs(x) > MaxCoordinate || std::abs(y) > MaxCoordinate)
        return std::nullopt;
    return QPoint(x, y);
}

} // namespace

namespace StrokeFile {

Strokes parse(const QByteArray& text, QStringList* problems)
{
    const CourseIni ini = CourseIni::parse(text);
    Strokes strokes;
    for (int n = 1;; ++n) {
        const QString section = QString::number(n);
        Stroke stroke;
        for (int k = 1;; ++k) {
            const QString key = QString::number(k);
            const QString value = ini.value(section, key);
            if (value.isEmpty()) break;
            const std::optional<QPoint> point = parsePoint(value);
            if (!point) {
                if (problems)
                    *problems << QStringLiteral("stroke %1, point %2: \"%3\" is not two numbers")
                                     .arg(section, key, value.left(40));
                break;
            }
            stroke.append(*point);
        }
        if (stroke.isEmpty()) break;
        strokes.append(stroke);
    }
    return strokes;
}

QByteArray strokeLine(int stroke)
{
    return "\r\n[" + QByteArray::number(stroke) + ']';
}

QByteArray pointLine(int point, QPoint at)
{
    return "\r\n" + QByteArray::number(point) + '=' + QByteArray::number(at.x()) + ' ' +
           QByteArray::number(at.y());
}

QByteArray write(const Strokes& strokes)
{
    QByteArray text;
    for (qsizetype n = 0; n < strokes.size(); ++n) {
        text += strokeLine(int(n + 1));
        for (qsizetype k = 0; k < strokes[n].size(); ++k)
            text += pointLine(int(k + 1), strokes[n][k]);
    }
    return text;
}

} // namespace StrokeFile
