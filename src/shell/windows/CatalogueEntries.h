#pragma once
// Where the catalogue of each area comes from: the lesson list of the course 课程 for the
// areas whose entries are lessons, the 目录 section of the area's own course otherwise.

#include "shell/core/AppContext.h"

#include <QStringList>

class TextBox;

struct CatalogueEntries {
    QStringList entries; // Entries(1..) in order; an empty string hides the rest of a page
    int count = 0;       // EntryCount: what the page count is computed from
};

// The areas whose catalogue entries are lessons, opened in the activity chooser.
bool isLessonArea(const QString& area);
// The areas whose catalogue entries open an activity window directly.
bool isActivityArea(const QString& area);

CatalogueEntries ReadCatalogueEntries(AppContext& app, TextBox& Txtini, const QString& area);
