#pragma once
// What the program knows of a window before it exists: its window name and how to make it.
// The form takes its name from here, so a name is written once. A window that only its
// menu opens (it needs the entry the child chose there) names that menu.

#include "shell/core/AppContext.h"

#include <QString>
#include <functional>

class Form;

struct WindowDescriptor {
    QString name;
    std::function<Form*(AppContext&, const QString& name)> make;
    QString openedFrom = {}; // the menu that opens this window, or empty
};

// A window class of its own: T(AppContext&, const QString& name).
template <class T> WindowDescriptor windowOf(const QString& name, const QString& openedFrom = {})
{
    return {name, [](AppContext& app, const QString& n) -> Form* { return new T(app, n); },
            openedFrom};
}

// One row of a table of windows on one class: T(AppContext&, const Row&), the row naming
// the window. The row lives as long as the program (a static table).
template <class T, class Row>
WindowDescriptor windowOfRow(const Row& row, const QString& openedFrom = {})
{
    return {QString::fromUtf8(row.name),
            [&row](AppContext& app, const QString&) -> Form* { return new T(app, row); },
            openedFrom};
}
