#include "ui/Line.h"

#include "ui/Form.h"

#include <QPainter>

Line::Line(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    place();
}

void Line::setLineColor(const QColor& color)
{
    color_ = color;
    update();
}

void Line::setLineWidth(int pixels)
{
    width_ = std::max(1, pixels);
    place();
}

void Line::setLineStyle(Qt::PenStyle style)
{
    style_ = style;
    update();
}

void Line::place()
{
    // The widget is the bounding box of the two ends, widened by the pen.
    const ScaleUnit unit = form().unit();
    const int pad = width_;
    const int left = std::min(toPixels(x1_, unit), toPixels(x2_, unit)) - pad;
    const int top = std::min(toPixels(y1_, unit), toPixels(y2_, unit)) - pad;
    const int right = std::max(toPixels(x1_, unit), toPixels(x2_, unit)) + pad;
    const int bottom = std::max(toPixels(y1_, unit), toPixels(y2_, unit)) + pad;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

Control* Line::cloneControl() const
{
    auto* copy = new Line(form(), parentWidget(), name());
    copy->copyCommon(*this);
    copy->color_ = color_;
    copy->width_ = width_;
    copy->style_ = style_;
    copy->setEnds(x1_, y1_, x2_, y2_);
    return copy;
}

void Line::paintEvent(QPaintEvent*)
{
    const ScaleUnit unit = form().unit();
    QPainter p(this);
    p.setPen(QPen(color_, width_, style_, Qt::FlatCap));
    const QPoint origin = pos();
    p.drawLine(QPoint(toPixels(x1_, unit), toPixels(y1_, unit)) - origin,
               QPoint(toPixels(x2_, unit), toPixels(y2_, unit)) - origin);
}
