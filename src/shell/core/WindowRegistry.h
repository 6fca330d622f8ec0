#pragma once
// The program-wide references to the windows. Each window is registered once by its
// descriptor; a window is created on first use, shown again while it is open, and
// forgotten when it unloads, so the next opening loads it afresh.

#include "shell/core/AppContext.h"
#include "shell/core/WindowDescriptor.h"

#include <QHash>
#include <QPointer>
#include <initializer_list>
#include <vector>

class Form;
class Stage;

class WindowRegistry {
public:
    explicit WindowRegistry(AppContext& app);

    void add(WindowDescriptor descriptor);
    void add(std::initializer_list<WindowDescriptor> descriptors);
    bool has(const QString& windowName) const { return descriptors_.contains(windowName); }
    // The descriptor of a registered window, or null.
    const WindowDescriptor* descriptor(const QString& windowName) const;
    // Every registered window name, in the order of registration.
    const std::vector<QString>& names() const { return order_; }

    // The open window of that name, or null.
    Form* find(const QString& windowName) const;
    // Shows the window (creating and loading it first when it is not open). Null when no
    // window of that name is registered or it closed itself while loading.
    Form* open(const QString& windowName);
    // The window without showing it: created when needed, loaded on its first show.
    Form* get(const QString& windowName);
    template <class T> T* open(const QString& windowName)
    {
        return dynamic_cast<T*>(open(windowName));
    }
    template <class T> T* find(const QString& windowName) const
    {
        return dynamic_cast<T*>(find(windowName));
    }

    // Follows the stage: forgets a window when it unloads and writes the "open <Form>" and
    // "close <Form>" lines of the event log.
    void attach(Stage& stage);
    void forget(Form* form);

private:
    AppContext& app_;
    QHash<QString, WindowDescriptor> descriptors_;
    std::vector<QString> order_;
    QHash<QString, QPointer<Form>> open_;
};
