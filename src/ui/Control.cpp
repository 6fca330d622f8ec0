#include "ui/Control.h"

#include "ui/Form.h"

#include <QMouseEvent>
#include <QPointer>

Control::Control(Form& form, QWidget* container, const QString& name)
    : QWidget(container)
    , form_(form)
    , name_(name)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    QWidget::setFont(makeFont(fontFace_, fontSize_, fontBold_));
    form_.registerControl(this);
}

Control::~Control()
{
    form_.unregisterControl(this);
}

void Control::Move(double left, double top, double width, double height)
{
    geometry_ = QRectF(left, top, width, height);
    const ScaleUnit unit = form_.unit();
    const int x = toPixels(left, unit);
    const int y = toPixels(top, unit);
    // Both edges are rounded so that neighbours designed edge to edge stay edge to edge.
    setGeometry(x, y, std::max(0, toPixels(left + width, unit) - x),
                std::max(0, toPixels(top + height, unit) - y));
}

void Control::setVisible(bool visible)
{
    QWidget::setVisible(visible);
}

void Control::setFont(const QString& face, double points, bool bold)
{
    fontFace_ = face;
    fontSize_ = points;
    fontBold_ = bold;
    QWidget::setFont(makeFont(face, points, bold));
    fontChanged();
}

void Control::setFontSize(double points)
{
    setFont(fontFace_, points, fontBold_);
}

void Control::setForeColor(const QColor& c)
{
    foreColor_ = c;
    update();
}

void Control::setBackColor(const QColor& c)
{
    backColor_ = c;
    backColorChanged();
}

void Control::setHandCursor()
{
    setCursor(Qt::PointingHandCursor);
}

void Control::copyCommon(const Control& other)
{
    setFont(other.fontFace_, other.fontSize_, other.fontBold_);
    foreColor_ = other.foreColor_;
    backColor_ = other.backColor_;
    setCursor(other.cursor());
    setEnabled(other.isEnabled());
    setAttribute(Qt::WA_TransparentForMouseEvents,
                 other.testAttribute(Qt::WA_TransparentForMouseEvents));
    Move(other.Left(), other.Top(), other.Width(), other.Height());
    hide();
}

double Control::toUnits(double pixels) const
{
    return pixels * unitsPerPixel(form_.unit());
}

void Control::mousePressEvent(QMouseEvent* e)
{
    pressedInside_ = true;
    emit MouseDown(e->button(), toUnits(e->position().x()), toUnits(e->position().y()));
}

void Control::mouseMoveEvent(QMouseEvent* e)
{
    emit MouseMove(e->buttons(), toUnits(e->position().x()), toUnits(e->position().y()));
}

void Control::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressedInside_ && rect().contains(e->position().toPoint());
    pressedInside_ = false;
    // The handlers may unload the form; keep this control alive until they are done.
    QPointer<Control> self(this);
    emit MouseUp(e->button(), toUnits(e->position().x()), toUnits(e->position().y()));
    if (self && click && e->button() == Qt::LeftButton) emit Click();
}

void Control::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click also counts as a press, as it does for a child
    // clicking quickly on two pictures.
    mousePressEvent(e);
    emit DblClick();
}
