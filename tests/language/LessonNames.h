#pragma once
// Names for the items of a test lesson.

#include <QStringList>

// The first n of twenty fruit names.
QStringList fruitNames(int n);
