#pragma once
// Stroke files of the writing replay: data/<character>.ini, one section per stroke and
// one point per key, sampled along the strokes of the stroke table.

#include <QByteArray>
#include <QString>

class DataFolder;
struct DemoContent;

// The stroke file text for strokes written as in the table: "x,y x,y | x,y x,y".
QByteArray strokeFile(const QString& strokes);

void writeStrokeFiles(const DemoContent& content, const DataFolder& out);
