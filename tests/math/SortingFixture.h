#pragma once
// The sorting windows' fixture: a 数学课程 whose [排序] holds the given levels, and the
// number pictures 1..10 as JPEG and as GIF, each number a solid colour of its own.

#include "SumsFixture.h"

struct SortingFixture : SumsFixture {
    explicit SortingFixture(const QString& levels, QSize screen = QSize(1024, 768),
                            bool stretch = false);
};

// The number whose picture an image shows (0: none of them), and whether it is n.
int numberShown(const QImage& image);
bool showsNumber(const QImage& image, int n);
