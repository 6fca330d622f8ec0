#include "ui/Stage.h"

#include "ui/Form.h"

#include <QCloseEvent>
#include <QPointer>
#include <algorithm>

Stage::Stage(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Mindlark"));
    setMouseTracking(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
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
