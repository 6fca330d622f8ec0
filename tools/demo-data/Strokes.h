#pragma once
// Stroke files of the writing replay: data/<character>.ini, one section per stroke and
// one point per key, sampled along the strokes of the stroke table.

#include "shell/data/StrokeFile.h"

#include <QString>

class DataFolder;
struct DemoContent;

// The strokes of a table entry ("x,y x,y | x,y x,y": the corners each stroke passes
// through), sampled every few pixels as a hand on the writing box would leave them.
Strokes strokesOf(const QString& table);

void writeStrokeFiles(const DemoContent& content, const DataFolder& out);
