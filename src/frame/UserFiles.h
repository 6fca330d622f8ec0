#pragma once
// Files the program writes for the child (stroke files, drawings). They go below the data
// root when it can be written, else below the user's own data folder; readers look in the
// user's folder first, so that what was saved there is what they find.

#include "shell/core/AppContext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The folders, in the order to read them, that may hold files of folder ("data"): the
// user's data folder, then the data root.
QStringList UserFileFolders(const AppContext& app, const QString& folder);

// The first of UserFileFolders that holds fileName, as a path; empty when none does or the
// name is not a plain file name.
QString FindUserFile(const AppContext& app, const QString& folder, const QString& fileName);

// Writes folder/fileName whole or not at all (a temporary file renamed over the old one):
// below the data root if possible, else in the user's data folder. Returns the path
// written; empty, with a warning, when the name is not a plain file name or neither place
// can be written.
QString SaveUserFile(AppContext& app, const QString& folder, const QString& fileName,
                     const QByteArray& bytes);
