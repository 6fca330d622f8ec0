#pragma once
// Where and how the drawing board saves a drawing: a new bitmap file named after the moment,
// never over an earlier drawing, complete or not at all.

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

// The name of a drawing saved at that moment: the date and time with the separators taken
// out, digits only (3 May 2006 14:22:05 gives 200653142205).
QString DrawingName(const QDateTime& at);

// The folders a drawing may go to, in order: 我的绘画作品 under the data root, then Mindlark
// in the user's pictures folder (for a data root that cannot be written).
QStringList DrawingFolders(const QString& dataRoot);

struct SavedDrawing {
    QString path;    // the file written, or empty
    QString problem; // why nothing was written
};

// Writes the image as a Windows bitmap name.bmp, or name_2.bmp, name_3.bmp ... when that name
// is taken, into the first of the folders that takes it (created when missing). The file
// appears under its name only once it is complete, and no existing file is ever replaced.
SavedDrawing SaveNewDrawing(const QImage& image, const QStringList& folders, const QString& name);
