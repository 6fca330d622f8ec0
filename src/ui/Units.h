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
