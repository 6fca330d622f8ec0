#include "WindowTour.h"

#include "shell/core/WindowRegistry.h"
#include "shell/windows/CommandLineLaunch.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "windows/AllWindows.h"

#include <QCoreApplication>

QString optionValue(const QStringList& arguments, const QString& option, const QString& fallback)
{
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

QString demoDataRoot(const QStringList& arguments)
{
    return optionValue(arguments, QStringLiteral("--data"),
                       qEnvironmentVariable("MINDLARK_DEMO_DATA"));
}

WindowTour::WindowTour(const QString& dataRoot, const QString& lesson)
    : lesson_(lesson)
    , fx_(std::make_unique<StageFixture>(dataRoot))
{
    registerAllWindows(fx_->windows);
}

const std::vector<QString>& WindowTour::names() const
{
    return fx_->windows.names();
}

Form* WindowTour::find(const QString& name) const
{
    return fx_->windows.find(name);
}

Form* WindowTour::open(const QString& name)
{
    WindowRegistry& windows = fx_->windows;
    if (Form* open = windows.find(name)) {
        fx_->stage.showForm(open);
        return open;
    }
    if (!fx_->stage.top()) windows.open(QStringLiteral("FrmChoose"));
    if (name == QStringLiteral("FrmChoose")) return windows.find(name);
    LaunchFromCommandLine(fx_->app, {name, QString(), lesson_});
    settle();
    if (Form* open = windows.find(name)) return open;
    const WindowDescriptor* d = windows.descriptor(name);
    return d && !d->openedFrom.isEmpty() ? throughItsMenu(name, d->openedFrom) : nullptr;
}

// The menu's entries are not known here: its controls are clicked in order until one opens
// the window; whatever else a click opens is closed again.
Form* WindowTour::throughItsMenu(const QString& name, const QString& menuName)
{
    Form* menu = fx_->windows.find(menuName);
    if (!menu) return nullptr;
    const std::vector<Control*> controls = menu->controls();
    for (Control* control : controls) {
        if (!fx_->windows.find(menuName)) return nullptr; // the menu closed itself
        if (!control->isVisible() || !control->isEnabled() || control->name() == "ImgBack")
            continue;
        fx_->click(control);
        settle();
        if (Form* open = fx_->windows.find(name)) return open;
        while (fx_->stage.top() && fx_->stage.top() != menu)
            fx_->stage.unload(fx_->stage.top());
        settle();
    }
    return nullptr;
}

void WindowTour::closeAll()
{
    fx_->stage.unloadAll();
    settle();
    fx_->services.clearRecords();
}

void WindowTour::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
