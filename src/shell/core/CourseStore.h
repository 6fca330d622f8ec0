#pragma once
// Reads the course data: course text from the carrier bitmaps, lesson photos from their two
// halves. Everything is decoded in memory; nothing is written into the data folder, so the
// program runs from a read-only install and two copies never collide.

#include "shell/core/AppContext.h"
#include "shell/data/CourseIni.h"

#include <QByteArray>
#include <QPixmap>
#include <QString>
#include <optional>

class TextBox;

// Reads one value into Txtini and splits it on single spaces into ItemList(1..ItemCount).
void LoadCourseItems(AppContext& app, TextBox& Txtini, const QString& section, const QString& key,
                     const QString& course);

// The course ini decoded in memory; std::nullopt, with a warning, when the carrier is
// missing or broken. A carrier without text falls back to a plain kc/<course>.ini.
std::optional<CourseIni> ExtractCourseIni(AppContext& app, const QString& course);

// The joined photo bytes of an item; a message box per missing half.
QByteArray RestorePicture(AppContext& app, const QString& item);
// The decoded photo of an item; a null pixmap when it does not decode.
QPixmap LoadItemPicture(AppContext& app, const QString& item);

// A whole data file, refused with a warning when it cannot be read or is far larger than
// any course file or picture.
std::optional<QByteArray> ReadDataFile(AppContext& app, const QString& path);
// Picture bytes decoded by their content (JPEG, GIF, BMP, PNG); a null pixmap and one
// warning naming the source when they do not decode. Lesson photos and the pictures the
// courses name come through here, and so do the fuzz targets' inputs.
QPixmap DecodePicture(AppContext& app, const QByteArray& bytes, const QString& source);

// The data folder is recognised by its marker kc/课程.mdb.
bool DataFolderPresent(const AppContext& app);
// Without course data there is nothing for the child to do: say where we looked and end.
void EndForMissingDataFolder(AppContext& app);
