#pragma once
// Pictures that the course data names by file: the name is checked before it becomes part
// of a path, and a picture that cannot be read leaves a blank and one warning.

#include "shell/core/AppContext.h"

#include <QPixmap>

// <folder>/<name>.jpg below the data root, e.g. LoadDataPicture(app, "pic/sxpic", "苹果").
QPixmap LoadDataPicture(AppContext& app, const QString& folder, const QString& name,
                        const QString& extension = QStringLiteral("jpg"));
