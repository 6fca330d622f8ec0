#pragma once
// A filled or outlined rectangle, square, oval or circle; mouse events pass through.

#include "ui/Control.h"

class Shape : public Control {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

    Shape(Form& form, QWidget* container, const QString& name, Kind kind = Kind::Rectangle);

    void setKind(Kind kind);
    void setFill(const QColor& color); // solid fill
    void setNoFill();                  // transparent inside
    void setBorder(const QColor& color, int width);
    void setNoBorder();

    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind kind_;
    QColor fill_;
    bool filled_ = false;
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
    bool bordered_ = true;
};
