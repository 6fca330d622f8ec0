#pragma once
// Stroke files of the writing activities: how a character is written, stroke by stroke.
// An ini text with one section per stroke ([1], [2] ...) and one key per sampled point
// (1=x y, 2=x y ...), in pixels of the 321 x 321 writing box; every section and point
// line begins with a line break, so the text starts with one.

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QStringList>

using Stroke = QList<QPoint>;
using Strokes = QList<Stroke>;

namespace StrokeFile {

// The side of the writing box the coordinates are measured in.
inline constexpr int BoxSide = 321;
// A character's strokes take a few kilobytes; a file far beyond this is not a stroke file.
inline constexpr qsizetype MaxBytes = 1024 * 1024;

// The strokes as the replay finds them: stroke n as long as section n has a point 1, its
// points up to the first missing key. A point that is not two whole numbers ends its stroke
// and is described in *problems.
Strokes parse(const QByteArray& text, QStringList* problems = nullptr);

// The line that opens stroke n, and the line of point k, each with its leading line break.
QByteArray strokeLine(int stroke);
QByteArray pointLine(int point, QPoint at);

// The whole text of a character written as strokes.
QByteArray write(const Strokes& strokes);

} // namespace StrokeFile
