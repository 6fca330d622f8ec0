#pragma once
// A straight line between two points of its container; mouse events pass through.

#include "ui/Control.h"

class Line : public Control {
    Q_OBJECT
public:
    Line(Form& form, QWidget* container, const QString& name);

    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void setEnds(double x1, double y1, double x2, double y2);
    void setLineColor(const QColor& color);
    void setLineWidth(int pixels);
    int LineWidth() const { return width_; }
    void setLineStyle(Qt::PenStyle style); // solid, dotted ...

    bool scalesWithForm() const override { return false; }
    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void place();

    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor color_ = Qt::black;
    int width_ = 1;
    Qt::PenStyle style_ = Qt::SolidLine;
};
