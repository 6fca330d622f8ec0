#pragma once
// Emoji and text as pictures: the colour emoji font for things, the CJK fonts for words.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace Glyphs {

// The emoji text drawn large and cropped to its visible pixels (transparent around).
QImage emoji(const QString& text);

QFont sans(int pixelSize, bool bold = true);
QFont serif(int pixelSize, bool bold = true);

// A soft, light colour that belongs to a name: the same name always gets the same one.
QColor pastel(const QString& name);

// Draws `image` scaled to fit inside `box`, keeping its proportions, centred.
void drawFitted(class QPainter& painter, const QImage& image, const class QRectF& box);

} // namespace Glyphs
