#include "ui/Form.h"

#include "ui/Control.h"
#include "ui/Stage.h"
#include "ui/Timer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

Form::Form(Stage& stage, const QString& name, ScaleUnit unit)
    : QWidget(stage.screenArea())
    , stage_(stage)
    , name_(name)
    , unit_(unit)
{
    setObjectName(name);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    hide();
    Move(0, 0, fromPixels(DesignWidth, unit), fromPixels(DesignHeight, unit));
}

Form::~Form()
{
    // Controls take themselves off controls_ as they die; QWidget would delete them only
    // after controls_ is gone.
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void Form::registerControl(Control* control)
{
    controls_.push_back(control);
}

void Form::unregisterControl(Control* control)
{
    std::erase(controls_, control);
}

Timer* Form::makeTimer(const QString& name)
{
    return new Timer(*this, name);
}

double Form::Left() const
{
    return fromPixels(x(), unit_);
}
double Form::Top() const
{
    return fromPixels(y(), unit_);
}
double Form::Width() const
{
    return fromPixels(width(), unit_);
}
double Form::Height() const
{
    return fromPixels(height(), unit_);
}

void Form::Move(double left, double top, double width, double height)
{
    setGeometry(toPixels(left, unit_), toPixels(top, unit_), toPixels(width, unit_),
                toPixels(height, unit_));
}

void Form::maximize()
{
    setGeometry(QRect(QPoint(0, 0), stage_.screenSize()));
}

void Form::setBackColor(const QColor& color)
{
    backColor_ = color;
    update();
}

void Form::Show()
{
    stage_.showForm(this);
}

void Form::Unload()
{
    stage_.unload(this);
}

void Form::runLoad()
{
    loaded_ = true;
    Form_Load();
}

void Form::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), backColor_);
}

void Form::mousePressEvent(QMouseEvent* e)
{
    pressed_ = true;
    Form_MouseDown(e->button(), toUnits(e->position().x()), toUnits(e->position().y()));
}

void Form::mouseMoveEvent(QMouseEvent* e)
{
    Form_MouseMove(e->buttons(), toUnits(e->position().x()), toUnits(e->position().y()));
}

void Form::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && rect().contains(e->position().toPoint());
    pressed_ = false;
    Form_MouseUp(e->button(), toUnits(e->position().x()), toUnits(e->position().y()));
    if (click && e->button() == Qt::LeftButton) Form_Click();
}

void Form::keyReleaseEvent(QKeyEvent* e)
{
    if (e->isAutoRepeat()) return;
    Form_KeyUp(classicKeyCode(e->key()));
}

int classicKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16) return 112 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    switch (qtKey) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}
