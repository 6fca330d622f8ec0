#include "Button.h"

#include "Form.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

Button::Button(Form& form, QWidget* container, const QString& name, const QString& caption)
    : Control(form, container, name)
    , caption_(caption) {
    setBackColor(QColor(240, 240, 240));
}

void Button::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

Control* Button::cloneControl() const {
    auto* copy = new Button(form(), parentWidget(), name(), caption_);
    copy->copyCommon(*this);
    return copy;
}

void Button::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = caption_;
    option.state |= down_ ? QStyle::State_Sunken : QStyle::State_Raised;
    option.palette.setColor(QPalette::Button, BackColor());
    option.palette.setColor(QPalette::ButtonText, ForeColor());
    // A button that cannot be pressed must look so, like a disabled label.
    option.palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    p.drawControl(QStyle::CE_PushButton, option);
}

void Button::mousePressEvent(QMouseEvent* e) {
    down_ = e->button() == Qt::LeftButton;
    update();
    Control::mousePressEvent(e);
}

void Button::mouseReleaseEvent(QMouseEvent* e) {
    down_ = false;
    update();
    Control::mouseReleaseEvent(e);
}
