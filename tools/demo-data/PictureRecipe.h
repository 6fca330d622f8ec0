#pragma once
// How one named picture is drawn, read from a line of the picture table:
//   name = subject [option=value ...]
// The subject is emoji text, or one of the drawn shapes "pencil", "ribbon" and
// "caterpillar". Options: size (height as a fraction of the picture), stretch=x,y,
// count (copies in rows), cell (size of one copy), ground (stand on grass),
// length (of a drawn shape), colour (of a ribbon), frame (a coloured border),
// background (instead of the pastel chosen from the name).

#include <QColor>
#include <QPointF>
#include <QString>

struct PictureRecipe {
    QString name;
    QString subject;
    double size = 0.72;
    QPointF stretch{1.0, 1.0};
    int count = 1;
    double cell = 0.0; // 0: copies share the picture evenly
    bool ground = false;
    double length = 0.8;
    QColor colour;
    QColor frame;
    QColor background;

    static PictureRecipe parse(const QString& name, const QString& line);
    bool isShape() const;
};
