#pragma once
// A filled or outlined rectangle, square, oval or circle; mouse events pass through.

#include "ui/Control.h"
#include "ui/ImageDrawing.h"

class Shape : public Control {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

    Shape(Form& form, QWidget* container, const QString& name, Kind kind = Kind::Rectangle);

    void setKind(Kind kind);
    Kind kind() const { return kind_; }
    void setFill(const QColor& color); // solid fill
    void setNoFill();                  // transparent inside
    // The fill's colour and style apart, as a window that sets them at different moments has them.
    QColor FillColor() const { return fill_; }
    void setFillColor(const QColor& color);
    ShapeFill FillStyle() const { return filled_ ? ShapeFill::Solid : ShapeFill::Transparent; }
    void setFillStyle(ShapeFill style);
    void setBorder(const QColor& color, int width);
    void setNoBorder();
    QColor BorderColor() const { return border_; }
    void setBorderColor(const QColor& color);
    void setBorderStyle(Qt::PenStyle style); // solid, dotted ...

    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind kind_;
    QColor fill_;
    bool filled_ = false;
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
    Qt::PenStyle borderStyle_ = Qt::SolidLine;
    bool bordered_ = true;
};
