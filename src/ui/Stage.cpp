#include "ui/Stage.h"

#include "ui/Form.h"
#include "ui/Kiosk.h"
#include "ui/Units.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>

Stage::Stage(QWidget* parent)
    : QWidget(parent)
    , area_(new QWidget(this))
{
    setWindowTitle(QStringLiteral("Mindlark"));
    setMouseTracking(true);
    area_->setMouseTracking(true);
    placeArea();
}

void Stage::setStretch(bool stretch)
{
    stretch_ = stretch;
    placeArea();
}

// One factor for both directions unless stretched: the smaller, so the whole design fits.
float Stage::scaleX() const
{
    const double sx = double(width()) / DesignWidth;
    return float(stretch_ ? sx : std::min(sx, double(height()) / DesignHeight));
}

float Stage::scaleY() const
{
    const double sy = double(height()) / DesignHeight;
    return float(stretch_ ? sy : std::min(sy, double(width()) / DesignWidth));
}

QRect Stage::screenRect() const
{
    if (stretch_) return rect();
    const double s = scaleX();
    const QSize size(int(std::lround(DesignWidth * s)), int(std::lround(DesignHeight * s)));
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void Stage::placeArea()
{
    area_->setGeometry(screenRect());
    update();
}

void Stage::showEvent(QShowEvent*)
{
    placeArea();
}

void Stage::resizeEvent(QResizeEvent*)
{
    placeArea();
}

void Stage::paintEvent(QPaintEvent*)
{
    // The margins beside the 4:3 area take the colour of the window in front.
    QPainter p(this);
    p.fillRect(rect(), top() ? top()->BackColor() : QColor(Qt::white));
}

bool Stage::isOpen(const Form* form) const
{
    return std::find(stack_.begin(), stack_.end(), form) != stack_.end();
}

void Stage::showForm(Form* form)
{
    if (!form) return;
    if (top() == form && form->isVisible()) return;
    QPointer<Form> guard(form);
    if (Form* previous = top()) previous->Form_Deactivate();
    if (!guard) return;
    if (!form->isLoaded()) {
        stack_.push_back(form);
        form->runLoad();
        // The load handler may have ended the window (or the program) already.
        if (!guard || !isOpen(form)) return;
        emit formLoaded(form);
    } else {
        std::erase(stack_, form);
        stack_.push_back(form);
    }
    form->QWidget::show();
    form->raise();
    activateTop();
}

void Stage::unload(Form* form)
{
    if (!form || !isOpen(form)) return;
    const bool wasTop = top() == form;
    std::erase(stack_, form);
    form->Form_Unload();
    form->markUnloaded();
    form->hide();
    emit formUnloaded(form);
    form->deleteLater();
    if (wasTop) activateTop();
}

void Stage::unloadAll()
{
    while (!stack_.empty())
        unload(stack_.back());
}

void Stage::activateTop()
{
    update(); // the margins follow the window in front
    if (Form* form = top()) {
        form->setFocus(Qt::OtherFocusReason);
        form->Form_Activate();
    }
}

void Stage::closeEvent(QCloseEvent* e)
{
    // Closing the stage is closing the main menu: the program decides how to end.
    e->ignore();
    if (!isKiosk(*this)) emit closeRequested();
}
