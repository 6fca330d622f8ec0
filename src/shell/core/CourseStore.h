#pragma once
// Reads the course data: course text from the carrier bitmaps, lesson photos from their two
// halves. Everything is decoded in memory; nothing is written into the data folder, so the
// program runs from a read-only install and two copies never collide.

#include "shell/core/AppContext.h"
#include "shell/core/CourseCache.h"
#include "shell/data/CourseIni.h"

#include <QByteArray>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

class TextBox;

// One course value, read without a widget.
struct CourseValue {
    // The value as a Txtini holds it: at most 999 bytes, ending at a NUL.
    QString text;
    // Right in every case: no items for an empty value, the value itself when it has no
    // space, otherwise the parts between single spaces (two spaces in a row give an empty
    // item). At most the first 200, as many as ItemList holds.
    QStringList items;
};

// Reads one value of a course; broken data gives warnings and an empty value, a missing data
// folder ends the program.
CourseValue ReadCourseItems(AppContext& app, const QString& section, const QString& key,
                            const QString& course);

// Puts a value where the classic windows look for it: Txtini and ItemTextLength, and the
// classic split into ItemList(1..ItemCount), which leaves ItemList untouched for an empty
// value or one without a space (an empty value also resets RoundIndex).
void ShareCourseItems(AppContext& app, TextBox& Txtini, const CourseValue& value);

// ReadCourseItems and ShareCourseItems: the classic read through a window's Txtini. Returns
// the items.
QStringList LoadCourseItems(AppContext& app, TextBox& Txtini, const QString& section,
                            const QString& key, const QString& course);

// The values of the keys "1", "2" ... "last" of a section, from one read of the course, each
// cut to maxBytes and at a NUL; with stopAtEmpty the list ends before the first empty value.
QStringList ReadNumberedValues(AppContext& app, const QString& section, const QString& course,
                               int last, bool stopAtEmpty, int maxBytes = CourseIni::ValueBytes);

// The course decoded in memory (once, until its carrier changes); null, with a warning, when
// the carrier is missing or broken. A carrier without text falls back to a plain
// kc/<course>.ini.
DecodedCourse ExtractCourseIni(AppContext& app, const QString& course);

// The joined photo bytes of an item; a message box per missing half.
QByteArray RestorePicture(AppContext& app, const QString& item);
// The decoded photo of an item, no larger than the stage; a null pixmap when it does not
// decode.
QPixmap LoadItemPicture(AppContext& app, const QString& item);
// The photos of many items: the halves are read in item order (the messages for missing
// halves come in that order), the photos decoded on all cores.
QList<QPixmap> LoadItemPictures(AppContext& app, const QStringList& items);

// Picture bytes decoded by their content (JPEG, GIF, BMP, PNG); a null pixmap and one
// warning naming the source when they do not decode. Lesson photos and the pictures the
// courses name come through here, and so do the fuzz targets' inputs.
QPixmap DecodePicture(AppContext& app, const QByteArray& bytes, const QString& source);

// The data folder is recognised by its marker kc/课程.mdb.
bool DataFolderPresent(const AppContext& app);
// Without course data there is nothing for the child to do: say where we looked and end.
void EndForMissingDataFolder(AppContext& app);
