#pragma once
// Checks that everything the course files of a data folder name is there and decodes.

#include <QString>
#include <QStringList>

// One line per missing or broken file or entry; empty when the folder is complete.
QStringList checkDataFolder(const QString& dataDir);
