#include "ui/Stage.h"

#include "ui/Form.h"
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

void Stage::placeArea()
{
    const double sx = double(width()) / DesignWidth;
    const double sy = double(height()) / DesignHeight;
    if (stretch_) {
        scaleX_ = float(sx);
        scaleY_ = float(sy);
        area_->setGeometry(rect());
    } else {
        // One factor for both directions: the smaller, so the whole design fits.
        const double s = std::min(sx, sy);
        scaleX_ = scaleY_ = float(s);
        const QSize size(int(std::lround(DesignWidth * s)), int(std::lround(DesignHeight * s)));
        area_->setGeometry(
            QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size));
    }
    update();
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
    emit closeRequested();
}
