#pragma once
// Everything the demo course is made from, as read from the content folder: the course
// files, the picture table, the icons of areas and steps, and the stroke table.

#include "ContentIni.h"
#include "PictureRecipe.h"

#include <QMap>
#include <QString>
#include <QStringList>

struct DemoContent {
    QMap<QString, ContentIni> courses; // by course name
    ContentIni pictures;
    ContentIni icons;
    ContentIni strokes;
    QString handbook; // the handbook page, UTF-8 HTML

    static DemoContent load(const QString& folder);

    const ContentIni& course(const QString& name) const;
    PictureRecipe picture(const QString& name) const; // stops when the table has no line
    QString icon(const QString& section, const QString& name) const;

    // Every name whose picture is a split lesson photo: lesson and category items and
    // the things compared in the comparison games, each once, in order of appearance.
    QStringList photoItems() const;
    QStringList comparisonWords() const; // characters 3 and 4 of every comparison entry
};
