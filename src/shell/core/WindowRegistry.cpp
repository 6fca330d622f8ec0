#include "shell/core/WindowRegistry.h"

#include "ui/Form.h"
#include "ui/Stage.h"

WindowRegistry::WindowRegistry(AppContext& app)
    : app_(app)
{
}

void WindowRegistry::add(WindowDescriptor descriptor)
{
    const QString name = descriptor.name;
    if (!descriptors_.contains(name)) order_.push_back(name);
    descriptors_.insert(name, std::move(descriptor));
}

void WindowRegistry::add(std::initializer_list<WindowDescriptor> descriptors)
{
    for (const WindowDescriptor& d : descriptors)
        add(d);
}

const WindowDescriptor* WindowRegistry::descriptor(const QString& windowName) const
{
    const auto it = descriptors_.constFind(windowName);
    return it == descriptors_.constEnd() ? nullptr : &*it;
}

Form* WindowRegistry::find(const QString& windowName) const
{
    const auto it = open_.constFind(windowName);
    return it == open_.constEnd() ? nullptr : it->data();
}

Form* WindowRegistry::get(const QString& windowName)
{
    if (Form* form = find(windowName)) return form;
    const WindowDescriptor* d = descriptor(windowName);
    if (!d) return nullptr;
    Form* form = d->make(app_, d->name);
    open_.insert(windowName, form);
    return form;
}

Form* WindowRegistry::open(const QString& windowName)
{
    QPointer<Form> form = get(windowName);
    if (!form || !app_.stage) return nullptr;
    app_.stage->showForm(form);
    if (!form || !app_.stage->isOpen(form)) return nullptr;
    return form;
}

void WindowRegistry::forget(Form* form)
{
    for (auto it = open_.begin(); it != open_.end();) {
        if (it->data() == form || it->isNull())
            it = open_.erase(it);
        else
            ++it;
    }
}

void WindowRegistry::attach(Stage& stage)
{
    QObject::connect(&stage, &Stage::formLoaded, &stage, [this](Form* form) {
        app_.services.log(QStringLiteral("open ") + form->name());
    });
    QObject::connect(&stage, &Stage::formUnloaded, &stage, [this](Form* form) {
        forget(form);
        app_.services.log(QStringLiteral("close ") + form->name());
    });
}
