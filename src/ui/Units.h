#pragma once
// Design units of the windows and the one place where they become device pixels.

#include <QFont>
#include <QString>
#include <cmath>

enum class ScaleUnit { Twips, Pixels };

inline constexpr int TwipsPerPixel = 15;
inline constexpr int DesignWidth = 1024;
inline constexpr int DesignHeight = 768;

inline double unitsPerPixel(ScaleUnit unit)
{
    return unit == ScaleUnit::Twips ? TwipsPerPixel : 1.0;
}

inline int toPixels(double value, ScaleUnit unit)
{
    return int(std::lround(value / unitsPerPixel(unit)));
}

inline double fromPixels(int pixels, ScaleUnit unit)
{
    return pixels * unitsPerPixel(unit);
}

// Fonts are designed in points on a 96 dpi screen; the pixel size keeps the layout
// identical whatever the platform reports as its resolution.
inline int fontPixelSize(double points)
{
    return std::max(1, int(std::lround(points * 96.0 / 72.0)));
}

// The designed faces (黑体, 宋体) mapped to fonts that every Linux machine has.
QString mapFontFace(const QString& designedFace);

QFont makeFont(const QString& face, double points, bool bold = false);

// Lines of text as the designed faces lay them out: 黑体 and 宋体 have lines exactly one em
// high with the baseline at 0.859 em, and blanks half an em wide. The faces that stand in for
// them have lines of 1.45 em and narrow blanks, which would push text that was placed in a
// box line by line out of the box, and short words off its middle.
struct TextLines {
    int ascent; // from the top of a line to its baseline, pixels
    int height; // from one line to the next, pixels
};
TextLines textLinesOf(const QString& designedFace, const QFont& font);
// The text with its blanks as wide as the designed face draws them.
QString withDesignedBlanks(const QString& designedFace, const QString& text);
