#include "ui/Kiosk.h"

#include "ui/Stage.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

bool isAltF4(const QKeyEvent& key)
{
    return key.key() == Qt::Key_F4 && key.modifiers().testFlag(Qt::AltModifier);
}

bool isCtrlAltQ(const QKeyEvent& key)
{
    const auto mods = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    return key.key() == Qt::Key_Q && mods == (Qt::ControlModifier | Qt::AltModifier);
}

} // namespace

bool KioskKeys::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() == Qt::Key_Escape || isAltF4(key)) return true;
    if (isCtrlAltQ(key)) {
        // The press asks once; its release and the shortcut check are swallowed with it.
        if (type == QEvent::KeyPress && !key.isAutoRepeat()) emit quitRequested();
        return true;
    }
    return false;
}

void enableKiosk(Stage& stage)
{
    if (isKiosk(stage)) return;
    // On the application, so the keys are caught whichever form or dialog has the focus.
    auto* keys = new KioskKeys(&stage);
    QCoreApplication::instance()->installEventFilter(keys);
    QObject::connect(keys, &KioskKeys::quitRequested, &stage, &Stage::closeRequested);
}

bool isKiosk(const Stage& stage)
{
    return stage.findChild<KioskKeys*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}
