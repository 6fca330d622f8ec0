#include "activities/language/StrokeBox.h"

#include "ui/Form.h"

#include <QPainter>

#include <cmath>

namespace {

// The recorder's and the replay's pen, 5 pixels on the designed box.
constexpr int PenWidth = 5;

double scaleOf(const PictureBox& box)
{
    return box.width() > 0 ? box.width() / double(StrokeFile::BoxSide) : 1.0;
}

} // namespace

namespace StrokeBox {

PictureBox* make(Form& form, double left, double top)
{
    auto* box = form.make<PictureBox>(QStringLiteral("Picture1"));
    box->Move(left, top, StrokeFile::BoxSide, StrokeFile::BoxSide);
    box->setBackColor(Qt::white);
    box->setForeColor(Qt::black);
    box->setBorder(true);
    box->setDrawWidth(PenWidth);
    return box;
}

void fitPen(PictureBox& box)
{
    box.setDrawWidth(int(std::lround(PenWidth * scaleOf(box))));
}

void paintWindowFrame(QWidget& window)
{
    QPainter p(&window);
    p.setPen(QPen(QColor(0, 110, 120), 3));
    p.drawRect(QRectF(window.rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

QPoint toFile(const PictureBox& box, double x, double y)
{
    const double scale = scaleOf(box);
    return QPoint(int(std::lround(x / scale)), int(std::lround(y / scale)));
}

QPointF onScreen(const PictureBox& box, QPoint inFile)
{
    const double scale = scaleOf(box);
    return QPointF(inFile.x() * scale, inFile.y() * scale);
}

} // namespace StrokeBox
