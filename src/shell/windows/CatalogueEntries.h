#pragma once
// Where the catalogue of each area comes from: the lesson list of the course 课程 for the
// areas whose entries are lessons, the 目录 section of the area's own course otherwise.

#include "shell/core/AppContext.h"
#include "shell/core/Launcher.h" // isLessonArea, isActivityArea

#include <QStringList>

class TextBox;

struct CatalogueEntries {
    QStringList entries; // Entries(1..) in order; an empty string hides the rest of a page
    int count = 0;       // EntryCount: what the page count is computed from
};

CatalogueEntries ReadCatalogueEntries(AppContext& app, TextBox& Txtini, const QString& area);
