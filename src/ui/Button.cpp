#include "ui/Button.h"

#include "ui/Form.h"

#include <QHash>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// The style caches the pictures of buttons per palette. One palette per colour pair, shared
// by every button, keeps that cache small; a palette made afresh at each paint would add
// new pictures to it every time a window with buttons opens, until its limit.
const QPalette& buttonPalette(const QPalette& base, const QColor& back, const QColor& fore)
{
    static QHash<QPair<QRgb, QRgb>, QPalette> palettes;
    const QPair<QRgb, QRgb> key(back.rgba(), fore.rgba());
    auto it = palettes.find(key);
    if (it == palettes.end()) {
        QPalette palette = base;
        palette.setColor(QPalette::Button, back);
        palette.setColor(QPalette::ButtonText, fore);
        // A button that cannot be pressed must look so, like a disabled label.
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
        it = palettes.insert(key, palette);
    }
    return *it;
}

} // namespace

Button::Button(Form& form, QWidget* container, const QString& name, const QString& caption)
    : Control(form, container, name)
    , caption_(caption)
{
    setBackColor(QColor(240, 240, 240));
}

void Button::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

Control* Button::cloneControl() const
{
    auto* copy = new Button(form(), parentWidget(), name(), caption_);
    copy->copyCommon(*this);
    return copy;
}

void Button::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = caption_;
    option.state |= down_ ? QStyle::State_Sunken : QStyle::State_Raised;
    option.palette = buttonPalette(option.palette, BackColor(), ForeColor());
    // The shared palette carries the colour group of the button it was made for.
    option.palette.setCurrentColorGroup(isEnabled() ? QPalette::Active : QPalette::Disabled);
    p.drawControl(QStyle::CE_PushButton, option);
}

void Button::mousePressEvent(QMouseEvent* e)
{
    down_ = e->button() == Qt::LeftButton;
    update();
    Control::mousePressEvent(e);
}

void Button::mouseReleaseEvent(QMouseEvent* e)
{
    down_ = false;
    update();
    Control::mouseReleaseEvent(e);
}
