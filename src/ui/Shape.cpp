#include "ui/Shape.h"

#include "ui/Form.h"

#include <QPainter>

Shape::Shape(Form& form, QWidget* container, const QString& name, Kind kind)
    : Control(form, container, name)
    , kind_(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setKind(Kind kind)
{
    kind_ = kind;
    update();
}

void Shape::setFill(const QColor& color)
{
    fill_ = color;
    filled_ = true;
    update();
}

void Shape::setNoFill()
{
    filled_ = false;
    update();
}

void Shape::setFillColor(const QColor& color)
{
    fill_ = color;
    update();
}

void Shape::setFillStyle(ShapeFill style)
{
    filled_ = style == ShapeFill::Solid;
    update();
}

void Shape::setBorderColor(const QColor& color)
{
    border_ = color;
    update();
}

void Shape::setBorderStyle(Qt::PenStyle style)
{
    borderStyle_ = style;
    update();
}

void Shape::setBorder(const QColor& color, int width)
{
    border_ = color;
    borderWidth_ = width;
    bordered_ = true;
    update();
}

void Shape::setNoBorder()
{
    bordered_ = false;
    update();
}

Control* Shape::cloneControl() const
{
    auto* copy = new Shape(form(), parentWidget(), name(), kind_);
    copy->fill_ = fill_;
    copy->filled_ = filled_;
    copy->border_ = border_;
    copy->borderWidth_ = borderWidth_;
    copy->borderStyle_ = borderStyle_;
    copy->bordered_ = bordered_;
    copy->copyCommon(*this);
    return copy;
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(bordered_ ? QPen(border_, borderWidth_, borderStyle_) : QPen(Qt::NoPen));
    p.setBrush(filled_ ? QBrush(fill_) : QBrush(Qt::NoBrush));
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool square =
        kind_ == Kind::Square || kind_ == Kind::Circle || kind_ == Kind::RoundedSquare;
    if (square) {
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    switch (kind_) {
    case Kind::Rectangle:
    case Kind::Square:
        p.drawRect(r);
        break;
    case Kind::Oval:
    case Kind::Circle:
        p.drawEllipse(r);
        break;
    case Kind::RoundedRectangle:
    case Kind::RoundedSquare:
        p.drawRoundedRect(r, r.width() / 8, r.height() / 8);
        break;
    }
}
