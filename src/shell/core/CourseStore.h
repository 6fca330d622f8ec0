#pragma once
// Reading course text and lesson photos from the data folder, in memory.
// (Declarations only until the store lands; the implementation comes with it.)

#include "AppContext.h"

#include <QByteArray>
#include <QPixmap>

class TextBox;

void LoadCourseItems(AppContext& app, TextBox& Txtini, const QString& section, const QString& key,
                     const QString& course);
QByteArray RestorePicture(AppContext& app, const QString& item);
QPixmap LoadItemPicture(AppContext& app, const QString& item);
bool DataFolderPresent(const AppContext& app);
void EndForMissingDataFolder(AppContext& app);
