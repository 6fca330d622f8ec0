#include "Strokes.h"

#include "DataFolder.h"
#include "DemoContent.h"
#include "Fatal.h"
#include "shell/data/StrokeFile.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <cmath>

namespace {

// Points every few pixels, as a hand on the recorder's drawing box would leave them.
constexpr double Step = 8.0;

QList<QPointF> corners(const QString& stroke)
{
    QList<QPointF> points;
    for (const QString& pair : stroke.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool okX = false, okY = false;
        const double x = pair.section(QLatin1Char(','), 0, 0).toDouble(&okX);
        const double y = pair.section(QLatin1Char(','), 1, 1).toDouble(&okY);
        if (!okX || !okY || x < 0 || y < 0 || x >= StrokeFile::BoxSide || y >= StrokeFile::BoxSide)
            fatal(QStringLiteral("not a point of the 321 x 321 writing box: %1").arg(pair));
        points.append({x, y});
    }
    if (points.size() < 2) fatal(QStringLiteral("a stroke needs two points: %1").arg(stroke));
    return points;
}

Stroke sampled(const QList<QPointF>& corners)
{
    Stroke points{corners.first().toPoint()};
    for (qsizetype i = 1; i < corners.size(); ++i) {
        const QLineF segment(corners[i - 1], corners[i]);
        const int steps = std::max(1, int(std::ceil(segment.length() / Step)));
        for (int s = 1; s <= steps; ++s)
            points.append(segment.pointAt(double(s) / steps).toPoint());
    }
    return points;
}

} // namespace

Strokes strokesOf(const QString& table)
{
    Strokes strokes;
    for (const QString& stroke : table.split(QLatin1Char('|')))
        strokes.append(sampled(corners(stroke)));
    return strokes;
}

void writeStrokeFiles(const DemoContent& content, const DataFolder& out)
{
    const IniSection* table = content.strokes.section(QStringLiteral("笔顺"));
    if (!table) fatal(QStringLiteral("strokes.ini has no [笔顺]"));
    for (const auto& [character, strokes] : table->entries)
        out.write(QStringLiteral("data/%1.ini").arg(character),
                  StrokeFile::write(strokesOf(strokes)));
}
