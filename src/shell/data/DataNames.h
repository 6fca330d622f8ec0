#pragma once
// Names that come from course data (courses, items, steps) become parts of file paths;
// only plain names may.

#include <QString>

// False for an empty name and for one with a path separator, "..", or a control character.
bool isSafeDataName(const QString& name);
// The name with control characters shown as \xNN, fit for a warning line.
QString printableName(const QString& name);
