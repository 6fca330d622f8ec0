#pragma once
// The pictures of the tool box: one icon a tool, drawn big and simple for small children.

#include <QRectF>

class QPainter;

enum class ToolIcon {
    FreeFormSelect,
    Select,
    Eraser,
    Fill,
    PickColour,
    Magnifier,
    Pencil,
    Brush,
    Spray,
    Text,
    Line,
    Curve,
    Rectangle,
    Polygon,
    RoundedRectangle,
};

// Paints the icon into the cell; a tool that cannot be chosen is greyed.
void paintToolIcon(QPainter& p, ToolIcon icon, const QRectF& cell, bool enabled);
