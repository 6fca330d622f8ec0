#pragma once
// What the four panels of the drawing board share: the tool in hand, the colours of the two
// mouse buttons and the spread of the spray. Every opening of the board starts afresh.

#include <QColor>
#include <cstdint>

// The tools by their numbers; 画直线 and 画曲线 are the same tool.
enum class ToolNumber : int16_t {
    Pencil = 1,
    Line = 2,
    Rectangle = 4,
    Fill = 5,
    Select = 6,
    Eraser = 7,
    PickColour = 8,
    Brush = 9,
    Spray = 12,
    Polygon = 13,
    RoundedRectangle = 15,
    FreeFormSelect = 16,
};

struct MdlHuatu {
    ToolNumber Tool = ToolNumber::Pencil;
    QColor PrimaryColour = QColor(0, 0, 0);         // the left button's
    QColor SecondaryColour = QColor(255, 255, 255); // the right button's
    double SprayFactor = 1;
};
