#pragma once
// The pictures the child chooses with: the six area pictures of the main menu (normal
// and highlighted) and the thumbnails of the learning steps.

#include <QColor>
#include <QImage>
#include <QString>

// A 256-pixel card with the area's emoji and name; `highlighted` is brighter and glows.
QImage paintAreaPicture(const QString& area, const QString& emoji, const QColor& colour,
                        bool highlighted);

// A 226 x 178 thumbnail: the step's emoji above its title.
QImage paintStepThumbnail(const QString& title, const QString& emoji);
